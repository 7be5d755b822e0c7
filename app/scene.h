// The scene the frame loop draws: built once, then drawn every pass.
#pragma once

class Camera;
class GLFWDrawableSky;
class ProgramRegistry;
class ShaderInputs;

// The scene objects, made once by setupScene and kept for the life of the process.
extern ProgramRegistry* programRegistry;
extern ShaderInputs* shaderInputs;
extern Camera* camera;
extern GLFWDrawableSky* sky;

// Builds the scene; the saver's context must be current.
void setupScene();

// Reads the clock and draws one frame into the default framebuffer.
void updateFrame();

// Draws one frame with the current time and drawing size.
void renderFrame();
