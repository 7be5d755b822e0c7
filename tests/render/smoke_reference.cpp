// CPU reference of the smoke: three layers of a folded field, step by step.
#include "tests/render/smoke_reference.h"

#include <algorithm>
#include <cmath>

namespace {

struct Layer {
  double r;
  double g;
  double b;
};

double glslMod(double x, double y) { return x - y * std::floor(x / y); }

Layer effect(double speed, double px, double py, double time, int iterations) {
  const double t = glslMod(time * speed, 60.0);
  const double rho = 0.01 * std::sin(0.45 * t);
  const double c1 = std::cos(rho);
  const double s1 = std::sin(rho);
  // Row vector p times the matrix with columns (c1, -s1) and (-s1, c1).
  double qx = c1 * px - s1 * py;
  double qy = -s1 * px + c1 * py;
  const double sigma = 0.005 * std::cos(0.05 * t);
  const double c2 = std::cos(sigma);
  const double s2 = std::sin(sigma);
  for (int i = 1; i <= iterations; ++i) {
    const double f = i;
    const double nx = s2 * qx + c2 * qy;
    const double ny = -c2 * qx + s2 * qy;
    qx = nx;
    qy = ny;
    const double even = (i % 2 == 0) ? 1.0 : 0.0;
    qy = qy - 1.0 + even * (0.6 / f) * std::cos(t + f * qx + 0.5 * f);
    qx = qx + 1.0 + (0.5 / f) * std::cos(t + f * qy + 0.5 * (f + 15.0));
  }
  const double r = 0.5 + 0.5 * std::sin(4.0 * qx + t);
  const double k = 0.5 + 0.5 * std::sin(3.0 * qy);
  return {r, 0.8 * k * r, k * r};
}

}  // namespace

SmokeColor smokeReference(double x, double y, double width, double height, double time,
                          const SmokeFault& fault) {
  double u = x / width;
  double v = y / height;
  u = 2.0 * u - 1.0;
  v = 2.0 * v - 1.0;
  u = u * (width / height);
  const double zoom = 0.9 + 0.1 * std::sin(0.01 * time);
  u *= zoom;
  v *= zoom;
  v = v - fault.drift * time;

  const int n = fault.iterations;
  Layer col = effect(0.1, u, v, time, n);
  const Layer fine = effect(0.1, u * 3.0, v * 3.0, 2.0 * time + 10.0, n);
  col = {col.r + 0.3 * fine.r, col.g + 0.3 * fine.g, col.b + 0.3 * fine.b};
  if (!fault.dropThirdLayer) {
    const double s = std::sin(0.01 * time);
    const Layer faint = effect(0.1, s * u * 2.0, s * v * 2.0, 2.0 * time + 10.0, n);
    col = {col.r + 0.1 * faint.r, col.g + 0.1 * faint.g, col.b + 0.1 * faint.b};
  }
  return {fault.redFromLayerRed ? col.r : col.g, col.g, col.b};
}

std::vector<double> smokeReferenceFrame(int width, int height, float time,
                                        const SmokeFault& fault) {
  std::vector<double> frame(static_cast<std::size_t>(width) * height * 3);
  const auto channel = [](double value) { return 255.0 * std::min(1.0, std::max(0.0, value)); };
  std::size_t at = 0;
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      const SmokeColor c = smokeReference(column + 0.5, row + 0.5, width, height, time, fault);
      frame[at++] = channel(c.red);
      frame[at++] = channel(c.green);
      frame[at++] = channel(c.blue);
    }
  }
  return frame;
}
