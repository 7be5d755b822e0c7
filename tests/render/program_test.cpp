// The program's location cache, the registry's naming and the sky's buffers,
// on a real context with the saver's own resources.
#include <gtest/gtest.h>

#include <windows.h>

#include <GLFW/glfw3.h>

#include "render/drawable.h"
#include "render/gl_api.h"
#include "render/program_registry.h"
#include "resources/resource_ids.h"
#include "tests/render/gl_test_window.h"

namespace {

// Counts the GL location queries that reach the driver.
int uniformQueries = 0;
int attribQueries = 0;
PFNGLGETUNIFORMLOCATIONPROC realGetUniformLocation = nullptr;
PFNGLGETATTRIBLOCATIONPROC realGetAttribLocation = nullptr;

GLint APIENTRY countingGetUniformLocation(GLuint program, const GLchar* name) {
  ++uniformQueries;
  return realGetUniformLocation(program, name);
}
GLint APIENTRY countingGetAttribLocation(GLuint program, const GLchar* name) {
  ++attribQueries;
  return realGetAttribLocation(program, name);
}

class RenderObjects : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(openTestWindow(64, 64), nullptr);
    registry.add("BackgroundProgram", IDR_VERTEX_SHADER, IDR_FRAGMENT_SHADER);
    realGetUniformLocation = glGetUniformLocation;
    realGetAttribLocation = glGetAttribLocation;
    glGetUniformLocation = countingGetUniformLocation;
    glGetAttribLocation = countingGetAttribLocation;
  }
  void TearDown() override {
    glGetUniformLocation = realGetUniformLocation;
    glGetAttribLocation = realGetAttribLocation;
  }
  ProgramRegistry registry;
};

TEST_F(RenderObjects, LocationsAreAskedOnceAndShareOneCache) {
  GLFWProgram* program = registry.find("BackgroundProgram");
  ASSERT_NE(program, nullptr);

  // A name the linked program does not have: -1, cached like any answer.
  EXPECT_EQ(program->uniformLocation("noSuchUniform"), -1);
  EXPECT_EQ(program->uniformLocation("noSuchUniform"), -1);
  EXPECT_EQ(uniformQueries, 1);

  const GLint time = program->uniformLocation("iTime");
  EXPECT_GE(time, 0);
  EXPECT_EQ(uniformQueries, 2);
  // Asked as an attribute now, the name is answered from the cache.
  EXPECT_EQ(program->attribLocation("iTime"), time);
  EXPECT_EQ(attribQueries, 0);

  const GLint position = program->attribLocation("position");
  EXPECT_GE(position, 0);
  EXPECT_EQ(program->uniformLocation("position"), position);
  EXPECT_EQ(program->attribLocation("position"), position);
  EXPECT_EQ(attribQueries, 1);
  EXPECT_EQ(uniformQueries, 2);
}

TEST_F(RenderObjects, RegistryKeepsTheFirstProgramAndMatchesWholeNames) {
  GLFWProgram* first = registry.find("BackgroundProgram");
  ASSERT_NE(first, nullptr);
  registry.add("BackgroundProgram", IDR_VERTEX_SHADER, IDR_FRAGMENT_SHADER);
  EXPECT_EQ(registry.find("BackgroundProgram"), first);

  for (const char* other : {"backgroundprogram", "BACKGROUNDPROGRAM", "Background",
                            "BackgroundProgram ", "BackgroundProgramX", ""}) {
    EXPECT_EQ(registry.find(other), nullptr) << '"' << other << '"';
  }
  // An unknown name makes nothing current and does not fail.
  glUseProgram(0);
  registry.use("Unknown");
  GLint current = -1;
  glGetIntegerv(GL_CURRENT_PROGRAM, &current);
  EXPECT_EQ(current, 0);
  registry.use("BackgroundProgram");
  glGetIntegerv(GL_CURRENT_PROGRAM, &current);
  EXPECT_NE(current, 0);
}

TEST_F(RenderObjects, SkyInterleavesTheQuadAndKeepsFirstAttributes) {
  ShaderInputs inputs(0.0f);
  Camera camera(0.0f, 0.0f, 100.0f);
  GLFWDrawableSky sky(&inputs, &camera, &registry, "BackgroundProgram", IDR_SKY_MESH,
                      IDR_SKY_MATERIAL, 1.0f);
  const GLFWMeshData* mesh = sky.mesh();
  ASSERT_EQ(mesh->vertexCount(), 6);
  ASSERT_EQ(mesh->indexCount(), 6);
  EXPECT_EQ(mesh->vertexBytes(), 576);
  EXPECT_EQ(mesh->indexBytes(), 24);
  const float texcoords[6][2] = {{0, 1}, {0, 0}, {1, 1}, {1, 0}, {1, 1}, {0, 0}};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    const float* v = mesh->vertices() + 24 * i;
    EXPECT_EQ(v[3], texcoords[i][0]);
    EXPECT_EQ(v[4], texcoords[i][1]);
    EXPECT_EQ(v[7], 1.0f);     // normal z
    EXPECT_EQ(v[8], 1.0f);     // tangent x
    EXPECT_EQ(v[12], 1.0f);    // bitangent y
    EXPECT_NEAR(v[14], 0.7765f, 1e-4f);  // ambient red
    EXPECT_NEAR(v[20], 0.35f, 1e-6f);    // specular red
    EXPECT_EQ(v[23], 32.0f);   // specular exponent
    EXPECT_EQ(mesh->indices()[i], static_cast<std::uint32_t>(i));
  }

  sky.setup();
  const GLFWBufferSet* buffers = sky.buffers();
  EXPECT_EQ(buffers->indexCount(), 6);
  const GLint position = buffers->attributeLocation("position");
  EXPECT_GE(position, 0);
  EXPECT_EQ(buffers->attributeComponents("position"), 3);
  EXPECT_EQ(buffers->attributeOffset("position_tex"), 3);
  EXPECT_EQ(buffers->attributeOffset("position_normal"), 5);
  // A second registration under a taken name changes nothing.
  const_cast<GLFWBufferSet*>(buffers)->addAttribute("BackgroundProgram", "position", 4, 7);
  EXPECT_EQ(buffers->attributeLocation("position"), position);
  EXPECT_EQ(buffers->attributeComponents("position"), 3);
  EXPECT_EQ(buffers->attributeOffset("position"), 0);
}

}  // namespace
