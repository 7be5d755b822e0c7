// Fuzzes the OBJ and MTL readers and the mesh import over arbitrary texts.
// The input is split at its first zero byte: the OBJ text before it, the
// MTL text after it. Besides the sanitizers, the readers' index invariants
// are checked on every input that reads.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "mesh/mesh_buffers.h"
#include "mesh/mesh_reader.h"
#include "resources/resource_ids.h"
#include "tests/support/memory_resources.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

void checkReader(const wavefront::MeshResourceReader& reader) {
  for (const wavefront::Mesh& mesh : reader.meshes) {
    require(!mesh.vertices.empty() && !mesh.indices.empty());
    for (std::uint32_t index : mesh.indices) require(index < mesh.vertices.size());
  }
  for (std::uint32_t index : reader.indices) require(index < reader.vertices.size());
}

void checkBuffers(const MeshBuffers& buffers) {
  require(buffers.vertexCount >= 0 && buffers.indexCount >= 0);
  for (std::int32_t i = 0; i < buffers.indexCount; ++i) {
    require(buffers.indices[i] < static_cast<std::uint32_t>(buffers.vertexCount));
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The progress lines are of no interest here and slow the runs down.
  static std::ostringstream discarded;
  std::cout.rdbuf(discarded.rdbuf());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  setTextResource(IDR_SKY_MESH, input.substr(0, split));
  setTextResource(IDR_SKY_MATERIAL, split == std::string::npos ? "" : input.substr(split + 1));
  std::cout.rdbuf()->pubseekpos(0);

  wavefront::MeshResourceReader reader;
  const bool read = reader.readObj(IDR_SKY_MESH, IDR_SKY_MATERIAL);
  require(read == (!reader.meshes.empty() || !reader.vertices.empty()));
  if (!read) return 0;
  checkReader(reader);

  // Only a text that reads may be imported: a failed import ends the process.
  const MeshBuffers buffers(IDR_SKY_MESH, IDR_SKY_MATERIAL, 1.0f);
  checkBuffers(buffers);
  return 0;
}
