#include "runtime/convert.h"

#include <cmath>
#include <limits>

#include "runtime/runtime_error.h"

namespace sagelight::rt {
namespace {

// std::nearbyint rounds in the current mode, which the program never
// changes from round-to-nearest-even.
double RoundHalfEven(double value) { return std::nearbyint(value); }

template <typename Int>
Int CheckedWhole(double whole) {
  if (!(whole >= static_cast<double>(std::numeric_limits<Int>::min()) &&
        whole <= static_cast<double>(std::numeric_limits<Int>::max()))) {
    Raise(kErrOverflow);
  }
  return static_cast<Int>(whole);
}

}  // namespace

std::int16_t RoundToInt16(double value) { return CheckedWhole<std::int16_t>(RoundHalfEven(value)); }

std::int32_t RoundToInt32(double value) { return CheckedWhole<std::int32_t>(RoundHalfEven(value)); }

std::int16_t FloorToInt16(double value) { return CheckedWhole<std::int16_t>(std::floor(value)); }

std::int32_t FloorToInt32(double value) { return CheckedWhole<std::int32_t>(std::floor(value)); }

std::int16_t NarrowToInt16(std::int32_t value) {
  return CheckedWhole<std::int16_t>(static_cast<double>(value));
}

float RoundToSingle(double value) {
  if (std::isnan(value)) {
    Raise(kErrInvalidCall);
  }
  const auto single = static_cast<float>(value);
  if (std::isinf(single) && !std::isinf(value)) {
    Raise(kErrOverflow);
  }
  return single;
}

std::int16_t AddInt16(std::int16_t a, std::int16_t b) {
  return NarrowToInt16(static_cast<std::int32_t>(a) + b);
}

std::int16_t SubtractInt16(std::int16_t a, std::int16_t b) {
  return NarrowToInt16(static_cast<std::int32_t>(a) - b);
}

std::int32_t SubtractInt32(std::int32_t a, std::int32_t b) {
  return CheckedWhole<std::int32_t>(static_cast<double>(a) - b);
}

}  // namespace sagelight::rt
