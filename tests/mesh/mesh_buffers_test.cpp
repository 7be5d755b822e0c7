// Mesh import: the reader's meshes as flat per-vertex arrays with tangents.
#include <cmath>

#include <gtest/gtest.h>

#include "mesh/mesh_buffers.h"
#include "tests/mesh/mesh_fixtures.h"

namespace {

struct Triple {
  float x, y, z;
};

void expectTriple(const float* array, int k, Triple expected, const char* what) {
  EXPECT_EQ(array[3 * k], expected.x) << what << " of vertex " << k;
  EXPECT_EQ(array[3 * k + 1], expected.y) << what << " of vertex " << k;
  EXPECT_EQ(array[3 * k + 2], expected.z) << what << " of vertex " << k;
}

std::unique_ptr<MeshBuffers> import(const std::string& obj, const std::string& mtl, float scale) {
  setTextResource(meshtest::objId, obj);
  setTextResource(meshtest::mtlId, mtl);
  meshtest::CoutCapture quiet;
  return std::make_unique<MeshBuffers>(meshtest::objId, meshtest::mtlId, scale);
}

std::unique_ptr<MeshBuffers> importStored(float scale) {
  return import(meshtest::storedText("sky.obj"), meshtest::storedText("sky.mtl"), scale);
}

TEST(MeshBuffers, StoredQuad) {
  const auto buffers = importStored(1.0f);
  ASSERT_EQ(buffers->vertexCount, 6);
  ASSERT_EQ(buffers->indexCount, 6);
  EXPECT_EQ(buffers->scale, 1.0f);
  const Triple positions[] = {{-1, 1, 0}, {-1, -1, -0.0f}, {1, 1, 0},
                              {1, -1, -0.0f}, {1, 1, 0},    {-1, -1, -0.0f}};
  const float texcoords[][2] = {{0, 1}, {0, 0}, {1, 1}, {1, 0}, {1, 1}, {0, 0}};
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(buffers->indices[k], static_cast<std::uint32_t>(k));
    expectTriple(buffers->positions, k, positions[k], "position");
    EXPECT_EQ(std::signbit(buffers->positions[3 * k + 2]), k % 2 == 1) << k;
    EXPECT_EQ(buffers->texcoords[2 * k], texcoords[k][0]) << k;
    EXPECT_EQ(buffers->texcoords[2 * k + 1], texcoords[k][1]) << k;
    expectTriple(buffers->normals, k, {0, -0.0f, 1}, "normal");
    expectTriple(buffers->tangents, k, {1, 0, 0}, "tangent");
    expectTriple(buffers->bitangents, k, {0, 1, 0}, "bitangent");
    expectTriple(buffers->ambientColors, k, {0.7765f, 0.8824f, 0.3412f}, "ambient");
    expectTriple(buffers->diffuseColors, k, {0.7765f, 0.8824f, 0.3412f}, "diffuse");
    EXPECT_EQ(buffers->specularColors[4 * k], 0.35f);
    EXPECT_EQ(buffers->specularColors[4 * k + 1], 0.35f);
    EXPECT_EQ(buffers->specularColors[4 * k + 2], 0.35f);
    EXPECT_EQ(buffers->specularColors[4 * k + 3], 32.0f);
  }
}

TEST(MeshBuffers, ScaleMovesPositionsOnly) {
  const auto single = importStored(1.0f);
  const auto doubled = importStored(2.0f);
  EXPECT_EQ(doubled->scale, 2.0f);
  for (int i = 0; i < 18; ++i) {
    EXPECT_EQ(doubled->positions[i], 2.0f * single->positions[i]) << i;
    EXPECT_EQ(doubled->normals[i], single->normals[i]) << i;
    EXPECT_EQ(doubled->tangents[i], single->tangents[i]) << i;
    EXPECT_EQ(doubled->bitangents[i], single->bitangents[i]) << i;
  }
}

TEST(MeshBuffers, MeshesAreLaidOutOneAfterTheOther) {
  const auto buffers = import(
      meshtest::lines({"mtllib x", "v 0 0 0", "v 3 0 0", "v 0 4 0", "vt 0 0", "vt 1 0",
                       "vt 0 1", "vn 0 0 2", "o a", "usemtl red", "f 1/1/1 2/2/1 3/3/1", "o b",
                       "usemtl blue", "f 1/1/1 2/2/1 3/3/1", "o c", "usemtl missing",
                       "f 1/1/1 2/2/1 3/3/1"}),
      meshtest::lines({"newmtl red", "Ka 1 0 0", "Kd 0.5 0 0", "Ks 0.1 0.1 0.1", "Ns 8",
                       "newmtl blue", "Ka 0 0 1", "Kd 0 0 0.5", "Ks 0.2 0.2 0.2", "Ns 16"}),
      1.0f);
  ASSERT_EQ(buffers->vertexCount, 9);
  ASSERT_EQ(buffers->indexCount, 9);
  for (int k = 0; k < 9; ++k) EXPECT_EQ(buffers->indices[k], static_cast<std::uint32_t>(k));
  for (int k = 0; k < 9; ++k) {
    expectTriple(buffers->normals, k, {0, 0, 1}, "normal");
    expectTriple(buffers->tangents, k, {1, 0, 0}, "tangent");
    expectTriple(buffers->bitangents, k, {0, 1, 0}, "bitangent");
  }
  expectTriple(buffers->ambientColors, 1, {1, 0, 0}, "ambient");
  expectTriple(buffers->ambientColors, 4, {0, 0, 1}, "ambient");
  expectTriple(buffers->diffuseColors, 5, {0, 0, 0.5f}, "diffuse");
  EXPECT_EQ(buffers->specularColors[4 * 2 + 3], 8.0f);
  EXPECT_EQ(buffers->specularColors[4 * 3 + 0], 0.2f);
  EXPECT_EQ(buffers->specularColors[4 * 3 + 3], 16.0f);
  for (int k = 6; k < 9; ++k) {  // material not found: zeros
    expectTriple(buffers->ambientColors, k, {0, 0, 0}, "ambient");
    expectTriple(buffers->diffuseColors, k, {0, 0, 0}, "diffuse");
    for (int i = 0; i < 4; ++i) EXPECT_EQ(buffers->specularColors[4 * k + i], 0.0f);
  }
}

TEST(MeshBuffers, VerticesWithoutTriangleKeepZeroTangents) {
  const auto buffers = import(meshtest::lines({"v 0 0 0", "v 1 0 0", "v 0 1 0", "vt 0 0",
                                               "vt 1 0", "vt 0 1", "vn 0 0 1", "f 1//1 2//1",
                                               "f 1/1/1 2/2/1 3/3/1"}),
                              "", 1.0f);
  ASSERT_EQ(buffers->vertexCount, 5);
  ASSERT_EQ(buffers->indexCount, 3);
  for (int k = 0; k < 2; ++k) {
    expectTriple(buffers->tangents, k, {0, 0, 0}, "tangent");
    expectTriple(buffers->bitangents, k, {0, 0, 0}, "bitangent");
  }
  expectTriple(buffers->tangents, 2, {1, 0, 0}, "tangent");
}

TEST(MeshBuffers, IncompleteLastTriangleIsNotReadPastTheEnd) {
  // Corners 0 and 4 share a position, so the face's index list is no whole
  // number of triples; AddressSanitizer reports any read past the end.
  const auto buffers = import(
      meshtest::lines({"v 0 0 0", "v 2 0 0", "v 2 2 0", "v 0 2 0", "f 1 2 3 4 1"}), "", 1.0f);
  ASSERT_EQ(buffers->vertexCount, 5);
  ASSERT_NE(buffers->indexCount % 3, 0);
  for (int i = 0; i < buffers->indexCount; ++i) EXPECT_LT(buffers->indices[i], 5u);
}

TEST(MeshBuffersDeathTest, UnreadableMeshEndsWithMessage) {
  const char* cases[] = {"", "# nothing but a comment\n", "v 0 0 0\nv 1 0 0\n",
                         "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 x\n"};
  for (const char* obj : cases) {
    setTextResource(meshtest::objId, obj);
    setTextResource(meshtest::mtlId, "");
    EXPECT_EXIT(MeshBuffers(meshtest::objId, meshtest::mtlId, 1.0f),
                testing::ExitedWithCode(0), "Debug: Failed to load mesh")
        << obj;
  }
}

}  // namespace
