#pragma once

#include <cstdint>

namespace sagelight::posix {

// A monotonic clock in milliseconds: unaffected by changes of the time of day.
std::int64_t MonotonicMillis();

}  // namespace sagelight::posix
