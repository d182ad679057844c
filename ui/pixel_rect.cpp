#include "ui/pixel_rect.h"

#include <algorithm>

namespace sagelight::ui {

PixelRect PixelRect::Intersect(const PixelRect& other) const {
  const int l = std::max(left, other.left);
  const int t = std::max(top, other.top);
  const int r = std::min(left + width, other.left + other.width);
  const int b = std::min(top + height, other.top + other.height);
  return {l, t, std::max(0, r - l), std::max(0, b - t)};
}

}  // namespace sagelight::ui
