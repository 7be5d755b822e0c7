// Small vector and matrix kit of the renderer: single-precision, column-major
// matrices laid out as OpenGL expects them.
#pragma once

struct Vec3 {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
};

struct Vec4 {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  float w = 0.0f;
};

// Four columns of four floats; element (column c, row r) is float 4c + r.
struct Mat4 {
  float values[16] = {};

  float* operator[](int column) { return values + 4 * column; }
  const float* operator[](int column) const { return values + 4 * column; }
  const float* data() const { return values; }

  static Mat4 identity();
  static Mat4 fromColumns(const Vec4& c0, const Vec4& c1, const Vec4& c2, const Vec4& c3);
};

Vec3 operator+(const Vec3& a, const Vec3& b);
Vec3 operator-(const Vec3& a, const Vec3& b);
Vec3 operator-(const Vec3& a);
Vec3 operator*(const Vec3& a, float s);
Vec3 operator/(const Vec3& a, float s);
float length(const Vec3& a);
Vec3 normalize(const Vec3& a);
Vec3 cross(const Vec3& a, const Vec3& b);

Mat4 operator*(const Mat4& a, const Mat4& b);
Vec4 operator*(const Mat4& m, const Vec4& v);

// Degrees to radians with the single-precision value of pi / 180.
float radians(float degrees);

// The standard OpenGL perspective projection; fovy is the vertical field of view in degrees.
Mat4 perspective(float fovyDegrees, float aspect, float near, float far);

// View matrix looking from eye towards center; up need not be unit length.
Mat4 lookAt(const Vec3& eye, const Vec3& center, const Vec3& up);

Mat4 translate(float x, float y, float z);
Mat4 translate(const Vec3& v);
