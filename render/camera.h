// The camera (a projection and five view slots) and the per-frame values the
// smoke shader reads.
#pragma once

#include "render/vecmath.h"

class Camera {
 public:
  static constexpr int viewSlots = 5;

  Camera(float x, float y, float z);

  // Turns front and up about the right axis.
  void pitch(float degrees);
  // Computes the slot from position, target and up and makes it current.
  void updateView(int slot);
  // Makes the slot current without recomputing it.
  void selectView(int slot);
  void setProjection(const Mat4& matrix);

  Mat4 view() const;
  Mat4 projection() const;

 private:
  Mat4 views_[viewSlots];
  int currentSlot_ = 0;
  Vec3 position_;
  Vec3 target_;
  Vec3 front_{0.0f, 0.0f, -1.0f};
  Vec3 right_{1.0f, 0.0f, 0.0f};
  Vec3 up_{0.0f, 1.0f, 0.0f};
  Mat4 projection_;
};

class ShaderInputs {
 public:
  explicit ShaderInputs(float initialTime) : time_(initialTime) {}

  void setViewport(float width, float height) {
    width_ = width;
    height_ = height;
  }
  void setTime(float seconds) { time_ = seconds; }

  float width() const { return width_; }
  float height() const { return height_; }
  float time() const { return time_; }

 private:
  float width_ = 0.0f;
  float height_ = 0.0f;
  float time_ = 0.0f;
};
