// The process-wide drawing size and its aspect ratio.
#include "app/drawing_size.h"

std::int32_t windowWidth = 0;
std::int32_t windowHeight = 0;
float windowAspect = 0.0f;

void setDrawingSize(int width, int height) {
  windowWidth = width;
  windowHeight = height;
  if (height != 0) {
    windowAspect = static_cast<float>(width) / static_cast<float>(height);
  }
}
