#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "backends/x11/x11_platform.h"
#include "runtime/runtime.h"
#include "startup/module1.h"
#ifdef SAGELIGHT_HAVE_WAYLAND
#include "backends/wayland/wayland_platform.h"
#endif

namespace {

// One program for both kinds of Linux session: a Wayland session announces
// its compositor in WAYLAND_DISPLAY, and there the saver is a native client;
// elsewhere it talks to the X server. SAGELIGHT_BACKEND=x11 or wayland
// overrides the choice (XWayland, tests).
std::unique_ptr<sagelight::ui::Platform> ChooseBackend(int argc, char** argv) {
  const char* forced = std::getenv("SAGELIGHT_BACKEND");
  const char* wayland_display = std::getenv("WAYLAND_DISPLAY");
  bool wayland = wayland_display != nullptr && wayland_display[0] != '\0';
  if (forced != nullptr && forced[0] != '\0') {
    if (std::strcmp(forced, "x11") == 0) {
      wayland = false;
    } else if (std::strcmp(forced, "wayland") == 0) {
      wayland = true;
    } else {
      std::fputs("Sagelight: SAGELIGHT_BACKEND must be x11 or wayland\n", stderr);
      std::exit(2);
    }
  }
#ifdef SAGELIGHT_HAVE_WAYLAND
  if (wayland) {
    // A stale WAYLAND_DISPLAY beside a working X display: run on X and say
    // so, on one line with how the X display fares.
    std::string why;
    const char* x_display = std::getenv("DISPLAY");
    if ((forced == nullptr || forced[0] == '\0') && x_display != nullptr && x_display[0] != '\0' &&
        !sagelight::wayland::CompositorAnswers(why)) {
      return sagelight::x11::MakePlatform(argc, argv, why);
    }
    return sagelight::wayland::MakePlatform(argc, argv);
  }
#else
  if (wayland && forced != nullptr && std::strcmp(forced, "wayland") == 0) {
    std::fputs("Sagelight: this build has no Wayland backend\n", stderr);
    std::exit(2);
  }
#endif
  return sagelight::x11::MakePlatform(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
  // A write beyond the file-size limit must fail with its error ("Disk
  // full") rather than kill the process without a word.
  signal(SIGXFSZ, SIG_IGN);
  // A daemon that hosts the saver ends it with SIGTERM: the process must go
  // at once and without a word, even when its parent left the signal ignored.
  signal(SIGTERM, SIG_DFL);
  const auto platform = ChooseBackend(argc, argv);
  const sagelight::rt::Runtime runtime;
  return platform->Run(&sagelight::Module1::Main);
}
