// A real window with the saver's kind of context, for drawing the scene in
// tests and benchmarks and reading the pixels back.
#pragma once

#include <cstdint>
#include <vector>

struct GLFWwindow;

// Initialises GLFW, opens an undecorated window whose client area is
// width x height, makes its OpenGL 2.0 context current and loads the entry
// points. Null when no such window can be had.
GLFWwindow* openTestWindow(int width, int height);

// Gives the window a new client size and waits until its framebuffer has it;
// also sets the saver's drawing size. False when the size did not take.
// Stay within the first size: under Wine the GL drawable keeps its first size
// when the window grows.
bool resizeTestWindow(GLFWwindow* window, int width, int height);

// The back buffer's pixels as RGB bytes, rows from the bottom.
std::vector<std::uint8_t> readBackBuffer(int width, int height);
