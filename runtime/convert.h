#pragma once

#include <cstdint>

namespace sagelight::rt {

// Round to the nearest whole number, an exact half to the even neighbour,
// into a signed 16-bit integer; outside -32768..32767 (or not a number)
// raises the overflow error. 32767.5 overflows, -32768.5 gives -32768.
std::int16_t RoundToInt16(double value);

// The same rounding into a signed 32-bit integer.
std::int32_t RoundToInt32(double value);

// The whole part toward minus infinity, into a signed 16-bit integer.
std::int16_t FloorToInt16(double value);

// The same into a signed 32-bit integer.
std::int32_t FloorToInt32(double value);

// A 32-bit count narrowed to 16 bits, with the overflow error.
std::int16_t NarrowToInt16(std::int32_t value);

// Round to single precision; a finite value too large for a float raises
// the overflow error, not a number raises the floating-point error.
float RoundToSingle(double value);

// 16-bit integer arithmetic never wraps: leaving the range is an overflow.
std::int16_t AddInt16(std::int16_t a, std::int16_t b);
std::int16_t SubtractInt16(std::int16_t a, std::int16_t b);
// And 32-bit arithmetic leaves its own range as an overflow too.
std::int32_t SubtractInt32(std::int32_t a, std::int32_t b);

}  // namespace sagelight::rt
