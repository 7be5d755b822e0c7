// Shader programs by name: drawables name their program instead of holding it.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "render/program.h"

class ProgramRegistry {
 public:
  // Builds the program (or ends the process on a compile error) and files it
  // under the name. A name already taken keeps its first program.
  void add(const char* name, std::uint16_t vertexResourceId, std::uint16_t fragmentResourceId);

  // The program filed under the name, or null.
  GLFWProgram* find(const char* name) const;

  // Makes the named program current; an unknown name changes nothing.
  void use(const char* name) const;

 private:
  std::map<std::string, GLFWProgram*> programs_;
};
