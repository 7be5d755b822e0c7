// The MTL reader over in-memory material texts.
#include <gtest/gtest.h>

#include "mesh/mesh_reader.h"
#include "tests/mesh/mesh_fixtures.h"

using wavefront::Material;
using wavefront::MeshResourceReader;
using wavefront::Vector3;

namespace {

std::vector<Material> readMaterialText(const std::string& text) {
  setTextResource(meshtest::mtlId, text);
  MeshResourceReader reader;
  EXPECT_TRUE(reader.readMaterials(meshtest::mtlId));
  return reader.materials;
}

TEST(MtlReader, StoredMaterial) {
  meshtest::useStoredTexts();
  MeshResourceReader reader;
  ASSERT_TRUE(reader.readMaterials(meshtest::mtlId));
  ASSERT_EQ(reader.materials.size(), 1u);
  const Material& m = reader.materials[0];
  EXPECT_EQ(m.name, "wire_198225087");
  EXPECT_EQ(m.ambient, Vector3(0.7765f, 0.8824f, 0.3412f));
  EXPECT_EQ(m.diffuse, Vector3(0.7765f, 0.8824f, 0.3412f));
  EXPECT_EQ(m.specular, Vector3(0.35f, 0.35f, 0.35f));
  EXPECT_EQ(m.specularExponent, 32.0f);
  EXPECT_EQ(m.opticalDensity, 0.0f);
  EXPECT_EQ(m.dissolve, 1.0f);
  EXPECT_EQ(m.illumination, 2);
  for (const std::string* map : {&m.ambientMap, &m.diffuseMap, &m.specularMap,
                                 &m.specularExponentMap, &m.dissolveMap, &m.bumpMap}) {
    EXPECT_EQ(*map, "");
  }
}

TEST(MtlReader, MaterialNames) {
  const std::pair<std::string, std::string> cases[] = {
      {"newmtl\n", "none"},
      {"newmtl \n", "none"},
      {"newmtl a\n", "a"},
      {"newmtl stone\r\n", "stone"},
      {"  newmtl  two words \r\n", "two words "},  // only line breaks are cut
      {"newmtl\r\n", ""},  // "newmtl\r" is no keyword: no material starts
  };
  for (const auto& c : cases) {
    const std::vector<Material> materials = readMaterialText(c.first);
    ASSERT_EQ(materials.size(), 1u) << c.first;
    EXPECT_EQ(materials[0].name, c.second) << c.first;
  }
}

TEST(MtlReader, ColourNeedsExactlyThreeNumbers) {
  const std::pair<std::string, Vector3> cases[] = {
      {"Ka 0.1 0.2 0.3\r\n", {0.1f, 0.2f, 0.3f}},
      {"Ka\t0.1 0.2 0.3  \n", {0.1f, 0.2f, 0.3f}},  // trailing blanks are not part of the tail
      {"Ka 0.1 0.2 0.3 0.4\r\n", {}},
      {"Ka 0.1 0.2 0.3 \r\n", {}},  // blank before the carriage return: a fourth piece
      {"Ka 0.1 0.2\r\n", {}},
      {"Ka 0.1  0.2 0.3\r\n", {}},
      {"Ka 0.1 x 0.3\r\n", {}},    // malformed: the line changes nothing
      {"Ka 0.1 1e99 0.3\r\n", {}},
  };
  for (const auto& c : cases) {
    const std::vector<Material> materials = readMaterialText(c.first);
    ASSERT_EQ(materials.size(), 1u);
    EXPECT_EQ(materials[0].ambient, c.second) << c.first;
  }
}

TEST(MtlReader, MalformedValuesKeepTheirFields) {
  const std::vector<Material> materials = readMaterialText(meshtest::lines(
      {"newmtl m", "Ns 8", "Ni 1.5", "d 0.5", "illum 3", "Kd 1 1 1",
       "Ns abc", "Ni \r", "d 1e99", "illum x", "illum 99999999999", "Kd 1 - 1"},
      "\r\n"));
  ASSERT_EQ(materials.size(), 1u);
  EXPECT_EQ(materials[0].specularExponent, 8.0f);
  EXPECT_EQ(materials[0].opticalDensity, 1.5f);
  EXPECT_EQ(materials[0].dissolve, 0.5f);
  EXPECT_EQ(materials[0].illumination, 3);
  EXPECT_EQ(materials[0].diffuse, Vector3(1, 1, 1));
}

TEST(MtlReader, MapsKeepTheirTail) {
  const std::vector<Material> materials = readMaterialText(meshtest::lines(
      {"map_Ka a.png", "map_Kd b c.png", "map_Ks s.png", "map_Ns n.png", "map_d d.png",
       "map_bump b1.png", "bump b2.png"},
      "\r\n"));
  ASSERT_EQ(materials.size(), 1u);
  const Material& m = materials[0];
  EXPECT_EQ(m.ambientMap, "a.png\r");
  EXPECT_EQ(m.diffuseMap, "b c.png\r");
  EXPECT_EQ(m.specularMap, "s.png\r");
  EXPECT_EQ(m.specularExponentMap, "n.png\r");
  EXPECT_EQ(m.dissolveMap, "d.png\r");
  EXPECT_EQ(m.bumpMap, "b2.png\r");
  EXPECT_EQ(readMaterialText("map_Bump up.png\n")[0].bumpMap, "up.png");
}

TEST(MtlReader, OneMaterialPerNewmtl) {
  const std::vector<Material> materials = readMaterialText(meshtest::lines(
      {"Ns 5", "newmtl first", "Ks 1 2 3", "illum 1", "newmtl second", "Kd 4 5 6"}));
  ASSERT_EQ(materials.size(), 2u);
  EXPECT_EQ(materials[0].name, "first");
  EXPECT_EQ(materials[0].specularExponent, 5.0f);  // values before the first newmtl
  EXPECT_EQ(materials[0].specular, Vector3(1, 2, 3));
  EXPECT_EQ(materials[1].name, "second");
  EXPECT_EQ(materials[1].specular, Vector3());  // not inherited from the first
  EXPECT_EQ(materials[1].illumination, 0);
  EXPECT_EQ(materials[1].diffuse, Vector3(4, 5, 6));
}

TEST(MtlReader, TextWithoutNewmtlGivesOneUnnamedMaterial) {
  for (const std::string text : {"", "# only a comment\r\n", "Kd 1 1 1\n"}) {
    const std::vector<Material> materials = readMaterialText(text);
    ASSERT_EQ(materials.size(), 1u) << text;
    EXPECT_EQ(materials[0].name, "") << text;
  }
  removeTextResource(meshtest::mtlId);
  MeshResourceReader reader;
  EXPECT_TRUE(reader.readMaterials(meshtest::mtlId));
  EXPECT_EQ(reader.materials.size(), 1u);
}

TEST(MtlReader, ReadingTwiceAppendsAgain) {
  setTextResource(meshtest::mtlId, meshtest::lines({"newmtl a", "newmtl b"}));
  MeshResourceReader reader;
  reader.readMaterials(meshtest::mtlId);
  reader.readMaterials(meshtest::mtlId);
  ASSERT_EQ(reader.materials.size(), 4u);
  EXPECT_EQ(reader.materials[0].name, "a");
  EXPECT_EQ(reader.materials[1].name, "b");
  EXPECT_EQ(reader.materials[2].name, "a");
  EXPECT_EQ(reader.materials[3].name, "b");
}

}  // namespace
