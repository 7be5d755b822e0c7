// The saver's drawing size in pixels, shared by the window and the frame steps.
#pragma once

#include <cstdint>

extern std::int32_t windowWidth;
extern std::int32_t windowHeight;
extern float windowAspect;  // width / height in single precision

// Updates the drawing size; a zero height (a minimised window) keeps the
// previous aspect ratio so the projection stays finite.
void setDrawingSize(int width, int height);
