#pragma once

#include <vector>

namespace sagelight::rt {

// Mix the system clock into the generator. The clock is folded into the
// current state rather than replacing it, so two re-seeds within one tick of
// the clock still lead to different numbers.
void Randomize();

// The next number r of single precision, 0 <= r < 1. It has 24 random bits,
// so every value is exact in a float and the largest is 1 - 2^-24.
float NextRandom();

// Put the generator into a known state (for repeatable runs).
void SeedRandom(unsigned long long seed);

// Let the next draws return these numbers, in order, before the generator
// takes over again (tests use it to reach the ends of the range).
void QueueRandomNumbers(std::vector<float> numbers);

}  // namespace sagelight::rt
