// Vector and geometry functions of the mesh records, all in single precision.
#include "mesh/wavefront.h"

#include <cmath>

namespace wavefront {

Vector3 crossProduct(Vector3 a, Vector3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float dotProduct(Vector3 a, Vector3 b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

float vectorLength(Vector3 a) {
  return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
}

float angleBetween(Vector3 a, Vector3 b) {
  return std::acos(dotProduct(a, b) / (vectorLength(a) * vectorLength(b)));
}

bool pointInTriangle(Vector3 p, Vector3 t1, Vector3 t2, Vector3 t3) {
  const Vector3 u = t2 - t1;
  const Vector3 v = t3 - t1;
  const Vector3 w = p - t1;
  const Vector3 n = crossProduct(u, v);
  const float nn = dotProduct(n, n);
  const float gamma = dotProduct(crossProduct(u, w), n) / nn;  // weight of t3
  const float beta = dotProduct(crossProduct(w, v), n) / nn;   // weight of t2
  const float alpha = 1.0f - gamma - beta;                     // weight of t1
  // Written so that a NaN weight fails every comparison.
  return alpha >= 0.0f && alpha <= 1.0f && beta >= 0.0f && beta <= 1.0f &&
         gamma >= 0.0f && gamma <= 1.0f;
}

}  // namespace wavefront
