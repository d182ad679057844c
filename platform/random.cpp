#include "platform/random.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <utility>

namespace sagelight::rt {
namespace {

std::uint64_t g_state = 0x853c49e6748fea9bULL;

std::deque<float>& Queued() {
  static std::deque<float> queued;
  return queued;
}

// splitmix64: a cheap generator whose every output is a strong mix of the
// whole state, so a state that differs in one bit gives unrelated numbers.
std::uint64_t Next() {
  g_state += 0x9e3779b97f4a7c15ULL;
  std::uint64_t z = g_state;
  z = (z ^ (z >> 30U)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27U)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31U);
}

}  // namespace

void Randomize() {
  const auto ticks = static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  g_state ^= ticks * 0xd1342543de82ef95ULL;
  (void)Next();
}

float NextRandom() {
  if (std::deque<float>& queue = Queued(); !queue.empty()) {
    const float queued = queue.front();
    queue.pop_front();
    return queued;
  }
  constexpr float kScale = 1.0F / 16777216.0F;  // 2^-24
  return static_cast<float>(Next() >> 40U) * kScale;
}

void SeedRandom(unsigned long long seed) { g_state = seed; }

void QueueRandomNumbers(std::vector<float> numbers) {
  Queued().assign(std::make_move_iterator(numbers.begin()), std::make_move_iterator(numbers.end()));
}

}  // namespace sagelight::rt
