// Vector and matrix operations and the three transforms of the renderer.
#include "render/vecmath.h"

#include <cmath>

Mat4 Mat4::identity() {
  Mat4 m;
  m[0][0] = m[1][1] = m[2][2] = m[3][3] = 1.0f;
  return m;
}

Mat4 Mat4::fromColumns(const Vec4& c0, const Vec4& c1, const Vec4& c2, const Vec4& c3) {
  Mat4 m;
  const Vec4* columns[4] = {&c0, &c1, &c2, &c3};
  for (int c = 0; c < 4; ++c) {
    m[c][0] = columns[c]->x;
    m[c][1] = columns[c]->y;
    m[c][2] = columns[c]->z;
    m[c][3] = columns[c]->w;
  }
  return m;
}

Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator-(const Vec3& a) { return {-a.x, -a.y, -a.z}; }
Vec3 operator*(const Vec3& a, float s) { return {a.x * s, a.y * s, a.z * s}; }
Vec3 operator/(const Vec3& a, float s) { return {a.x / s, a.y / s, a.z / s}; }

float length(const Vec3& a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }

Vec3 normalize(const Vec3& a) { return a / length(a); }

Vec3 cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Mat4 operator*(const Mat4& a, const Mat4& b) {
  Mat4 product;
  for (int c = 0; c < 4; ++c) {
    for (int r = 0; r < 4; ++r) {
      float sum = 0.0f;
      for (int k = 0; k < 4; ++k) sum += a[k][r] * b[c][k];
      product[c][r] = sum;
    }
  }
  return product;
}

Vec4 operator*(const Mat4& m, const Vec4& v) {
  const float in[4] = {v.x, v.y, v.z, v.w};
  float out[4] = {0.0f, 0.0f, 0.0f, 0.0f};
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) out[r] += m[c][r] * in[c];
  }
  return {out[0], out[1], out[2], out[3]};
}

float radians(float degrees) { return degrees * 0.0174532924f; }

Mat4 perspective(float fovyDegrees, float aspect, float near, float far) {
  const float f = 1.0f / std::tan(radians(0.5f * fovyDegrees));
  Mat4 m;
  m[0][0] = f / aspect;
  m[1][1] = f;
  m[2][2] = (near + far) / (near - far);
  m[2][3] = -1.0f;
  m[3][2] = 2.0f * near * far / (near - far);
  return m;
}

Mat4 lookAt(const Vec3& eye, const Vec3& center, const Vec3& up) {
  const Vec3 f = normalize(center - eye);
  const Vec3 u0 = normalize(up);
  const Vec3 s = cross(f, u0);  // not normalised again: callers pass a unit up at right angles
  const Vec3 u = cross(s, f);
  const Mat4 rotation = Mat4::fromColumns({s.x, u.x, -f.x, 0.0f}, {s.y, u.y, -f.y, 0.0f},
                                          {s.z, u.z, -f.z, 0.0f}, {0.0f, 0.0f, 0.0f, 1.0f});
  return rotation * translate(-eye);
}

Mat4 translate(float x, float y, float z) {
  Mat4 m = Mat4::identity();
  m[3][0] = x;
  m[3][1] = y;
  m[3][2] = z;
  return m;
}

Mat4 translate(const Vec3& v) { return translate(v.x, v.y, v.z); }
