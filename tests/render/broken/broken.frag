#version 110
// Deliberately broken: a statement without its semicolon.
uniform float iTime;
void main() {
  gl_FragColor = vec4(iTime)
}
//~
