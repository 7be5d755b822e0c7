// The window icon's pixel table and its transposition into GLFW's row order.
#include "app/window_icon.h"

#include <cstring>

const unsigned char windowIconTable[windowIconBytes] = {
#include "app/window_icon_pixels.inc"
};

void transposeIconTable(const unsigned char* table, unsigned char* pixels) {
  const int width = windowIconSize;
  const int height = windowIconSize;
  unsigned char* out = pixels;
  for (int i = 0; i < width; ++i) {
    for (int j = 0; j < height; ++j) {
      std::memcpy(out, table + j * 256 + i * 4, 4);
      out += 4;
    }
  }
}
