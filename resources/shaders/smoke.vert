#version 110
// The sky quad's corners are clip-space positions already: they pass through
// unchanged, so the quad covers the viewport whatever the matrices hold.
attribute vec4 position;
attribute vec2 position_tex;
attribute vec3 position_normal;
uniform mat4 model_world;
uniform mat4 world_projection;
uniform mat4 model_projection;
varying vec2 fs_tex;

void main() {
  fs_tex = position_tex;
  gl_Position = position;
}
//~
