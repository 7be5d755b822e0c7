// The drawing size follows every resize; a minimised window keeps the aspect.
#include <gtest/gtest.h>

#include "app/drawing_size.h"

namespace {

TEST(DrawingSize, ResizeUpdatesSizeAndSinglePrecisionAspect) {
  setDrawingSize(1920, 1080);
  EXPECT_EQ(windowWidth, 1920);
  EXPECT_EQ(windowHeight, 1080);
  EXPECT_EQ(windowAspect, 1920.0f / 1080.0f);

  setDrawingSize(152, 112);
  EXPECT_EQ(windowWidth, 152);
  EXPECT_EQ(windowAspect, 152.0f / 112.0f);
}

TEST(DrawingSize, ZeroHeightKeepsThePreviousAspect) {
  setDrawingSize(1280, 720);
  setDrawingSize(0, 0);
  EXPECT_EQ(windowWidth, 0);
  EXPECT_EQ(windowHeight, 0);
  EXPECT_EQ(windowAspect, 1280.0f / 720.0f);
  setDrawingSize(800, 600);
  EXPECT_EQ(windowAspect, 800.0f / 600.0f);
}

}  // namespace
