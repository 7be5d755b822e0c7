#version 110
// Deliberately without its end marker.
attribute vec4 position;
void main() {
  gl_Position = position;
}
