// The MTL reader: materials from an MTL text resource.
#include <sstream>

#include "mesh/mesh_reader.h"
#include "mesh/mesh_text.h"
#include "render/text_resource.h"

namespace wavefront {

namespace {

// A "newmtl" line this short carries no name worth keeping.
constexpr std::size_t shortestNamedMaterialLine = 8;

// Exactly three numbers, or the colour keeps its value.
void readColour(const std::string& tail, Vector3& colour) {
  const std::vector<std::string> pieces = splitOn(tail, " ");
  if (pieces.size() != 3) return;
  float rgb[3];
  for (int i = 0; i < 3; ++i) {
    if (!readFloat(pieces[i], rgb[i])) return;
  }
  colour = Vector3(rgb[0], rgb[1], rgb[2]);
}

void readNumber(const std::string& tail, float& field) {
  float value = 0.0f;
  if (readFloat(tail, value)) field = value;
}

}  // namespace

bool MeshResourceReader::readMaterials(std::uint16_t mtlResourceId) {
  std::istringstream text(TextResource::readAll(mtlResourceId));
  Material material;
  bool materialStarted = false;

  std::string line;
  while (std::getline(text, line)) {
    const std::string token = leadingToken(line);
    const std::string tail = afterLeadingToken(line);
    if (token == "newmtl") {
      if (materialStarted) {
        materials.push_back(material);
        material = Material();
      } else {
        materialStarted = true;
      }
      material.name = line.size() < shortestNamedMaterialLine ? "none" : trimLineBreaks(tail);
    } else if (token == "Ka") {
      readColour(tail, material.ambient);
    } else if (token == "Kd") {
      readColour(tail, material.diffuse);
    } else if (token == "Ks") {
      readColour(tail, material.specular);
    } else if (token == "Ns") {
      readNumber(tail, material.specularExponent);
    } else if (token == "Ni") {
      readNumber(tail, material.opticalDensity);
    } else if (token == "d") {
      readNumber(tail, material.dissolve);
    } else if (token == "illum") {
      std::int32_t illumination = 0;
      if (readInteger(tail, illumination)) material.illumination = illumination;
    } else if (token == "map_Ka") {
      material.ambientMap = tail;
    } else if (token == "map_Kd") {
      material.diffuseMap = tail;
    } else if (token == "map_Ks") {
      material.specularMap = tail;
    } else if (token == "map_Ns") {
      material.specularExponentMap = tail;
    } else if (token == "map_d") {
      material.dissolveMap = tail;
    } else if (token == "map_Bump" || token == "map_bump" || token == "bump") {
      material.bumpMap = tail;
    }
  }

  materials.push_back(material);
  return !materials.empty();
}

}  // namespace wavefront
