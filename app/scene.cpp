// Placeholder scene until the smoke is drawn: every frame clears to black.
#include "app/scene.h"

#include <windows.h>

#include <GL/gl.h>

#include "app/screensaver_app.h"

void setupScene() {}

void updateFrame() { renderFrame(); }

void renderFrame() {
  glViewport(0, 0, windowWidth, windowHeight);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
}
