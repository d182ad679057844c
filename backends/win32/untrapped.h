#pragma once

// No C++ exception may unwind through Windows' own frames: a window
// procedure is called from inside user32, and what it would unwind through
// is not C++. The event path reports and ends the program itself for every
// error of a handler; what still escapes (it should not) is caught at the
// edge of each window procedure and ends the program there.

#include "ui/platform.h"

namespace sagelight::win32 {

// Call only from inside a catch handler: reports the exception being
// handled as an untrapped error, closes the program's files and ends the
// process with status 1.
[[noreturn]] void EndOnUntrapped(ui::Platform& platform) noexcept;

// Runs `body`; anything escaping it ends the program.
template <typename Body>
auto Guarded(ui::Platform& platform, const Body& body) noexcept -> decltype(body()) {
  try {
    return body();
  } catch (...) {
    EndOnUntrapped(platform);
  }
}

}  // namespace sagelight::win32
