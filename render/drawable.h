// Drawables: a mesh from the text resources, interleaved into one vertex
// buffer and one index buffer, drawn with a program named in the registry.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "render/camera.h"
#include "render/gl_api.h"
#include "render/program_registry.h"
#include "render/vecmath.h"

class MeshBuffers;

// The mesh in the drawable's vertex format: 24 floats a vertex.
class GLFWMeshData {
 public:
  static constexpr int floatsPerVertex = 24;
  static constexpr int slotCount = 8;

  // Reads the mesh (a mesh that cannot be read ends the process) and interleaves it.
  GLFWMeshData(std::uint16_t objId, std::uint16_t mtlId, float scale);

  int stride() const { return stride_; }
  const float* vertices() const { return vertices_; }
  int vertexBytes() const { return vertexCount_ * stride_ * 4; }
  int indexCount() const { return indexCount_; }
  int indexBytes() const { return indexCount_ * 4; }
  const std::uint32_t* indices() const { return indices_; }
  int vertexCount() const { return vertexCount_; }

 private:
  float* vertices_ = nullptr;
  int stride_ = floatsPerVertex;
  // position, texture coordinate, normal, tangent, bitangent, ambient,
  // diffuse, specular colour with exponent
  int slotOffsets_[slotCount] = {0, 3, 5, 8, 11, 14, 17, 20};
  std::uint32_t* indices_ = nullptr;
  MeshBuffers* source_ = nullptr;
  int vertexCount_ = 0;
  int indexCount_ = 0;
};

// The two GL buffer objects of a drawable and its attribute layout.
class GLFWBufferSet {
 public:
  explicit GLFWBufferSet(ProgramRegistry* registry);

  void setVertexData(int vertexBytes, const float* vertices, int stride);
  void setIndexData(int indexBytes, const std::uint32_t* indices, int indexCount);

  // Looks the attribute up in the named program; a name already registered
  // keeps its first entry.
  void addAttribute(const char* programName, const char* attributeName, int components,
                    int offset);

  void bind() const;
  void enableAttributes() const;
  void bindForDraw() const;
  void upload() const;
  int indexCount() const { return indexCount_; }

  // The registered layout of one attribute: -1 / 0 for names never added.
  GLint attributeLocation(const std::string& name) const;
  int attributeComponents(const std::string& name) const;
  int attributeOffset(const std::string& name) const;

 private:
  ProgramRegistry* registry_ = nullptr;
  GLuint vertexBuffer_ = 0;
  GLuint indexBuffer_ = 0;
  const float* vertexData_ = nullptr;
  int vertexBytes_ = 0;
  int stride_ = 0;
  std::map<std::string, GLint> attributeLocations_;
  std::map<std::string, int> attributeSizes_;
  std::map<std::string, int> attributeOffsets_;
  const std::uint32_t* indexData_ = nullptr;
  int indexBytes_ = 0;
  int indexCount_ = 0;
};

class GLFWDrawableObject {
 public:
  // programName must outlive the drawable. Needs the context current.
  GLFWDrawableObject(ShaderInputs* inputs, Camera* camera, ProgramRegistry* registry,
                     const char* programName, std::uint16_t objId, std::uint16_t mtlId,
                     float scale);

  // Registers the attribute layout and uploads the buffers, once.
  void setup();
  void setModel(const Mat4& model) { model_ = model; }
  // Draws into the bound framebuffer with the current viewport.
  void draw();

  const GLFWMeshData* mesh() const { return mesh_; }
  const GLFWBufferSet* buffers() const { return buffers_; }

 protected:
  virtual void bindAttributes() = 0;
  virtual void setUniforms() = 0;
  virtual void preDraw() = 0;

  // Location of a uniform of this drawable's program; -1 when the program is unknown.
  GLint uniformLocation(const char* name) const;

  ShaderInputs* inputs_ = nullptr;
  ProgramRegistry* registry_ = nullptr;
  GLFWMeshData* mesh_ = nullptr;
  GLFWBufferSet* buffers_ = nullptr;
  Camera* camera_ = nullptr;
  const char* programName_ = nullptr;
  Mat4 model_;
};

// The screen-filling quad that the smoke shaders paint.
class GLFWDrawableSky : public GLFWDrawableObject {
 public:
  using GLFWDrawableObject::GLFWDrawableObject;

 protected:
  void bindAttributes() override;
  void setUniforms() override;
  void preDraw() override;
};
