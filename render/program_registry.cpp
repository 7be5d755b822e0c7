// ProgramRegistry: programs are built once and kept for the life of the process.
#include "render/program_registry.h"

void ProgramRegistry::add(const char* name, std::uint16_t vertexResourceId,
                          std::uint16_t fragmentResourceId) {
  GLFWProgram* program = new GLFWProgram(vertexResourceId, fragmentResourceId);
  programs_.emplace(std::string(name), program);
}

GLFWProgram* ProgramRegistry::find(const char* name) const {
  const auto found = programs_.find(std::string(name));
  return found == programs_.end() ? nullptr : found->second;
}

void ProgramRegistry::use(const char* name) const {
  if (GLFWProgram* program = find(name)) program->use();
}
