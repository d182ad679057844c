#pragma once

// What the two Linux programs, sagelight (X11, and the choice of backend)
// and sagelight-wayland, do alike around the backend each runs.

#include <signal.h>

#include <memory>

#include "runtime/runtime.h"
#include "startup/module1.h"
#include "ui/platform.h"

namespace sagelight {

// The signals as the program needs them, whatever its parent left: a write
// beyond the file-size limit must fail with its error ("Disk full") rather
// than kill the process without a word, and a daemon that hosts the saver
// ends it with SIGTERM, on which the process must go at once and without a
// word, even when its parent left that signal ignored.
inline void SetUpSignals() {
  signal(SIGXFSZ, SIG_IGN);
  signal(SIGTERM, SIG_DFL);
}

// Runs the program on `platform`, which outlives the runtime; returns the
// exit status.
inline int RunOn(const std::unique_ptr<ui::Platform>& platform) {
  const rt::Runtime runtime;
  return platform->Run(&Module1::Main);
}

}  // namespace sagelight
