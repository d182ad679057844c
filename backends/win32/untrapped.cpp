#include "backends/win32/untrapped.h"

#include <cstdint>
#include <new>
#include <string>

#include "runtime/runtime_error.h"

namespace sagelight::win32 {
namespace {

// The number the runtime gives a fault of its own rather than of the
// program.
constexpr std::int32_t kErrInternal = 51;

}  // namespace

void EndOnUntrapped(ui::Platform& platform) noexcept {
  try {
    rt::RuntimeError untrapped(kErrInternal, "Internal error");
    try {
      throw;
    } catch (const rt::RuntimeError& error) {
      untrapped = error;
    } catch (const std::bad_alloc&) {
      untrapped = rt::RuntimeError(rt::kErrOutOfMemory);
    } catch (...) {
      // Neither the program's error nor memory: the runtime's own fault.
    }
    platform.EndOnError(untrapped);
  } catch (...) {
    // The report failed in turn (memory ran out); ending is what is left.
  }
  platform.EndProgram(1);
}

}  // namespace sagelight::win32
