// Flattening the reader's meshes into the per-vertex arrays of a drawable.
#include "mesh/mesh_buffers.h"

#include <cmath>
#include <cstddef>

#include "app/user_message.h"
#include "mesh/mesh_reader.h"

namespace {

float* newFloats(std::size_t count) { return new float[count](); }

void put3(float* array, std::size_t k, const wavefront::Vector3& v) {
  array[3 * k] = v.x;
  array[3 * k + 1] = v.y;
  array[3 * k + 2] = v.z;
}

wavefront::Vector3 get3(const float* array, std::size_t k) {
  return {array[3 * k], array[3 * k + 1], array[3 * k + 2]};
}

wavefront::Vector3 unit(const wavefront::Vector3& v) {
  const float length = wavefront::vectorLength(v);
  return {v.x / length, v.y / length, v.z / length};
}

}  // namespace

MeshBuffers::MeshBuffers(std::uint16_t objResourceId, std::uint16_t mtlResourceId, float scale)
    : scale(scale) {
  if (!loadFromResources(objResourceId, mtlResourceId, scale)) {
    exitWithDebugMessage("Failed to load mesh");
  }
}

MeshBuffers::~MeshBuffers() {
  delete[] positions;
  delete[] texcoords;
  delete[] normals;
  delete[] tangents;
  delete[] bitangents;
  delete[] ambientColors;
  delete[] diffuseColors;
  delete[] specularColors;
  delete[] indices;
}

bool MeshBuffers::loadFromResources(std::uint16_t objResourceId, std::uint16_t mtlResourceId,
                                    float scale) {
  wavefront::MeshResourceReader reader;
  if (!reader.readObj(objResourceId, mtlResourceId)) return false;

  std::size_t totalVertices = 0;
  std::size_t totalIndices = 0;
  for (const wavefront::Mesh& mesh : reader.meshes) {
    totalVertices += mesh.vertices.size();
    totalIndices += mesh.indices.size();
  }
  vertexCount = static_cast<std::int32_t>(totalVertices);
  indexCount = static_cast<std::int32_t>(totalIndices);

  positions = newFloats(3 * totalVertices);
  texcoords = newFloats(2 * totalVertices);
  normals = newFloats(3 * totalVertices);
  tangents = newFloats(3 * totalVertices);
  bitangents = newFloats(3 * totalVertices);
  ambientColors = newFloats(3 * totalVertices);
  diffuseColors = newFloats(3 * totalVertices);
  specularColors = newFloats(4 * totalVertices);
  indices = new std::uint32_t[totalIndices]();

  std::size_t vertexBase = 0;
  std::size_t indexBase = 0;
  for (const wavefront::Mesh& mesh : reader.meshes) {
    const wavefront::Material& material = mesh.material;
    for (std::size_t i = 0; i < mesh.vertices.size(); ++i) {
      const wavefront::Vertex& vertex = mesh.vertices[i];
      const std::size_t k = vertexBase + i;
      put3(positions, k, scale * vertex.position);
      put3(normals, k, unit(vertex.normal));
      texcoords[2 * k] = vertex.texcoord.x;
      texcoords[2 * k + 1] = vertex.texcoord.y;
      put3(ambientColors, k, material.ambient);
      put3(diffuseColors, k, material.diffuse);
      specularColors[4 * k] = material.specular.x;
      specularColors[4 * k + 1] = material.specular.y;
      specularColors[4 * k + 2] = material.specular.z;
      specularColors[4 * k + 3] = material.specularExponent;
    }
    for (std::size_t j = 0; j < mesh.indices.size(); ++j) {
      indices[indexBase + j] = static_cast<std::uint32_t>(vertexBase + mesh.indices[j]);
    }
    vertexBase += mesh.vertices.size();
    indexBase += mesh.indices.size();
  }

  computeTangents();
  return true;
}

void MeshBuffers::computeTangents() {
  // Whole triangles only: a face with repeated corner positions can leave
  // an incomplete triple at the end.
  const std::size_t count = static_cast<std::size_t>(indexCount);
  for (std::size_t t = 0; t + 2 < count; t += 3) {
    const std::uint32_t a = indices[t];
    const std::uint32_t b = indices[t + 1];
    const std::uint32_t c = indices[t + 2];
    const wavefront::Vector3 e1 = get3(positions, b) - get3(positions, a);
    const wavefront::Vector3 e2 = get3(positions, c) - get3(positions, a);
    const float d1x = texcoords[2 * b] - texcoords[2 * a];
    const float d1y = texcoords[2 * b + 1] - texcoords[2 * a + 1];
    const float d2x = texcoords[2 * c] - texcoords[2 * a];
    const float d2y = texcoords[2 * c + 1] - texcoords[2 * a + 1];
    const float r = 1.0f / (d1x * d2y - d2x * d1y);
    const wavefront::Vector3 tangent = unit(r * (d2y * e1 - d1y * e2));
    const wavefront::Vector3 bitangent = unit(r * (d1x * e2 - d2x * e1));
    for (std::uint32_t vertex : {a, b, c}) {
      put3(tangents, vertex, tangent);
      put3(bitangents, vertex, bitangent);
    }
  }
}
