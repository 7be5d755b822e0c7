// Vector records and geometry functions of the mesh model.
#include <cmath>

#include <gtest/gtest.h>

#include "mesh/wavefront.h"

using wavefront::Vector3;

namespace {

constexpr float pi = 3.14159265358979f;
const float nan = std::nanf("");

TEST(Geometry, ProductsAndLength) {
  const Vector3 x(1, 0, 0), y(0, 1, 0);
  EXPECT_EQ(wavefront::crossProduct(x, y), Vector3(0, 0, 1));
  EXPECT_EQ(wavefront::crossProduct(y, x), Vector3(0, 0, -1));
  EXPECT_EQ(wavefront::crossProduct(Vector3(1, 2, 3), Vector3(4, 5, 6)), Vector3(-3, 6, -3));
  EXPECT_EQ(wavefront::dotProduct(x, y), 0.0f);
  EXPECT_EQ(wavefront::dotProduct(Vector3(1, 2, 3), Vector3(4, -5, 6)), 12.0f);
  EXPECT_EQ(wavefront::vectorLength(Vector3(3, 4, 0)), 5.0f);
}

TEST(Geometry, AngleBetween) {
  EXPECT_FLOAT_EQ(wavefront::angleBetween(Vector3(1, 0, 0), Vector3(0, 1, 0)), pi / 2);
  EXPECT_FLOAT_EQ(wavefront::angleBetween(Vector3(1, 0, 0), Vector3(-1, 0, 0)), pi);
  EXPECT_FLOAT_EQ(wavefront::angleBetween(Vector3(2, 0, 0), Vector3(5, 5, 0)), pi / 4);
  EXPECT_TRUE(std::isnan(wavefront::angleBetween(Vector3(), Vector3(0, 1, 0))));
}

TEST(Geometry, VectorArithmetic) {
  EXPECT_EQ(Vector3(1, 2, 3) + Vector3(4, 5, 6), Vector3(5, 7, 9));
  EXPECT_EQ(Vector3(1, 2, 3) - Vector3(4, 6, 8), Vector3(-3, -4, -5));
  EXPECT_EQ(2.0f * Vector3(1, -2, 3), Vector3(2, -4, 6));
}

TEST(Geometry, EqualityIsExact) {
  EXPECT_TRUE(Vector3(0, 0, 0) == Vector3(-0.0f, -0.0f, -0.0f));
  EXPECT_FALSE(Vector3(0, 0, 0) != Vector3(-0.0f, 0, -0.0f));
  EXPECT_FALSE(Vector3(1, 2, 3) == Vector3(1, 2, 3.0000005f));
  EXPECT_TRUE(Vector3(1, 2, 3) != Vector3(1, 2.5f, 3));
  const Vector3 withNan(1, nan, 3);
  EXPECT_FALSE(withNan == withNan);
  EXPECT_TRUE(withNan != withNan);
}

struct PointCase {
  const char* what;
  Vector3 point;
  bool inside;
};

TEST(Geometry, PointInTriangle) {
  const Vector3 t1(0, 0, 0), t2(2, 0, 0), t3(0, 2, 0);
  const PointCase cases[] = {
      {"corner t1", t1, true},
      {"corner t2", t2, true},
      {"corner t3", t3, true},
      {"on an edge", Vector3(1, 0, 0), true},
      {"on the hypotenuse", Vector3(1, 1, 0), true},
      {"inside", Vector3(0.5f, 0.5f, 0), true},
      {"above the plane", Vector3(0.5f, 0.5f, 7), true},
      {"beyond the hypotenuse", Vector3(2, 2, 0), false},
      {"behind t1", Vector3(-1, 0, 0), false},
      {"NaN point", Vector3(nan, 0.5f, 0), false},
  };
  for (const PointCase& c : cases) {
    EXPECT_EQ(wavefront::pointInTriangle(c.point, t1, t2, t3), c.inside) << c.what;
  }
}

TEST(Geometry, DegenerateTriangleContainsNothing) {
  const Vector3 a(0, 0, 0), b(1, 1, 0), c(2, 2, 0);
  for (const Vector3& p : {a, b, c, Vector3(0.5f, 0.5f, 0), Vector3(5, 0, 0)}) {
    EXPECT_FALSE(wavefront::pointInTriangle(p, a, b, c));
  }
}

TEST(Geometry, MeshCopiesAreDeep) {
  wavefront::Vertex vertex;
  vertex.position = Vector3(1, 2, 3);
  wavefront::Mesh source({vertex}, {0, 0, 0});
  source.name = "source";
  source.material.name = "stone";

  wavefront::Mesh copy = source;
  copy.name = "copy";
  copy.material.name = "glass";
  copy.material.diffuse = Vector3(1, 1, 1);
  copy.vertices[0].position = Vector3(9, 9, 9);
  copy.vertices.push_back(vertex);
  copy.indices[1] = 7;

  EXPECT_EQ(source.name, "source");
  EXPECT_EQ(source.material.name, "stone");
  EXPECT_EQ(source.material.diffuse, Vector3());
  ASSERT_EQ(source.vertices.size(), 1u);
  EXPECT_EQ(source.vertices[0].position, Vector3(1, 2, 3));
  EXPECT_EQ(source.indices, (std::vector<std::uint32_t>{0, 0, 0}));
}

TEST(Geometry, MeshFromListsHasNoNameOrMaterial) {
  const wavefront::Mesh mesh({wavefront::Vertex(), wavefront::Vertex()}, {1, 0});
  EXPECT_EQ(mesh.name, "");
  EXPECT_EQ(mesh.vertices.size(), 2u);
  EXPECT_EQ(mesh.indices, (std::vector<std::uint32_t>{1, 0}));
  EXPECT_EQ(mesh.material.name, "");
  EXPECT_EQ(mesh.material.illumination, 0);
}

}  // namespace
