// Small helpers for the mesh tests: texts built line by line and the stored
// resource texts of the source tree, served through the in-memory table.
#pragma once

#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <sstream>
#include <string>

#include "resources/resource_ids.h"
#include "tests/support/memory_resources.h"

namespace meshtest {

constexpr std::uint16_t objId = IDR_SKY_MESH;
constexpr std::uint16_t mtlId = IDR_SKY_MATERIAL;

// Lines joined with the given line end (also after the last line).
inline std::string lines(std::initializer_list<const char*> text, const char* end = "\n") {
  std::string joined;
  for (const char* line : text) joined += std::string(line) + end;
  return joined;
}

inline std::string storedText(const char* name) {
  std::ifstream file(std::string(VELTRANE_RESOURCE_DIR) + "/mesh/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

inline void useStoredTexts() {
  setTextResource(objId, storedText("sky.obj"));
  setTextResource(mtlId, storedText("sky.mtl"));
}

// Captures what the readers write to std::cout while alive.
class CoutCapture {
 public:
  CoutCapture() : previous_(std::cout.rdbuf(captured_.rdbuf())) {}
  ~CoutCapture() { std::cout.rdbuf(previous_); }
  std::string text() const { return captured_.str(); }

 private:
  std::ostringstream captured_;
  std::streambuf* previous_;
};

}  // namespace meshtest
