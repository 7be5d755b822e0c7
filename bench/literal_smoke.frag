#version 110
// Benchmark baseline: the smoke function written out literally, loop and all,
// to measure the shipped shader against. Never shipped.
uniform float iTime;
uniform float viewportWidth;
uniform float viewportHeight;
varying vec2 fs_tex;

vec3 effect(float speed, vec2 p, float time) {
  float t = mod(time * speed, 60.0);
  float rho = 0.01 * sin(0.45 * t);
  p = p * mat2(cos(rho), -sin(rho), -sin(rho), cos(rho));
  float sigma = 0.005 * cos(0.05 * t);
  mat2 turn = mat2(sin(sigma), cos(sigma), -cos(sigma), sin(sigma));
  for (int i = 1; i < 40; i++) {
    float f = float(i);
    p = p * turn;
    float even = mod(f, 2.0) == 0.0 ? 1.0 : 0.0;
    p.y += -1.0 + even * (0.6 / f) * cos(t + f * p.x + 0.5 * f);
    p.x += 1.0 + (0.5 / f) * cos(t + f * p.y + 0.5 * (f + 15.0));
  }
  float r = 0.5 + 0.5 * sin(4.0 * p.x + t);
  float k = 0.5 + 0.5 * sin(3.0 * p.y);
  return vec3(r, 0.8 * k * r, k * r);
}

void main() {
  vec2 uv = vec2(gl_FragCoord.x / viewportWidth, gl_FragCoord.y / viewportHeight);
  uv = 2.0 * uv - 1.0;
  uv.x = uv.x * (viewportWidth / viewportHeight);
  uv = uv * (0.9 + 0.1 * sin(0.01 * iTime));
  uv.y = uv.y - 0.13 * iTime;
  vec3 col = effect(0.1, uv, iTime);
  col = col + 0.3 * effect(0.1, uv * 3.0, 2.0 * iTime + 10.0);
  col = col + 0.1 * effect(0.1, (sin(0.01 * iTime) * uv) * 2.0, 2.0 * iTime + 10.0);
  gl_FragColor = vec4(col.g, col.g, col.b, 1.0);
}
//~
