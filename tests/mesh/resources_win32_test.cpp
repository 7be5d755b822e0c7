// The executable's real TEXTFILE resources under Windows: found by
// FindResourceA, read whole and up to the marker, imported as the sky quad,
// and the reader's progress bytes as they reach a text-mode standard output.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mesh/mesh_buffers.h"
#include "mesh/mesh_reader.h"
#include "render/text_resource.h"
#include "resources/resource_ids.h"

namespace {

bool endsWithCrLf(const std::string& text) {
  return text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0;
}

TEST(ResourcesWin32, ReadAllGivesTheWholeMeshTexts) {
  const std::string obj = TextResource::readAll(IDR_SKY_MESH);
  const std::string mtl = TextResource::readAll(IDR_SKY_MATERIAL);
  EXPECT_EQ(obj.size(), 551u);
  EXPECT_EQ(mtl.size(), 242u);
  EXPECT_TRUE(endsWithCrLf(obj));
  EXPECT_TRUE(endsWithCrLf(mtl));
  EXPECT_NE(obj.find("f 4/4/1 3/3/1 2/2/1 \r\n"), std::string::npos);
  EXPECT_NE(mtl.find("newmtl wire_198225087\r\n"), std::string::npos);
}

TEST(ResourcesWin32, MissingResourceReadsAsNothing) {
  EXPECT_EQ(TextResource::readAll(9999), "");
  std::vector<char> buffer(16, 'x');
  EXPECT_FALSE(TextResource::copyToMarker(9999, buffer.data(), 12));
  EXPECT_EQ(std::string(buffer.data(), 4), std::string(4, '\0'));
}

TEST(ResourcesWin32, ShaderCopyStopsAtTheMarker) {
  for (const std::uint16_t id : {IDR_VERTEX_SHADER, IDR_FRAGMENT_SHADER}) {
    const std::string whole = TextResource::readAll(id);
    const std::size_t marker = whole.find(TextResource::endMarker);
    ASSERT_NE(marker, std::string::npos) << id;
    ASSERT_NE(marker, 0u) << id;

    constexpr std::size_t capacity = 32768;
    std::vector<char> buffer(capacity + TextResource::terminatorSize, 'x');
    EXPECT_TRUE(TextResource::copyToMarker(id, buffer.data(), capacity)) << id;
    EXPECT_EQ(std::string(buffer.data(), marker), whole.substr(0, marker)) << id;
    EXPECT_EQ(std::string(buffer.data() + marker, 4), std::string(4, '\0')) << id;
    EXPECT_EQ(buffer[marker + 4], 'x') << id << ": nothing after the terminator is written";
  }
}

TEST(ResourcesWin32, SkyQuadImports) {
  std::cout.flush();
  const MeshBuffers buffers(IDR_SKY_MESH, IDR_SKY_MATERIAL, 1.0f);
  ASSERT_EQ(buffers.vertexCount, 6);
  ASSERT_EQ(buffers.indexCount, 6);
  const float positions[] = {-1, 1, 0, -1, -1, -0.0f, 1, 1, 0, 1, -1, -0.0f, 1, 1, 0, -1, -1, -0.0f};
  const float texcoords[] = {0, 1, 0, 0, 1, 1, 1, 0, 1, 1, 0, 0};
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(buffers.indices[k], static_cast<std::uint32_t>(k));
    for (int c = 0; c < 3; ++c) {
      EXPECT_EQ(buffers.positions[3 * k + c], positions[3 * k + c]) << k;
      EXPECT_EQ(std::signbit(buffers.positions[3 * k + c]), std::signbit(positions[3 * k + c])) << k;
      EXPECT_EQ(buffers.normals[3 * k + c], (c == 2 ? 1.0f : 0.0f)) << k;
      EXPECT_EQ(buffers.tangents[3 * k + c], (c == 0 ? 1.0f : 0.0f)) << k;
      EXPECT_EQ(buffers.bitangents[3 * k + c], (c == 1 ? 1.0f : 0.0f)) << k;
    }
    EXPECT_TRUE(std::signbit(buffers.normals[3 * k + 1])) << k;
    EXPECT_EQ(buffers.texcoords[2 * k], texcoords[2 * k]) << k;
    EXPECT_EQ(buffers.texcoords[2 * k + 1], texcoords[2 * k + 1]) << k;
    const float colour[] = {0.7765f, 0.8824f, 0.3412f};
    for (int c = 0; c < 3; ++c) {
      EXPECT_EQ(buffers.ambientColors[3 * k + c], colour[c]) << k;
      EXPECT_EQ(buffers.diffuseColors[3 * k + c], colour[c]) << k;
      EXPECT_EQ(buffers.specularColors[4 * k + c], 0.35f) << k;
    }
    EXPECT_EQ(buffers.specularColors[4 * k + 3], 32.0f) << k;
  }
}

// Runs readObj with standard output sent to a file opened in text mode, as
// the process's own standard output is, and returns the bytes that arrived.
std::string progressBytesOfStoredQuad() {
  char path[] = "mesh_progress_XXXXXX";
  if (_mktemp(path) == nullptr) return "no temp name";
  const int file = _open(path, _O_WRONLY | _O_CREAT | _O_TRUNC | _O_TEXT, _S_IREAD | _S_IWRITE);
  if (file < 0) return "cannot open temp file";
  std::cout.flush();
  std::fflush(stdout);
  const int savedStdout = _dup(1);
  _dup2(file, 1);

  wavefront::MeshResourceReader reader;
  const bool read = reader.readObj(IDR_SKY_MESH, IDR_SKY_MATERIAL);
  std::cout.flush();
  std::fflush(stdout);

  _dup2(savedStdout, 1);
  _close(savedStdout);
  _close(file);
  std::ifstream bytes(path, std::ios::binary);
  std::ostringstream captured;
  captured << bytes.rdbuf();
  bytes.close();
  std::remove(path);
  return read ? captured.str() : "readObj failed";
}

TEST(ResourcesWin32, ReadObjProgressBytes) {
  const std::string progress =
      "\r- Plane001\t| vertices > 4\t| texcoords > 4\t| normals > 1\t| triangles > 0";
  EXPECT_EQ(progressBytesOfStoredQuad(),
            "\r\n" + progress + "\r\n" + progress + progress + "\t| material: wire_198225087\r\n");
}

}  // namespace
