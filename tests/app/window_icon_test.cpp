// The window icon table is stored column by column; GLFW wants rows from the top.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/window_icon.h"

namespace {

TEST(WindowIcon, PixelAtRowAndColumnComesFromTransposedTable) {
  // Every table pixel carries its own index, so a misplaced pixel is visible.
  std::vector<unsigned char> table(windowIconBytes);
  for (int p = 0; p < windowIconSize * windowIconSize; ++p) {
    table[p * 4 + 0] = static_cast<unsigned char>(p & 0xFF);
    table[p * 4 + 1] = static_cast<unsigned char>(p >> 8);
    table[p * 4 + 2] = 0x5A;
    table[p * 4 + 3] = 0xFF;
  }
  std::vector<unsigned char> pixels(windowIconBytes);
  transposeIconTable(table.data(), pixels.data());

  for (int row = 0; row < windowIconSize; ++row) {
    for (int column = 0; column < windowIconSize; ++column) {
      const unsigned char* out = &pixels[(row * windowIconSize + column) * 4];
      const int tablePixel = column * windowIconSize + row;
      ASSERT_EQ(out[0] | (out[1] << 8), tablePixel) << "row " << row << " column " << column;
      ASSERT_EQ(out[2], 0x5A);
      ASSERT_EQ(out[3], 0xFF);
    }
  }
}

TEST(WindowIcon, LeftColumnOfTheShippedIconIsTheTablesFirst64Pixels) {
  std::vector<unsigned char> pixels(windowIconBytes);
  transposeIconTable(windowIconTable, pixels.data());
  for (int row = 0; row < windowIconSize; ++row) {
    EXPECT_EQ(std::memcmp(&pixels[row * windowIconSize * 4], &windowIconTable[row * 4], 4), 0)
        << "row " << row;
  }
  // The top row is the first pixel of every column of the table.
  for (int column = 0; column < windowIconSize; ++column) {
    EXPECT_EQ(std::memcmp(&pixels[column * 4], &windowIconTable[column * windowIconSize * 4], 4), 0)
        << "column " << column;
  }
}

}  // namespace
