// Frame time of the shipped smoke shader against a literal transcription of
// the same function, both drawn through the saver's frame path at the screen's
// size, alternating frame by frame; and the largest channel difference.
//
//   smoke_benchmark.exe [rounds]      (run by tools/bench.sh on a 1920 x 1080 display)
#include <windows.h>

#include <GLFW/glfw3.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/drawing_size.h"
#include "app/scene.h"
#include "bench/bench_ids.h"
#include "render/camera.h"
#include "render/drawable.h"
#include "render/program_registry.h"
#include "resources/resource_ids.h"
#include "tests/render/gl_test_window.h"

namespace {

const char* const literalProgram = "LiteralProgram";

double drawTimed(GLFWDrawableSky* variant, float time) {
  sky = variant;
  shaderInputs->setTime(time);
  glFinish();
  const auto start = std::chrono::steady_clock::now();
  renderFrame();
  glFinish();
  const auto end = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::milli>(end - start).count();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  if (!glfwInit()) return 1;
  int width = 1920;
  int height = 1080;
  if (const GLFWvidmode* mode = glfwGetVideoMode(glfwGetPrimaryMonitor())) {
    width = mode->width;
    height = mode->height;
  }
  GLFWwindow* window = openTestWindow(width, height);
  if (window == nullptr) {
    std::printf("no %dx%d window\n", width, height);
    return 1;
  }
  std::printf("%s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));

  setupScene();
  GLFWDrawableSky* shipped = sky;
  programRegistry->add(literalProgram, IDR_VERTEX_SHADER, IDR_LITERAL_FRAGMENT_SHADER);
  GLFWDrawableSky* literal = new GLFWDrawableSky(shaderInputs, camera, programRegistry,
                                                 literalProgram, IDR_SKY_MESH,
                                                 IDR_SKY_MATERIAL, 1.0f);
  literal->setup();

  // One untimed frame each: shader compilation in the driver happens lazily.
  drawTimed(shipped, 1.0f);
  drawTimed(literal, 1.0f);

  std::vector<double> shippedTimes;
  std::vector<double> literalTimes;
  int largestDifference = 0;
  for (int round = 0; round < rounds; ++round) {
    // Times within the first 600 s, where single precision still tracks the
    // function to a step of 1/255; further out both shaders drift from it.
    const float time = 5.0f + std::fmod(41.3f * static_cast<float>(round), 590.0f);
    // Alternate which one goes first, so neither gains from the order.
    std::vector<std::uint8_t> shippedPixels;
    std::vector<std::uint8_t> literalPixels;
    for (int turn = 0; turn < 2; ++turn) {
      const bool shippedTurn = (turn == 0) == (round % 2 == 0);
      if (shippedTurn) {
        shippedTimes.push_back(drawTimed(shipped, time));
        shippedPixels = readBackBuffer(width, height);
      } else {
        literalTimes.push_back(drawTimed(literal, time));
        literalPixels = readBackBuffer(width, height);
      }
    }
    int difference = 0;
    for (std::size_t i = 0; i < shippedPixels.size(); ++i) {
      difference = std::max(difference, std::abs(shippedPixels[i] - literalPixels[i]));
    }
    largestDifference = std::max(largestDifference, difference);
    std::printf("round %d, T = %.1f s: shipped %.1f ms, literal %.1f ms, largest difference %d/255\n",
                round + 1, time, shippedTimes.back(), literalTimes.back(), difference);
    std::fflush(stdout);
  }

  const double shippedMedian = median(shippedTimes);
  const double literalMedian = median(literalTimes);
  std::printf("viewport %dx%d, %d frames each\n", width, height, rounds);
  std::printf("median shipped shader: %.1f ms per frame\n", shippedMedian);
  std::printf("median literal shader: %.1f ms per frame\n", literalMedian);
  // Neighbouring frames share the machine's load: their ratio is steadier.
  std::vector<double> ratios;
  for (std::size_t i = 0; i < shippedTimes.size(); ++i) {
    ratios.push_back(literalTimes[i] / shippedTimes[i]);
  }
  std::printf("speed-up (literal / shipped): %.2f; median of per-round ratios: %.2f\n",
              literalMedian / shippedMedian, median(ratios));
  std::printf("largest channel difference: %d/255\n", largestDifference);
  return 0;
}
