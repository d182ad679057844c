#pragma once

namespace sagelight::ui {

// A rectangle in a window's or a buffer's pixels, from its top left corner:
// what the backends that draw themselves paint and hit-test in.
struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  [[nodiscard]] bool Contains(double x, double y) const {
    return x >= left && y >= top && x < left + width && y < top + height;
  }
  [[nodiscard]] bool Empty() const { return width <= 0 || height <= 0; }
  [[nodiscard]] PixelRect Intersect(const PixelRect& other) const;
  bool operator==(const PixelRect&) const = default;
};

}  // namespace sagelight::ui
