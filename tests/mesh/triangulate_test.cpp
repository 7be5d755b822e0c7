// Ear clipping of polygon faces.
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "mesh/mesh_reader.h"

using wavefront::Vector3;
using wavefront::Vertex;
using Indices = std::vector<std::uint32_t>;

namespace {

std::vector<Vertex> polygon(const std::vector<Vector3>& positions) {
  std::vector<Vertex> corners;
  for (const Vector3& p : positions) {
    Vertex corner;
    corner.position = p;
    corners.push_back(corner);
  }
  return corners;
}

struct PolygonCase {
  const char* what;
  std::vector<Vector3> positions;
  Indices expected;
};

TEST(Triangulate, Polygons) {
  const PolygonCase cases[] = {
      {"no corners", {}, {}},
      {"two corners", {{0, 0, 0}, {1, 0, 0}}, {}},
      {"triangle, taken as it is", {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {0, 1, 2}},
      {"quad", {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {0, 1, 3, 1, 2, 3}},
      {"quad cut without a test (bow tie)", {{0, 0, 0}, {1, 1, 0}, {1, 0, 0}, {0, 1, 0}},
       {0, 1, 3, 1, 2, 3}},
      {"convex pentagon",
       {{0, 0, 0}, {2, 0, 0}, {3, 1.5f, 0}, {1, 3, 0}, {-1, 1.5f, 0}},
       {0, 1, 4, 1, 2, 4, 2, 3, 4}},
      // Corner 0's triangle (4, 0, 1) holds corner 2, so the first ear is corner 1.
      {"concave pentagon (arrow)",
       {{0, 0, 0}, {4, 0, 0}, {1, 1, 0}, {4, 2, 0}, {0, 2, 0}},
       {0, 1, 2, 0, 2, 4, 2, 3, 4}},
      // After the ear at corner 0, corner 1's triangle (5, 1, 2) holds the
      // notch corner 3, so the next ear is corner 2.
      {"concave hexagon (notch at the top)",
       {{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {2, 1, 0}, {0, 4, 0}, {-1, 2, 0}},
       {0, 1, 5, 1, 2, 3, 1, 3, 5, 3, 4, 5}},
      // Corner 0 lies straight between corners 4 and 1: taken as an ear it
      // would give the flat triangle 0, 1, 4.
      {"collinear corner is never an ear",
       {{1, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}, {0, 0, 0}},
       {0, 1, 2, 0, 2, 4, 2, 3, 4}},
  };
  const wavefront::MeshResourceReader reader;
  for (const PolygonCase& c : cases) {
    EXPECT_EQ(reader.triangulatePolygon(polygon(c.positions)), c.expected) << c.what;
  }
}

TEST(Triangulate, CornersAreLeftUnchanged) {
  const std::vector<Vertex> corners =
      polygon({{0, 0, 0}, {2, 0, 0}, {3, 1.5f, 0}, {1, 3, 0}, {-1, 1.5f, 0}});
  const std::vector<Vertex> copy = corners;
  wavefront::MeshResourceReader().triangulatePolygon(corners);
  for (std::size_t i = 0; i < corners.size(); ++i) EXPECT_EQ(corners[i].position, copy[i].position);
}

TEST(Triangulate, RepeatedPositionsGiveEveryMatchingCorner) {
  // Corners 0 and 4 share a position: every triangle that uses it lists both.
  const Indices indices = wavefront::MeshResourceReader().triangulatePolygon(
      polygon({{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}, {0, 0, 0}}));
  EXPECT_FALSE(indices.empty());
  EXPECT_NE(indices.size() % 3, 0u);
  for (std::uint32_t index : indices) EXPECT_LT(index, 5u);
}

TEST(Triangulate, NoEarAtAllGivesNoTriangles) {
  // Five corners on one line: every angle is 0 or 180 degrees.
  const Indices indices = wavefront::MeshResourceReader().triangulatePolygon(
      polygon({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}}));
  EXPECT_TRUE(indices.empty());
}

TEST(Triangulate, StuckAfterSomeEarsEndsAndKeepsThem) {
  // The tip (corner 0) is an ear; the five corners left all lie on one line,
  // where every angle is 0 or 180 degrees, so no pass can find another ear.
  const Indices indices = wavefront::MeshResourceReader().triangulatePolygon(polygon(
      {{0.5f, 1, 0}, {0, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}, {1, 0, 0}}));
  EXPECT_EQ(indices, (Indices{0, 1, 5}));
}

TEST(Triangulate, NanCornerEnds) {
  // A NaN position equals no corner, not even its own; clipping it must
  // still use it up instead of finding the same ear for ever.
  const float nan = std::nanf("");
  const Indices indices = wavefront::MeshResourceReader().triangulatePolygon(
      polygon({{nan, 0, 0}, {2, 0, 0}, {3, 1.5f, 0}, {1, 3, 0}, {-1, 1.5f, 0}}));
  // The NaN corner's triangle lists only its neighbours; the four corners
  // left give two whole triangles.
  EXPECT_EQ(indices, (Indices{1, 4, 1, 2, 4, 2, 3, 4}));
}

}  // namespace
