// The OBJ reader: meshes, vertices and triangle indices from an OBJ text
// resource, with progress lines on standard output.
#include <cstddef>
#include <iostream>
#include <sstream>

#include "mesh/mesh_reader.h"
#include "mesh/mesh_text.h"
#include "render/text_resource.h"

namespace wavefront {

namespace {

// Progress lines are written for the first line after a mesh start or a
// "usemtl" line, and then for every 1000th line.
constexpr std::uint32_t progressInterval = 1000;

enum class CornerForm { Position, PositionTexcoord, PositionNormal, PositionTexcoordNormal };

bool classifyCorner(const std::vector<std::string>& parts, CornerForm& form) {
  switch (parts.size()) {
    case 1: form = CornerForm::Position; return true;
    case 2: form = CornerForm::PositionTexcoord; return true;
    case 3:
      form = parts[1].empty() ? CornerForm::PositionNormal : CornerForm::PositionTexcoordNormal;
      return true;
    default: return false;  // an empty token, or more than three parts
  }
}

// x, y and (when wanted) z from the first pieces of a "v", "vt" or "vn" tail.
bool readComponents(const std::string& tail, std::size_t count, float (&values)[3]) {
  const std::vector<std::string> pieces = splitOn(tail, " ");
  if (pieces.size() < count) return false;
  for (std::size_t i = 0; i < count; ++i) {
    if (!readFloat(pieces[i], values[i])) return false;
  }
  return true;
}

void removeCarriageReturns(std::string& line) {
  // A carriage return takes the character after it along (at the end of the
  // line there is none).
  for (std::size_t at = line.find('\r'); at != std::string::npos; at = line.find('\r', at)) {
    line.erase(at, 2);
  }
}

// Counts before the line being read; the material part names the latest "usemtl".
void writeProgressLine(const std::string& name, std::size_t positions, std::size_t texcoords,
                       std::size_t normals, std::size_t currentVertices,
                       const std::vector<std::string>& materialNames) {
  std::cout << "\r- " << name << "\t| vertices > " << positions << "\t| texcoords > "
            << texcoords << "\t| normals > " << normals << "\t| triangles > "
            << currentVertices / 3;
  if (!materialNames.empty()) std::cout << "\t| material: " << materialNames.back();
}

bool hasMeshNamed(const std::vector<Mesh>& meshes, const std::string& name) {
  for (const Mesh& mesh : meshes) {
    if (mesh.name == name) return true;
  }
  return false;
}

// The name of the part of a mesh that a "usemtl" line closes: the mesh's name
// with "_2", counted up while a mesh of that name already exists.
std::string splitMeshName(const std::vector<Mesh>& meshes, const std::string& name) {
  for (unsigned number = 2;; ++number) {
    std::string candidate = name + "_" + std::to_string(number);
    if (!hasMeshNamed(meshes, candidate)) return candidate;
  }
}

}  // namespace

bool MeshResourceReader::buildFaceVertices(const std::string& line,
                                           const std::vector<Vector3>& positions,
                                           const std::vector<Vector2>& texcoords,
                                           const std::vector<Vector3>& normals,
                                           std::vector<Vertex>& face) const {
  face.clear();
  Vertex vertex;
  bool normalMissing = false;
  for (const std::string& token : splitOn(afterLeadingToken(line), " ")) {
    const std::vector<std::string> parts = splitOn(token, "/");
    CornerForm form;
    if (!classifyCorner(parts, form)) return false;
    if (!objListElement(positions, parts[0], vertex.position)) return false;
    switch (form) {
      case CornerForm::Position:
        vertex.texcoord = Vector2();
        normalMissing = true;
        break;
      case CornerForm::PositionTexcoord:
        if (!objListElement(texcoords, parts[1], vertex.texcoord)) return false;
        normalMissing = true;
        break;
      case CornerForm::PositionNormal:
        vertex.texcoord = Vector2();
        if (!objListElement(normals, parts[2], vertex.normal)) return false;
        break;
      case CornerForm::PositionTexcoordNormal:
        if (!objListElement(texcoords, parts[1], vertex.texcoord)) return false;
        if (!objListElement(normals, parts[2], vertex.normal)) return false;
        break;
    }
    face.push_back(vertex);
  }

  if (normalMissing) {
    // The face normal needs three corners.
    if (face.size() < 3) return false;
    const Vector3 a = face[0].position - face[1].position;
    const Vector3 b = face[2].position - face[1].position;
    const Vector3 normal = crossProduct(a, b);
    for (Vertex& corner : face) corner.normal = normal;
  }
  return true;
}

bool MeshResourceReader::readObj(std::uint16_t objResourceId, std::uint16_t mtlResourceId) {
  std::istringstream text(TextResource::readAll(objResourceId));
  meshes.clear();
  vertices.clear();
  indices.clear();

  std::vector<Vector3> positions;
  std::vector<Vector2> texcoords;
  std::vector<Vector3> normals;
  std::vector<Vertex> currentVertices;
  std::vector<std::uint32_t> currentIndices;
  std::string currentName;
  bool meshStarted = false;
  std::vector<std::string> materialNames;
  std::uint32_t progressCounter = progressInterval;
  bool malformed = false;

  auto closeMesh = [&](const std::string& name) {
    Mesh mesh(currentVertices, currentIndices);
    mesh.name = name;
    meshes.push_back(mesh);
    currentVertices.clear();
    currentIndices.clear();
  };

  std::string line;
  while (!malformed && std::getline(text, line)) {
    removeCarriageReturns(line);

    progressCounter = (progressCounter + 1) % progressInterval;
    if (progressCounter == 1 && !currentName.empty()) {
      writeProgressLine(currentName, positions.size(), texcoords.size(), normals.size(),
                        currentVertices.size(), materialNames);
    }

    const std::string token = leadingToken(line);
    const bool namedStart = token == "o" || token == "g";
    if (namedStart || (!line.empty() && line[0] == 'g')) {
      if (!meshStarted) {
        meshStarted = true;
        currentName = namedStart ? afterLeadingToken(line) : "unnamed";
      } else if (!currentIndices.empty() && !currentVertices.empty()) {
        closeMesh(currentName);
        currentName = afterLeadingToken(line);
      } else {
        currentName = namedStart ? afterLeadingToken(line) : "unnamed";
      }
      std::cout << std::endl;
      progressCounter = 0;
    }

    if (token == "v" || token == "vn") {
      float xyz[3] = {};
      if (!readComponents(afterLeadingToken(line), 3, xyz)) {
        malformed = true;
        break;
      }
      (token == "v" ? positions : normals).push_back(Vector3(xyz[0], xyz[1], xyz[2]));
    }

    if (token == "vt") {
      float xy[3] = {};
      if (!readComponents(afterLeadingToken(line), 2, xy)) {
        malformed = true;
        break;
      }
      texcoords.push_back(Vector2(xy[0], xy[1]));
    }

    if (token == "f") {
      std::vector<Vertex> face;
      if (!buildFaceVertices(line, positions, texcoords, normals, face)) {
        malformed = true;
        break;
      }
      currentVertices.insert(currentVertices.end(), face.begin(), face.end());
      vertices.insert(vertices.end(), face.begin(), face.end());
      const std::size_t meshBase = currentVertices.size() - face.size();
      const std::size_t readerBase = vertices.size() - face.size();
      for (std::uint32_t local : triangulatePolygon(face)) {
        currentIndices.push_back(static_cast<std::uint32_t>(meshBase + local));
        indices.push_back(static_cast<std::uint32_t>(readerBase + local));
      }
    }

    if (token == "usemtl") {
      materialNames.push_back(afterLeadingToken(line));
      if (!currentIndices.empty() && !currentVertices.empty()) {
        closeMesh(splitMeshName(meshes, currentName));
      }
      progressCounter = 0;
    }

    if (token == "mtllib") readMaterials(mtlResourceId);
  }

  std::cout << std::endl;

  if (malformed) {
    meshes.clear();
    vertices.clear();
    indices.clear();
    return false;
  }

  if (!currentIndices.empty() && !currentVertices.empty()) closeMesh(currentName);

  // The k-th "usemtl" name goes to the k-th mesh; names beyond the last mesh
  // have no mesh to go to.
  for (std::size_t k = 0; k < materialNames.size() && k < meshes.size(); ++k) {
    for (const Material& material : materials) {
      if (material.name == materialNames[k]) {
        meshes[k].material = material;
        break;
      }
    }
  }

  return !meshes.empty() || !vertices.empty() || !indices.empty();
}

}  // namespace wavefront
