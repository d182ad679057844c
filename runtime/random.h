#pragma once

#include <cstdint>
#include <vector>

namespace sagelight::rt {

// Where the generator of a fresh process starts.
inline constexpr std::uint64_t kFreshGeneratorState = 0x853c49e6748fea9bULL;

// Start the generator from `state`, handing out the `scripted` numbers
// first (a run that must reach the ends of the range names them). The
// runtime starts it fresh when its process starts.
void StartGenerator(std::uint64_t state, std::vector<float> scripted = {});

// Mix the system clock into the generator. The clock is folded into the
// current state rather than replacing it, so two re-seeds within one tick of
// the clock still lead to different numbers.
void Randomize();

// The next number r of single precision, 0 <= r < 1. It has 24 random bits,
// so every value is exact in a float and the largest is 1 - 2^-24.
float NextRandom();

}  // namespace sagelight::rt
