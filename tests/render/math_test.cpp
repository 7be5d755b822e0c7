// The vector and matrix kit, the camera's set-up sequence and the shader inputs.
#include <gtest/gtest.h>

#include <cmath>

#include "render/camera.h"
#include "render/vecmath.h"

namespace {

constexpr float tolerance = 2e-6f;

struct Entry {
  int column;
  int row;
  float value;
};

void expectMatrix(const Mat4& m, std::initializer_list<Entry> nonZero) {
  for (int c = 0; c < 4; ++c) {
    for (int r = 0; r < 4; ++r) {
      float expected = 0.0f;
      for (const Entry& e : nonZero) {
        if (e.column == c && e.row == r) expected = e.value;
      }
      EXPECT_NEAR(m[c][r], expected, tolerance * std::max(1.0f, std::fabs(expected)))
          << "m[" << c << "][" << r << "]";
    }
  }
}

void expectVec(const Vec4& v, float x, float y, float z, float w, float tol = 2e-5f) {
  EXPECT_NEAR(v.x, x, tol);
  EXPECT_NEAR(v.y, y, tol);
  EXPECT_NEAR(v.z, z, tol);
  EXPECT_NEAR(v.w, w, tol);
}

TEST(Perspective, MatchesTheStandardProjection) {
  struct Case {
    float aspect;
    float first;
  } cases[] = {{1.0f, 2.1445069f}, {4.0f / 3.0f, 1.6083802f}, {16.0f / 9.0f, 1.2062851f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.aspect);
    expectMatrix(perspective(50.0f, c.aspect, 0.1f, 1000.0f),
                 {{0, 0, c.first}, {1, 1, 2.1445069f}, {2, 2, -1.0002000f}, {2, 3, -1.0f},
                  {3, 2, -0.20002000f}});
  }
}

TEST(Radians, UsesTheSinglePrecisionFactor) {
  EXPECT_FLOAT_EQ(radians(180.0f), 3.14159274f);
  EXPECT_FLOAT_EQ(radians(1.0f), 0.0174532924f);
  EXPECT_FLOAT_EQ(radians(-90.0f), -1.57079637f);
}

TEST(Translate, MovesPointsAndLeavesDirections) {
  const Mat4 t = translate(0.0f, 0.0f, -100.0f);
  expectVec(t * Vec4{0.0f, 0.0f, 100.0f, 1.0f}, 0.0f, 0.0f, 0.0f, 1.0f);
  expectVec(t * Vec4{1.0f, 2.0f, 3.0f, 0.0f}, 1.0f, 2.0f, 3.0f, 0.0f);
  expectVec(translate(Vec3{1.0f, -2.0f, 3.5f}) * Vec4{1.0f, 1.0f, 1.0f, 1.0f}, 2.0f, -1.0f,
            4.5f, 1.0f);
  expectMatrix(translate(4.0f, 5.0f, 6.0f),
               {{0, 0, 1}, {1, 1, 1}, {2, 2, 1}, {3, 3, 1}, {3, 0, 4}, {3, 1, 5}, {3, 2, 6}});
}

TEST(Product, IsTheColumnMajorProductAndNotCommutative) {
  const Mat4 projection = perspective(50.0f, 16.0f / 9.0f, 0.1f, 1000.0f);
  const Mat4 move = translate(0.0f, 0.0f, -100.0f);
  const Mat4 pv = projection * move;
  const Mat4 vp = move * projection;
  // (P*T) applied to a point is P applied to the moved point.
  const Vec4 point{0.5f, -0.25f, 10.0f, 1.0f};
  const Vec4 expected = projection * (move * point);
  expectVec(pv * point, expected.x, expected.y, expected.z, expected.w, 1e-3f);
  // T*P keeps P's perspective row but moves the result by -100 w in z.
  EXPECT_NEAR(pv[3][2], -0.20002f + 100.0f * 1.0002f, 1e-3f);
  EXPECT_NEAR(vp[3][2], -0.20002f, 1e-5f);
  EXPECT_NEAR(vp[2][2], -1.0002f + 100.0f, 1e-3f);
}

TEST(Vec3Ops, CrossLengthNormalize) {
  const Vec3 c = cross(Vec3{1, 0, 0}, Vec3{0, 1, 0});
  EXPECT_FLOAT_EQ(c.z, 1.0f);
  const Vec3 d = cross(Vec3{1, 2, 3}, Vec3{4, 5, 6});
  EXPECT_FLOAT_EQ(d.x, -3.0f);
  EXPECT_FLOAT_EQ(d.y, 6.0f);
  EXPECT_FLOAT_EQ(d.z, -3.0f);
  EXPECT_FLOAT_EQ(length(Vec3{3, 4, 12}), 13.0f);
  const Vec3 n = normalize(Vec3{0, -5, 0});
  EXPECT_FLOAT_EQ(n.y, -1.0f);
  const Vec3 sum = Vec3{1, 2, 3} + Vec3{1, 1, 1} - Vec3{0, 0, 6} * 0.5f;
  EXPECT_FLOAT_EQ(sum.x, 2.0f);
  EXPECT_FLOAT_EQ(sum.y, 3.0f);
  EXPECT_FLOAT_EQ(sum.z, 1.0f);
}

// The scene's camera: at (0, 0, 100), pitched up by one degree, view slot 0.
TEST(Camera, SetUpSequenceGivesTheTiltedView) {
  Camera camera(0.0f, 0.0f, 100.0f);
  camera.pitch(1.0f);
  camera.updateView(0);
  const float s = std::sin(radians(1.0f));
  const float c = std::cos(radians(1.0f));
  const Mat4 view = camera.view();
  // Rows s = (1, 0, 0), u = (0, cos, sin), -F = (0, -sin, cos), then translate(-eye).
  expectMatrix(view, {{0, 0, 1.0f},
                      {1, 1, c},
                      {1, 2, -s},
                      {2, 1, s},
                      {2, 2, c},
                      {3, 1, -100.0f * s},
                      {3, 2, -100.0f * c},
                      {3, 3, 1.0f}});
  expectVec(view * Vec4{0.0f, 0.0f, 100.0f, 1.0f}, 0.0f, 0.0f, 0.0f, 1.0f);
  expectVec(view * Vec4{0.0f, 0.0f, 0.0f, 1.0f}, 0.0f, -1.7452406f, -99.984770f, 1.0f);
}

TEST(Camera, ProjectionAndSlotsAreKept) {
  Camera camera(1.0f, 2.0f, 3.0f);
  camera.updateView(0);
  const Mat4 first = camera.view();
  camera.pitch(30.0f);
  camera.updateView(2);
  EXPECT_NE(camera.view()[1][1], first[1][1]);
  camera.selectView(0);
  expectMatrix(camera.view(), {{0, 0, first[0][0]}, {1, 1, first[1][1]}, {2, 2, first[2][2]},
                               {3, 0, first[3][0]}, {3, 1, first[3][1]}, {3, 2, first[3][2]},
                               {3, 3, 1.0f}});
  // A slot outside the store leaves the current view alone.
  camera.updateView(5);
  camera.selectView(-1);
  EXPECT_FLOAT_EQ(camera.view()[3][0], first[3][0]);

  const Mat4 p = perspective(50.0f, 2.0f, 0.1f, 1000.0f);
  camera.setProjection(p);
  EXPECT_FLOAT_EQ(camera.projection()[0][0], p[0][0]);
}

TEST(ShaderInputs, HoldTimeAndViewport) {
  ShaderInputs inputs(0.0f);
  EXPECT_EQ(inputs.time(), 0.0f);
  inputs.setTime(12.5f);
  inputs.setViewport(152.0f, 112.0f);
  EXPECT_EQ(inputs.time(), 12.5f);
  EXPECT_EQ(inputs.width(), 152.0f);
  EXPECT_EQ(inputs.height(), 112.0f);
}

}  // namespace
