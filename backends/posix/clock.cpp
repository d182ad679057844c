#include "backends/posix/clock.h"

#include <chrono>

namespace sagelight::posix {

std::int64_t MonotonicMillis() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace sagelight::posix
