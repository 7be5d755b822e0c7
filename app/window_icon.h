// The saver window's 64 x 64 icon.
#pragma once

#include <cstddef>

constexpr int windowIconSize = 64;
constexpr std::size_t windowIconBytes = windowIconSize * windowIconSize * 4;

// RGBA pixels stored column by column: the first 64 pixels are the image's
// left column from the top.
extern const unsigned char windowIconTable[windowIconBytes];

// Turns a column-by-column table into rows from the top, as GLFWimage wants.
void transposeIconTable(const unsigned char* table, unsigned char* pixels);
