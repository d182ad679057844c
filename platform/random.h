#pragma once

namespace sagelight::rt {

// Mix the system clock into the generator. The clock is folded into the
// current state rather than replacing it, so two re-seeds within one tick of
// the clock still lead to different numbers.
void Randomize();

// The next number r of single precision, 0 <= r < 1. It has 24 random bits,
// so every value is exact in a float and the largest is 1 - 2^-24.
float NextRandom();

}  // namespace sagelight::rt
