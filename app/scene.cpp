// The smoke scene: one program, the camera, the shader inputs and the sky quad.
#include "app/scene.h"

#include <windows.h>

#include <GLFW/glfw3.h>

#include "app/screensaver_app.h"
#include "render/camera.h"
#include "render/drawable.h"
#include "render/gl_api.h"
#include "render/program_registry.h"
#include "resources/resource_ids.h"

ProgramRegistry* programRegistry = nullptr;
ShaderInputs* shaderInputs = nullptr;
Camera* camera = nullptr;
GLFWDrawableSky* sky = nullptr;

namespace {
const char* const backgroundProgram = "BackgroundProgram";
}  // namespace

void setupScene() {
  programRegistry = new ProgramRegistry();
  shaderInputs = new ShaderInputs(0.0f);
  camera = new Camera(0.0f, 0.0f, 100.0f);
  camera->pitch(1.0f);
  camera->updateView(0);
  programRegistry->add(backgroundProgram, IDR_VERTEX_SHADER, IDR_FRAGMENT_SHADER);
  sky = new GLFWDrawableSky(shaderInputs, camera, programRegistry, backgroundProgram,
                            IDR_SKY_MESH, IDR_SKY_MATERIAL, 1.0f);
  sky->setup();
}

void updateFrame() {
  // The clock runs since glfwInit, so the first frame's time is already past 0.
  shaderInputs->setTime(static_cast<float>(glfwGetTime()));
  renderFrame();
}

void renderFrame() {
  camera->setProjection(perspective(50.0f, windowAspect, 0.1f, 1000.0f));
  shaderInputs->setViewport(static_cast<float>(windowWidth), static_cast<float>(windowHeight));
  camera->selectView(0);
  sky->setModel(translate(0.0f, 0.0f, -100.0f));
  // A context without framebuffer objects draws to the default framebuffer anyway.
  if (glBindFramebuffer != nullptr) glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glViewport(0, 0, windowWidth, windowHeight);
  sky->draw();
}
