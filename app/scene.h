// The scene the frame loop draws: built once, then drawn every pass.
#pragma once

// Builds the scene; the saver's context must be current.
void setupScene();

// Reads the clock and draws one frame into the default framebuffer.
void updateFrame();

// Draws one frame with the current time and drawing size.
void renderFrame();
