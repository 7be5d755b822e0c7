// MeshBuffers: the meshes of an OBJ resource flattened into per-vertex float
// arrays and one index array, ready to be interleaved for a drawable.
#pragma once

#include <cstdint>

class MeshBuffers {
 public:
  // Reads the OBJ and MTL resources and fills every field. When the mesh
  // cannot be read it shows "Failed to load mesh" and ends the process.
  MeshBuffers(std::uint16_t objResourceId, std::uint16_t mtlResourceId, float scale);
  ~MeshBuffers();
  MeshBuffers(const MeshBuffers&) = delete;
  MeshBuffers& operator=(const MeshBuffers&) = delete;

  // Vertex k's entries sit at 3k, at 2k in texcoords and at 4k in specularColors.
  float* positions = nullptr;       // times scale
  float* texcoords = nullptr;
  float* normals = nullptr;         // unit length
  float* tangents = nullptr;        // of the last triangle using the vertex; 0 for none
  float* bitangents = nullptr;      // likewise
  float* ambientColors = nullptr;   // of the vertex's mesh material
  float* diffuseColors = nullptr;
  float* specularColors = nullptr;  // specular x, y, z, then the specular exponent
  std::uint32_t* indices = nullptr;  // triangles into the vertices
  std::int32_t vertexCount = 0;
  std::int32_t indexCount = 0;
  float scale = 1.0f;

  // False (with every count 0) when the OBJ text gives nothing to draw from.
  bool loadFromResources(std::uint16_t objResourceId, std::uint16_t mtlResourceId, float scale);

 private:
  void computeTangents();
};
