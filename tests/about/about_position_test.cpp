// Where the About window's outer corner lands for a given screen size.
#include "about/about_layout.h"

#include <gtest/gtest.h>

namespace {

struct PositionCase {
  int screenWidth;
  int screenHeight;
  int x;
  int y;
};

TEST(AboutWindowPosition, CentresTheWindowTruncatingTowardZero) {
  const PositionCase cases[] = {
      {1920, 1080, 760, 390},
      {1366, 768, 483, 234},
      {1280, 720, 440, 210},
      {401, 301, 0, 0},       // +0.5 truncates down
      {399, 299, 0, 0},       // -0.5 truncates up, not to -1
      {300, 200, -50, -50},   // narrower than the window: off the left and top edge
      {1, 1, -199, -149},     // -199.5 truncates toward zero, not down to -200
      {0, 0, -200, -150},
  };
  for (const PositionCase& c : cases) {
    const AboutWindowPosition position = aboutWindowPosition(c.screenWidth, c.screenHeight);
    EXPECT_EQ(position.x, c.x) << c.screenWidth << " x " << c.screenHeight;
    EXPECT_EQ(position.y, c.y) << c.screenWidth << " x " << c.screenHeight;
  }
}

}  // namespace
