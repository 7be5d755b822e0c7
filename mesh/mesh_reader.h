// MeshResourceReader: reads an OBJ text and its MTL text from TEXTFILE
// resources into meshes, a flat vertex list and triangle indices.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "mesh/wavefront.h"

namespace wavefront {

class MeshResourceReader {
 public:
  std::vector<Mesh> meshes;             // in the order they were closed
  std::vector<Vertex> vertices;         // every face corner of the text, in reading order
  std::vector<std::uint32_t> indices;   // triangles into vertices
  std::vector<Material> materials;      // every material read, in reading order

  // Reads the OBJ resource; every "mtllib" line reads the MTL resource with
  // the given id (the file name on the line is not used). Writes progress
  // lines to standard output. True when anything was read. A text that
  // cannot be trusted (a malformed or out-of-range number, a missing number,
  // an index outside its list, a corner token with no part or more than
  // three parts, a face of one or two corners without normals) fails the
  // whole read: false, with meshes, vertices and indices empty.
  bool readObj(std::uint16_t objResourceId, std::uint16_t mtlResourceId);

  // Appends one material per "newmtl" line (at least one) of the MTL
  // resource. A value that is not a number leaves its field unchanged.
  bool readMaterials(std::uint16_t mtlResourceId);

  // The corners of one "f" line, looked up in the lists read so far; a face
  // given without normals gets its (unnormalised) face normal on every corner.
  // False when the line cannot be turned into corners (see readObj).
  bool buildFaceVertices(const std::string& line, const std::vector<Vector3>& positions,
                         const std::vector<Vector2>& texcoords,
                         const std::vector<Vector3>& normals, std::vector<Vertex>& face) const;

  // Ear clipping: triangle indices into corners, three per triangle, in the
  // polygon's winding. Ends when a pass finds no more ears, keeping the
  // triangles found so far.
  std::vector<std::uint32_t> triangulatePolygon(const std::vector<Vertex>& corners) const;
};

}  // namespace wavefront
