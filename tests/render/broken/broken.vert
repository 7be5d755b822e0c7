#version 110
// Deliberately broken: an undeclared name.
attribute vec4 position;
void main() {
  gl_Position = position * undeclaredScale;
}
//~
