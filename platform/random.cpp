#include "platform/random.h"

#include <chrono>
#include <cstdint>
#include <deque>

#include "platform/runtime.h"

namespace sagelight::rt {
namespace {

std::uint64_t& State() { return Runtime::Current().Random().state; }

// splitmix64: a cheap generator whose every output is a strong mix of the
// whole state, so a state that differs in one bit gives unrelated numbers.
std::uint64_t Next() {
  std::uint64_t& state = State();
  state += 0x9e3779b97f4a7c15ULL;
  std::uint64_t z = state;
  z = (z ^ (z >> 30U)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27U)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31U);
}

}  // namespace

void Randomize() {
  const auto ticks = static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  State() ^= ticks * 0xd1342543de82ef95ULL;
  (void)Next();
}

float NextRandom() {
  if (std::deque<float>& queue = Runtime::Current().Random().scripted; !queue.empty()) {
    const float queued = queue.front();
    queue.pop_front();
    return queued;
  }
  constexpr float kScale = 1.0F / 16777216.0F;  // 2^-24
  return static_cast<float>(Next() >> 40U) * kScale;
}

}  // namespace sagelight::rt
