// GLFWMeshData, GLFWBufferSet, GLFWDrawableObject and the sky.
#include "render/drawable.h"

#include "mesh/mesh_buffers.h"

GLFWMeshData::GLFWMeshData(std::uint16_t objId, std::uint16_t mtlId, float scale) {
  source_ = new MeshBuffers(objId, mtlId, scale);
  vertexCount_ = source_->vertexCount;
  indexCount_ = source_->indexCount;
  vertices_ = new float[static_cast<std::size_t>(vertexCount_) * floatsPerVertex];
  indices_ = new std::uint32_t[static_cast<std::size_t>(indexCount_)];

  const MeshBuffers& in = *source_;
  for (int i = 0; i < vertexCount_; ++i) {
    float* v = vertices_ + static_cast<std::size_t>(i) * floatsPerVertex;
    for (int k = 0; k < 3; ++k) {
      v[slotOffsets_[0] + k] = in.positions[3 * i + k];
      v[slotOffsets_[2] + k] = in.normals[3 * i + k];
      v[slotOffsets_[3] + k] = in.tangents[3 * i + k];
      v[slotOffsets_[4] + k] = in.bitangents[3 * i + k];
      v[slotOffsets_[5] + k] = in.ambientColors[3 * i + k];
      v[slotOffsets_[6] + k] = in.diffuseColors[3 * i + k];
    }
    for (int k = 0; k < 2; ++k) v[slotOffsets_[1] + k] = in.texcoords[2 * i + k];
    for (int k = 0; k < 4; ++k) v[slotOffsets_[7] + k] = in.specularColors[4 * i + k];
  }
  for (int j = 0; j < indexCount_; ++j) indices_[j] = in.indices[j];
}

GLFWBufferSet::GLFWBufferSet(ProgramRegistry* registry) : registry_(registry) {
  glGenBuffers(1, &vertexBuffer_);
  glGenBuffers(1, &indexBuffer_);
}

void GLFWBufferSet::setVertexData(int vertexBytes, const float* vertices, int stride) {
  vertexBytes_ = vertexBytes;
  vertexData_ = vertices;
  stride_ = stride;
}

void GLFWBufferSet::setIndexData(int indexBytes, const std::uint32_t* indices, int indexCount) {
  indexBytes_ = indexBytes;
  indexData_ = indices;
  indexCount_ = indexCount;
}

void GLFWBufferSet::addAttribute(const char* programName, const char* attributeName,
                                 int components, int offset) {
  GLFWProgram* program = registry_->find(programName);
  const GLint location = program != nullptr ? program->attribLocation(attributeName) : -1;
  const std::string name(attributeName);
  attributeLocations_.emplace(name, location);
  attributeSizes_.emplace(name, components);
  attributeOffsets_.emplace(name, offset);
}

GLint GLFWBufferSet::attributeLocation(const std::string& name) const {
  const auto found = attributeLocations_.find(name);
  return found == attributeLocations_.end() ? -1 : found->second;
}

int GLFWBufferSet::attributeComponents(const std::string& name) const {
  const auto found = attributeSizes_.find(name);
  return found == attributeSizes_.end() ? 0 : found->second;
}

int GLFWBufferSet::attributeOffset(const std::string& name) const {
  const auto found = attributeOffsets_.find(name);
  return found == attributeOffsets_.end() ? 0 : found->second;
}

void GLFWBufferSet::bind() const {
  glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer_);
}

void GLFWBufferSet::enableAttributes() const {
  for (const auto& [name, location] : attributeLocations_) {
    // An attribute the linked program dropped has nothing to feed.
    if (location < 0) continue;
    const GLuint index = static_cast<GLuint>(location);
    const std::size_t offsetBytes = static_cast<std::size_t>(attributeOffsets_.at(name)) * 4;
    glEnableVertexAttribArray(index);
    glVertexAttribPointer(index, attributeSizes_.at(name), GL_FLOAT, GL_FALSE, stride_ * 4,
                          reinterpret_cast<const void*>(offsetBytes));
  }
}

void GLFWBufferSet::bindForDraw() const {
  bind();
  enableAttributes();
}

void GLFWBufferSet::upload() const {
  bindForDraw();
  glBufferData(GL_ARRAY_BUFFER, vertexBytes_, vertexData_, GL_STATIC_DRAW);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, indexBytes_, indexData_, GL_STATIC_DRAW);
}

GLFWDrawableObject::GLFWDrawableObject(ShaderInputs* inputs, Camera* camera,
                                       ProgramRegistry* registry, const char* programName,
                                       std::uint16_t objId, std::uint16_t mtlId, float scale)
    : inputs_(inputs), registry_(registry), camera_(camera), programName_(programName) {
  mesh_ = new GLFWMeshData(objId, mtlId, scale);
  buffers_ = new GLFWBufferSet(registry);
  buffers_->setVertexData(mesh_->vertexBytes(), mesh_->vertices(), mesh_->stride());
  buffers_->setIndexData(mesh_->indexBytes(), mesh_->indices(), mesh_->indexCount());
}

void GLFWDrawableObject::setup() {
  bindAttributes();
  buffers_->upload();
}

GLint GLFWDrawableObject::uniformLocation(const char* name) const {
  GLFWProgram* program = registry_->find(programName_);
  return program != nullptr ? program->uniformLocation(name) : -1;
}

void GLFWDrawableObject::draw() {
  registry_->use(programName_);
  preDraw();

  const Mat4 view = camera_->view();
  const Mat4 projection = camera_->projection();
  const Mat4 worldProjection = projection * view;
  const Mat4 modelProjection = worldProjection * model_;
  glUniformMatrix4fv(uniformLocation("model_world"), 1, GL_FALSE, model_.data());
  glUniformMatrix4fv(uniformLocation("world_projection"), 1, GL_FALSE, worldProjection.data());
  glUniformMatrix4fv(uniformLocation("model_projection"), 1, GL_FALSE, modelProjection.data());

  setUniforms();
  buffers_->bindForDraw();
  glDrawElements(GL_TRIANGLES, buffers_->indexCount(), GL_UNSIGNED_INT, nullptr);
}

void GLFWDrawableSky::bindAttributes() {
  buffers_->addAttribute(programName_, "position", 3, 0);
  buffers_->addAttribute(programName_, "position_tex", 2, 3);
  buffers_->addAttribute(programName_, "position_normal", 3, 5);
}

void GLFWDrawableSky::setUniforms() {
  glUniform1f(uniformLocation("iTime"), inputs_->time());
  glUniform1f(uniformLocation("viewportWidth"), inputs_->width());
  glUniform1f(uniformLocation("viewportHeight"), inputs_->height());
}

void GLFWDrawableSky::preDraw() {}
