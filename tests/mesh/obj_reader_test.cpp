// The OBJ reader over in-memory texts: the stored quad, face forms, how meshes
// are closed and named, materials, progress output and malformed input.
#include <cmath>

#include <gtest/gtest.h>

#include "mesh/mesh_reader.h"
#include "tests/mesh/mesh_fixtures.h"

using wavefront::MeshResourceReader;
using wavefront::Vector2;
using wavefront::Vector3;
using wavefront::Vertex;
using Indices = std::vector<std::uint32_t>;

namespace {

const std::string quadProgress =
    "\r- Plane001\t| vertices > 4\t| texcoords > 4\t| normals > 1\t| triangles > 0";

class ObjReaderTest : public testing::Test {
 protected:
  // Reads obj (and mtl as the material text), keeping the progress output.
  bool read(const std::string& obj, const std::string& mtl = "") {
    setTextResource(meshtest::objId, obj);
    setTextResource(meshtest::mtlId, mtl);
    meshtest::CoutCapture capture;
    const bool result = reader.readObj(meshtest::objId, meshtest::mtlId);
    output = capture.text();
    return result;
  }

  std::vector<std::string> meshNames() const {
    std::vector<std::string> names;
    for (const auto& mesh : reader.meshes) names.push_back(mesh.name);
    return names;
  }

  MeshResourceReader reader;
  std::string output;
};

TEST_F(ObjReaderTest, StoredQuad) {
  meshtest::useStoredTexts();
  meshtest::CoutCapture capture;
  ASSERT_TRUE(reader.readObj(meshtest::objId, meshtest::mtlId));

  ASSERT_EQ(reader.meshes.size(), 1u);
  const wavefront::Mesh& mesh = reader.meshes[0];
  EXPECT_EQ(mesh.name, "Plane001");
  EXPECT_EQ(mesh.material.name, "wire_198225087");
  EXPECT_EQ(mesh.indices, (Indices{0, 1, 2, 3, 4, 5}));
  const Vector3 positions[] = {{-1, 1, 0}, {-1, -1, 0}, {1, 1, 0},
                               {1, -1, 0}, {1, 1, 0},  {-1, -1, 0}};
  const Vector2 texcoords[] = {{0, 1}, {0, 0}, {1, 1}, {1, 0}, {1, 1}, {0, 0}};
  const bool negativeZ[] = {false, true, false, true, false, true};
  ASSERT_EQ(mesh.vertices.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) {
    const Vertex& v = mesh.vertices[i];
    EXPECT_EQ(v.position, positions[i]) << i;
    EXPECT_EQ(std::signbit(v.position.z), negativeZ[i]) << i;
    EXPECT_EQ(v.texcoord.x, texcoords[i].x) << i;
    EXPECT_EQ(v.texcoord.y, texcoords[i].y) << i;
    EXPECT_EQ(v.normal, Vector3(0, 0, 1)) << i;
    EXPECT_TRUE(std::signbit(v.normal.y)) << i;
  }
  ASSERT_EQ(reader.vertices.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(reader.vertices[i].position, positions[i]);
  EXPECT_EQ(reader.indices, mesh.indices);
}

TEST_F(ObjReaderTest, StoredQuadProgressOutput) {
  meshtest::useStoredTexts();
  meshtest::CoutCapture capture;
  reader.readObj(meshtest::objId, meshtest::mtlId);
  EXPECT_EQ(capture.text(), "\n" + quadProgress + "\n" + quadProgress + quadProgress +
                                "\t| material: wire_198225087" + "\n");
}

TEST_F(ObjReaderTest, ProgressEveryThousandthLine) {
  std::string obj = "o big\nv 0 0 0\n";
  for (int i = 0; i < 2500; ++i) obj += "# filler\n";
  read(obj);
  const std::string line =
      "\r- big\t| vertices > 0\t| texcoords > 0\t| normals > 0\t| triangles > 0";
  const std::string later =
      "\r- big\t| vertices > 1\t| texcoords > 0\t| normals > 0\t| triangles > 0";
  // Lines 1, 1001 and 2001 after the mesh start.
  EXPECT_EQ(output, "\n" + line + later + later + "\n");
}

struct FaceCase {
  const char* what;
  const char* face;
  std::vector<Vertex> expected;
};

Vertex vertex(Vector3 position, Vector3 normal, Vector2 texcoord = {}) {
  Vertex v;
  v.position = position;
  v.normal = normal;
  v.texcoord = texcoord;
  return v;
}

TEST_F(ObjReaderTest, FaceForms) {
  const std::string declarations = meshtest::lines(
      {"v 0 0 0", "v 2 0 0", "v 0 3 0", "v 5 5 5", "vt 0.5 0.25 9", "vt 1 1", "vt 0 1",
       "vn 0 0 1", "vn 1 0 0"});
  // Generated normal of corners 1, 2, 3: (p1 - p2) x (p3 - p2), unnormalised.
  const Vector3 generated = wavefront::crossProduct(Vector3(-2, 0, 0), Vector3(-2, 3, 0));
  const Vector3 fromTheEnd = wavefront::crossProduct(Vector3(2, -3, 0), Vector3(5, 2, 5));
  const FaceCase cases[] = {
      {"positions only", "f 1 2 3",
       {vertex({0, 0, 0}, generated), vertex({2, 0, 0}, generated),
        vertex({0, 3, 0}, generated)}},
      {"negative indices count from the end", "f -3 -2 -1",
       {vertex({2, 0, 0}, fromTheEnd), vertex({0, 3, 0}, fromTheEnd),
        vertex({5, 5, 5}, fromTheEnd)}},
      {"position and normal", "f 1//2 2//2 3//1",
       {vertex({0, 0, 0}, {1, 0, 0}), vertex({2, 0, 0}, {1, 0, 0}),
        vertex({0, 3, 0}, {0, 0, 1})}},
      {"position and texcoord", "f 1/1 2/2 3/3",
       {vertex({0, 0, 0}, generated, {0.5f, 0.25f}), vertex({2, 0, 0}, generated, {1, 1}),
        vertex({0, 3, 0}, generated, {0, 1})}},
      {"all three", "f 1/3/2 2/2/2 3/1/2",
       {vertex({0, 0, 0}, {1, 0, 0}, {0, 1}), vertex({2, 0, 0}, {1, 0, 0}, {1, 1}),
        vertex({0, 3, 0}, {1, 0, 0}, {0.5f, 0.25f})}},
      {"one corner without a normal replaces the given ones", "f 1/1/2 2/2/2 3",
       {vertex({0, 0, 0}, generated, {0.5f, 0.25f}), vertex({2, 0, 0}, generated, {1, 1}),
        vertex({0, 3, 0}, generated)}},
      {"trailing slash", "f 1/1/ 2/2/ 3/3/",
       {vertex({0, 0, 0}, generated, {0.5f, 0.25f}), vertex({2, 0, 0}, generated, {1, 1}),
        vertex({0, 3, 0}, generated, {0, 1})}},
  };
  for (const FaceCase& c : cases) {
    ASSERT_TRUE(read(declarations + c.face + "\n")) << c.what;
    ASSERT_EQ(reader.vertices.size(), c.expected.size()) << c.what;
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
      const Vertex& got = reader.vertices[i];
      EXPECT_EQ(got.position, c.expected[i].position) << c.what << ", corner " << i;
      EXPECT_EQ(got.normal, c.expected[i].normal) << c.what << ", corner " << i;
      EXPECT_EQ(got.texcoord.x, c.expected[i].texcoord.x) << c.what << ", corner " << i;
      EXPECT_EQ(got.texcoord.y, c.expected[i].texcoord.y) << c.what << ", corner " << i;
    }
    EXPECT_EQ(reader.indices, (Indices{0, 1, 2})) << c.what;
  }
}

TEST_F(ObjReaderTest, QuadFaceIsTriangulatedIntoMeshAndReaderIndices) {
  ASSERT_TRUE(read(meshtest::lines({"v 0 0 0", "v 1 0 0", "v 1 1 0", "v 0 1 0", "o first",
                                    "f 1 2 3", "o second", "f 1 2 3 4"})));
  ASSERT_EQ(reader.meshes.size(), 2u);
  EXPECT_EQ(reader.meshes[1].indices, (Indices{0, 1, 3, 1, 2, 3}));
  EXPECT_EQ(reader.indices, (Indices{0, 1, 2, 3, 4, 6, 4, 5, 6}));
  EXPECT_EQ(reader.vertices.size(), 7u);
}

struct MeshCase {
  const char* what;
  std::vector<const char*> body;
  std::vector<std::string> names;
};

TEST_F(ObjReaderTest, HowMeshesAreClosedAndNamed) {
  const MeshCase cases[] = {
      {"two o lines without faces: the second name wins", {"o a", "o b", "f 1 2 3"}, {"b"}},
      {"faces before the first o join the first named mesh",
       {"f 1 2 3", "o a", "f 1 2 3", "o b", "f 1 2 3"}, {"a", "b"}},
      {"no o or g line: one unnamed mesh", {"f 1 2 3", "f 1 2 3"}, {""}},
      {"g and o alike", {"g a", "f 1 2 3", "o b", "f 1 2 3", "g c", "f 1 2 3"}, {"a", "b", "c"}},
      {"gear 5 starts an unnamed mesh", {"gear 5", "f 1 2 3"}, {"unnamed"}},
      {"gear 5 after faces names the next mesh 5", {"o a", "f 1 2 3", "gear 5", "f 1 2 3"},
       {"a", "5"}},
      {"usemtl in the middle splits a mesh",
       {"o a", "usemtl m1", "f 1 2 3", "usemtl m2", "f 1 2 3"}, {"a_2", "a"}},
      {"a second split counts the number up",
       {"o a", "f 1 2 3", "usemtl m1", "f 1 2 3", "usemtl m2", "f 1 2 3"}, {"a_2", "a_3", "a"}},
      {"comment, smoothing and line records have no effect",
       {"o a", "# o b", "s 1", "l 1 2", "f 1 2 3"}, {"a"}},
      {"a mesh without triangles is not closed", {"o a", "f 1//1 2//1", "o b", "f 1 2 3"},
       {"b"}},
  };
  const std::string declarations = meshtest::lines({"v 0 0 0", "v 1 0 0", "v 0 1 0", "vn 0 0 1"});
  for (const MeshCase& c : cases) {
    std::string obj = declarations;
    for (const char* line : c.body) obj += std::string(line) + "\n";
    ASSERT_TRUE(read(obj)) << c.what;
    EXPECT_EQ(meshNames(), c.names) << c.what;
  }
}

TEST_F(ObjReaderTest, FacesUseDeclarationsOfEarlierMeshes) {
  ASSERT_TRUE(read(meshtest::lines(
      {"o a", "v 0 0 0", "v 1 0 0", "v 0 1 0", "f 1 2 3", "o b", "v 5 5 5", "f 1 -1 2"})));
  ASSERT_EQ(reader.meshes.size(), 2u);
  EXPECT_EQ(reader.meshes[1].vertices[1].position, Vector3(5, 5, 5));
  EXPECT_EQ(reader.meshes[1].indices, (Indices{0, 1, 2}));
}

TEST_F(ObjReaderTest, UnnamedMeshWritesNoProgressLine) {
  ASSERT_TRUE(read(meshtest::lines({"v 0 0 0", "v 1 0 0", "v 0 1 0", "f 1 2 3"})));
  EXPECT_EQ(output, "\n");
}

TEST_F(ObjReaderTest, EachMeshGetsItsOwnMaterial) {
  const std::string mtl = meshtest::lines({"newmtl red", "Kd 1 0 0", "newmtl blue", "Kd 0 0 1"});
  ASSERT_TRUE(read(meshtest::lines({"mtllib any.mtl", "v 0 0 0", "v 1 0 0", "v 0 1 0", "o a",
                                    "usemtl blue", "f 1 2 3", "o b", "usemtl red", "f 1 2 3",
                                    "o c", "usemtl missing", "f 1 2 3"}),
                   mtl));
  ASSERT_EQ(reader.meshes.size(), 3u);
  EXPECT_EQ(reader.meshes[0].material.name, "blue");
  EXPECT_EQ(reader.meshes[0].material.diffuse, Vector3(0, 0, 1));
  EXPECT_EQ(reader.meshes[1].material.name, "red");
  EXPECT_EQ(reader.meshes[2].material.name, "");  // no such material: the default stays
  EXPECT_EQ(reader.materials.size(), 2u);
}

TEST_F(ObjReaderTest, CrLfNamesMatchTheirMaterials) {
  ASSERT_TRUE(read(meshtest::lines({"mtllib x", "v 0 0 0", "v 1 0 0", "v 0 1 0", "o a",
                                    "usemtl stone", "f 1 2 3"},
                                   "\r\n"),
                   "newmtl stone\r\nNs 7\r\n"));
  ASSERT_EQ(reader.meshes.size(), 1u);
  EXPECT_EQ(reader.meshes[0].material.specularExponent, 7.0f);
}

TEST_F(ObjReaderTest, TwoMtllibLinesReadTheMaterialsTwice) {
  ASSERT_TRUE(read(meshtest::lines({"mtllib a.mtl", "mtllib b.mtl", "v 0 0 0", "v 1 0 0",
                                    "v 0 1 0", "usemtl m", "f 1 2 3"}),
                   meshtest::lines({"newmtl m", "Ns 3"})));
  ASSERT_EQ(reader.materials.size(), 2u);
  EXPECT_EQ(reader.materials[1].name, "m");
  EXPECT_EQ(reader.meshes[0].material.specularExponent, 3.0f);
}

TEST_F(ObjReaderTest, MoreMaterialNamesThanMeshesAreSkipped) {
  ASSERT_TRUE(read(meshtest::lines({"mtllib x", "v 0 0 0", "v 1 0 0", "v 0 1 0", "o a",
                                    "usemtl m", "f 1 2 3", "usemtl m", "usemtl m"}),
                   "newmtl m\n"));
  ASSERT_EQ(reader.meshes.size(), 1u);
  EXPECT_EQ(reader.meshes[0].material.name, "m");
}

TEST_F(ObjReaderTest, NothingToDrawIsFalse) {
  EXPECT_FALSE(read(""));
  EXPECT_EQ(output, "\n");
  EXPECT_FALSE(read(meshtest::lines({"mtllib x", "o a", "v 0 0 0", "# no faces"}),
                    "newmtl m\n"));
  EXPECT_EQ(reader.materials.size(), 1u);
  removeTextResource(meshtest::objId);
  meshtest::CoutCapture capture;
  EXPECT_FALSE(reader.readObj(meshtest::objId, meshtest::mtlId));
}

TEST_F(ObjReaderTest, SecondReadStartsAfreshButKeepsMaterials) {
  const std::string obj =
      meshtest::lines({"mtllib x", "v 0 0 0", "v 1 0 0", "v 0 1 0", "f 1 2 3"});
  ASSERT_TRUE(read(obj, "newmtl m\n"));
  ASSERT_TRUE(read(obj, "newmtl m\n"));
  EXPECT_EQ(reader.meshes.size(), 1u);
  EXPECT_EQ(reader.vertices.size(), 3u);
  EXPECT_EQ(reader.indices.size(), 3u);
  EXPECT_EQ(reader.materials.size(), 2u);
}

// Input that cannot be trusted fails the whole read, whatever was read before it.
TEST_F(ObjReaderTest, MalformedInputFailsTheRead) {
  const char* cases[] = {
      "v 1 x 3",      "v 1 2",          "v 1e99 0 0",  "v 1\t2\t3",    "v 1  2 3",
      "vt 0.5",       "vt x 1",         "vn 0 1",      "vn 0 1 z",     "f 0 1 2",
      "f 1 2 9",      "f 1 2 -9",       "f 1 2 x",     "f 1  2 3",     "f 1/1/1/1 2 3",
      "f 1/9 2/1 3/1", "f 1//9 2//1 3//1", "f 1 2",        "f 1",
      "f 1/1 2/1",    "f 99999999999 1 2",
  };
  const std::string good = meshtest::lines(
      {"v 0 0 0", "v 1 0 0", "v 0 1 0", "vt 0 0", "vn 0 0 1", "o a", "f 1 2 3"});
  for (const char* line : cases) {
    EXPECT_FALSE(read(good + line + "\nf 1 2 3\n")) << line;
    EXPECT_TRUE(reader.meshes.empty()) << line;
    EXPECT_TRUE(reader.vertices.empty()) << line;
    EXPECT_TRUE(reader.indices.empty()) << line;
    EXPECT_EQ(output.back(), '\n') << line;
  }
}

TEST_F(ObjReaderTest, FacesOfOneOrTwoCornersWithNormalsAddNoTriangles) {
  ASSERT_TRUE(read(meshtest::lines(
      {"v 0 0 0", "v 1 0 0", "v 0 1 0", "vn 0 0 1", "o a", "f 1//1", "f 1//1 2//1", "f 1 2 3"})));
  ASSERT_EQ(reader.meshes.size(), 1u);
  EXPECT_EQ(reader.meshes[0].vertices.size(), 6u);
  EXPECT_EQ(reader.meshes[0].indices, (Indices{3, 4, 5}));
}

}  // namespace
