// Centres the About window on the screen.
#include "about/about_layout.h"

AboutWindowPosition aboutWindowPosition(int screenWidth, int screenHeight) {
  // In double: no integer overflow for extreme sizes, and -0.5 truncates to 0.
  const double x = (static_cast<double>(screenWidth) - kAboutWindowWidth) * 0.5;
  const double y = (static_cast<double>(screenHeight) - kAboutWindowHeight) * 0.5;
  return {static_cast<int>(x), static_cast<int>(y)};
}
