#version 110
// Drifting blue-grey smoke, computed per pixel from the window position,
// the viewport size and the time in seconds.
//
// Three layers of the same folded field are added: the base layer, a finer
// one at three times the scale and a faint one that breathes with the slow
// zoom. Each layer turns its point by nearly a quarter turn 39 times, pushing
// it along both axes with cosine waves. The steps are written out one by one
// with their constants folded: the y wave only exists on even steps, and the
// two upper layers share their time and turn constants. Only the blue channel
// is worked out; red and green are always 0.8 times blue.
uniform float iTime;
uniform float viewportWidth;
uniform float viewportHeight;
varying vec2 fs_tex;

// Brightness k * r of one layer for the point p at layer time t; (c1, s1)
// skews the start point, (c2, s2) is the turn of every step.
float smokeLayer(vec2 p, float t, float c1, float s1, float c2, float s2) {
  vec2 q = vec2(c1 * p.x - s1 * p.y, c1 * p.y - s1 * p.x);
  // step 1
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.5 * cos(t + q.y + 8.0);
  // step 2
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y += 0.3 * cos(t + 2.0 * q.x + 1.0) - 1.0;
  q.x += 1.0 + 0.25 * cos(t + 2.0 * q.y + 8.5);
  // step 3
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.16666667 * cos(t + 3.0 * q.y + 9.0);
  // step 4
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y += 0.15 * cos(t + 4.0 * q.x + 2.0) - 1.0;
  q.x += 1.0 + 0.125 * cos(t + 4.0 * q.y + 9.5);
  // step 5
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.1 * cos(t + 5.0 * q.y + 10.0);
  // step 6
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y += 0.1 * cos(t + 6.0 * q.x + 3.0) - 1.0;
  q.x += 1.0 + 0.083333333 * cos(t + 6.0 * q.y + 10.5);
  // step 7
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.071428571 * cos(t + 7.0 * q.y + 11.0);
  // step 8
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y += 0.075 * cos(t + 8.0 * q.x + 4.0) - 1.0;
  q.x += 1.0 + 0.0625 * cos(t + 8.0 * q.y + 11.5);
  // step 9
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.055555556 * cos(t + 9.0 * q.y + 12.0);
  // step 10
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y += 0.06 * cos(t + 10.0 * q.x + 5.0) - 1.0;
  q.x += 1.0 + 0.05 * cos(t + 10.0 * q.y + 12.5);
  // step 11
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.045454545 * cos(t + 11.0 * q.y + 13.0);
  // step 12
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y += 0.05 * cos(t + 12.0 * q.x + 6.0) - 1.0;
  q.x += 1.0 + 0.041666667 * cos(t + 12.0 * q.y + 13.5);
  // step 13
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.03846154 * cos(t + 13.0 * q.y + 14.0);
  // step 14
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y += 0.042857143 * cos(t + 14.0 * q.x + 7.0) - 1.0;
  q.x += 1.0 + 0.035714286 * cos(t + 14.0 * q.y + 14.5);
  // step 15
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.0333333333 * cos(t + 15.0 * q.y + 15.0);
  // step 16
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y += 0.0375 * cos(t + 16.0 * q.x + 8.0) - 1.0;
  q.x += 1.0 + 0.03125 * cos(t + 16.0 * q.y + 15.5);
  // step 17
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.029411765 * cos(t + 17.0 * q.y + 16.0);
  // step 18
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y += 0.0333333333 * cos(t + 18.0 * q.x + 9.0) - 1.0;
  q.x += 1.0 + 0.027777778 * cos(t + 18.0 * q.y + 16.5);
  // step 19
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.02631579 * cos(t + 19.0 * q.y + 17.0);
  // step 20
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y += 0.03 * cos(t + 20.0 * q.x + 10.0) - 1.0;
  q.x += 1.0 + 0.025 * cos(t + 20.0 * q.y + 17.5);
  // step 21
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.023809524 * cos(t + 21.0 * q.y + 18.0);
  // step 22
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y += 0.027272727 * cos(t + 22.0 * q.x + 11.0) - 1.0;
  q.x += 1.0 + 0.022727273 * cos(t + 22.0 * q.y + 18.5);
  // step 23
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.02173913 * cos(t + 23.0 * q.y + 19.0);
  // step 24
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y += 0.025 * cos(t + 24.0 * q.x + 12.0) - 1.0;
  q.x += 1.0 + 0.0208333333 * cos(t + 24.0 * q.y + 19.5);
  // step 25
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.02 * cos(t + 25.0 * q.y + 20.0);
  // step 26
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y += 0.023076923 * cos(t + 26.0 * q.x + 13.0) - 1.0;
  q.x += 1.0 + 0.01923077 * cos(t + 26.0 * q.y + 20.5);
  // step 27
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.018518519 * cos(t + 27.0 * q.y + 21.0);
  // step 28
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y += 0.0214285714 * cos(t + 28.0 * q.x + 14.0) - 1.0;
  q.x += 1.0 + 0.017857143 * cos(t + 28.0 * q.y + 21.5);
  // step 29
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.01724138 * cos(t + 29.0 * q.y + 22.0);
  // step 30
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y += 0.02 * cos(t + 30.0 * q.x + 15.0) - 1.0;
  q.x += 1.0 + 0.016666667 * cos(t + 30.0 * q.y + 22.5);
  // step 31
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.016129032 * cos(t + 31.0 * q.y + 23.0);
  // step 32
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y += 0.01875 * cos(t + 32.0 * q.x + 16.0) - 1.0;
  q.x += 1.0 + 0.015625 * cos(t + 32.0 * q.y + 23.5);
  // step 33
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.0151515152 * cos(t + 33.0 * q.y + 24.0);
  // step 34
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y += 0.01764706 * cos(t + 34.0 * q.x + 17.0) - 1.0;
  q.x += 1.0 + 0.014705882 * cos(t + 34.0 * q.y + 24.5);
  // step 35
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.014285714 * cos(t + 35.0 * q.y + 25.0);
  // step 36
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y += 0.016666667 * cos(t + 36.0 * q.x + 18.0) - 1.0;
  q.x += 1.0 + 0.013888889 * cos(t + 36.0 * q.y + 25.5);
  // step 37
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.013513514 * cos(t + 37.0 * q.y + 26.0);
  // step 38
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y += 0.015789474 * cos(t + 38.0 * q.x + 19.0) - 1.0;
  q.x += 1.0 + 0.013157895 * cos(t + 38.0 * q.y + 26.5);
  // step 39
  q = vec2(s2 * q.x + c2 * q.y, s2 * q.y - c2 * q.x);
  q.y -= 1.0;
  q.x += 1.0 + 0.012820513 * cos(t + 39.0 * q.y + 27.0);
  return (0.5 + 0.5 * sin(4.0 * q.x + t)) * (0.5 + 0.5 * sin(3.0 * q.y));
}

void main() {
  vec2 uv = gl_FragCoord.xy / vec2(viewportWidth, viewportHeight);
  uv = 2.0 * uv - 1.0;
  uv.x *= viewportWidth / viewportHeight;  // keep the proportions on any aspect ratio
  float slow = sin(0.01 * iTime);
  uv *= 0.9 + 0.1 * slow;  // slow zoom between 0.8 and 1.0
  uv.y -= 0.13 * iTime;    // steady upward drift

  // Base layer: its time restarts every 600 s.
  float t1 = mod(iTime * 0.1, 60.0);
  float skew1 = 0.01 * sin(0.45 * t1);
  float turn1 = 0.005 * cos(0.05 * t1);
  float blue = smokeLayer(uv, t1, cos(skew1), sin(skew1), cos(turn1), sin(turn1));

  // The two upper layers run at double speed and share everything but the point.
  float t2 = mod((2.0 * iTime + 10.0) * 0.1, 60.0);
  float skew2 = 0.01 * sin(0.45 * t2);
  float turn2 = 0.005 * cos(0.05 * t2);
  float c1 = cos(skew2);
  float s1 = sin(skew2);
  float c2 = cos(turn2);
  float s2 = sin(turn2);
  blue += 0.3 * smokeLayer(uv * 3.0, t2, c1, s1, c2, s2);
  blue += 0.1 * smokeLayer((slow * uv) * 2.0, t2, c1, s1, c2, s2);

  float grey = 0.8 * blue;
  gl_FragColor = vec4(grey, grey, blue, 1.0);
}
//~
