// The smoke picture worked out on the CPU in double precision, independent of
// the shader text, to check what the GPU draws.
#pragma once

#include <cstdint>
#include <vector>

struct SmokeColor {
  double red;
  double green;
  double blue;
};

// Deliberate faults, to show that a comparison would catch them.
struct SmokeFault {
  bool dropThirdLayer = false;
  bool redFromLayerRed = false;  // output (col.r, col.g, col.b) instead of (col.g, col.g, col.b)
  double drift = 0.13;
  int iterations = 39;
};

// The colour before the framebuffer clamps it, for the pixel centre (x, y) in
// window coordinates (origin bottom left) of a width x height viewport at time t.
SmokeColor smokeReference(double x, double y, double width, double height, double time,
                          const SmokeFault& fault = SmokeFault());

// A whole frame as 8-bit RGB rows from the bottom, as glReadPixels returns them,
// but unrounded (values 0 ... 255) so that comparisons see the true distance.
std::vector<double> smokeReferenceFrame(int width, int height, float time,
                                        const SmokeFault& fault = SmokeFault());
