#include "runtime/random.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <utility>

namespace sagelight::rt {
namespace {

// One generator for the process; the runtime starts it anew for each.
struct Generator {
  std::uint64_t state = 0;
  std::deque<float> scripted;
};
Generator g_generator;

std::uint64_t& State() { return g_generator.state; }

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

void StartGenerator(std::uint64_t state, std::vector<float> scripted) {
  g_generator.state = state;
  g_generator.scripted.assign(std::make_move_iterator(scripted.begin()),
                              std::make_move_iterator(scripted.end()));
}

void Randomize() {
  const auto ticks = static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  State() ^= ticks * 0xd1342543de82ef95ULL;
  (void)Next();
}

float NextRandom() {
  if (std::deque<float>& queue = g_generator.scripted; !queue.empty()) {
    const float queued = queue.front();
    queue.pop_front();
    return queued;
  }
  constexpr float kScale = 1.0F / 16777216.0F;  // 2^-24
  return static_cast<float>(Next() >> 40U) * kScale;
}

}  // namespace sagelight::rt
