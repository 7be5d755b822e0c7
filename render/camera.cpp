// Camera: pitch, view slots and projection.
#include "render/camera.h"

#include <cmath>

namespace {
bool isSlot(int slot) { return slot >= 0 && slot < Camera::viewSlots; }
}  // namespace

Camera::Camera(float x, float y, float z) : position_{x, y, z} {
  target_ = position_ + front_;
}

void Camera::pitch(float degrees) {
  const float a = radians(degrees);
  front_ = front_ * std::cos(a) + up_ * std::sin(a);
  up_ = cross(right_, front_);
  target_ = position_ + front_;
}

// A slot outside the five is ignored rather than written past the store.
void Camera::updateView(int slot) {
  if (!isSlot(slot)) return;
  views_[slot] = lookAt(position_, target_, up_);
  currentSlot_ = slot;
}

void Camera::selectView(int slot) {
  if (isSlot(slot)) currentSlot_ = slot;
}

void Camera::setProjection(const Mat4& matrix) { projection_ = matrix; }

Mat4 Camera::view() const { return views_[currentSlot_]; }

Mat4 Camera::projection() const { return projection_; }
