// Placeholder until the About window is built: returns at once.
#include "about/about_window.h"

AboutWindow::AboutWindow(HINSTANCE, int) {}
