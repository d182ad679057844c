#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "backends/x11/x11_platform.h"
#include "startup/linux_entry.h"
#ifdef SAGELIGHT_WAYLAND_PROGRAM
#include "backends/posix/wayland_socket.h"
#endif

namespace {

#ifdef SAGELIGHT_WAYLAND_PROGRAM
// Hands the process over to the program of Wayland sessions, which lives at
// SAGELIGHT_WAYLAND_PROGRAM from this program's folder (lib/sagelight
// beside bin/, in the build tree as installed), with the same arguments.
// Returns only where it cannot run; `why` then says so.
void RunWaylandProgram(char** argv, std::string& why) {
  char self[PATH_MAX] = {};
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  std::string program = SAGELIGHT_WAYLAND_PROGRAM;
  if (length > 0) {
    const std::string path(self, static_cast<std::size_t>(length));
    program = path.substr(0, path.rfind('/') + 1) + program;
  }
  execv(program.c_str(), argv);
  why = "the Wayland program " + program + " cannot run (" + std::strerror(errno) + ")";
}
#endif

// One program for both kinds of Linux session: a Wayland session announces
// its compositor in WAYLAND_DISPLAY, and there the saver is a native client;
// elsewhere it talks to the X server. SAGELIGHT_BACKEND=x11 or wayland
// overrides the choice (XWayland, tests).
std::unique_ptr<sagelight::ui::Platform> ChooseBackend(int argc, char** argv) {
  const char* forced = std::getenv("SAGELIGHT_BACKEND");
  const bool is_forced = forced != nullptr && forced[0] != '\0';
  const char* wayland_display = std::getenv("WAYLAND_DISPLAY");
  bool wayland = wayland_display != nullptr && wayland_display[0] != '\0';
  if (is_forced) {
    if (std::strcmp(forced, "x11") == 0) {
      wayland = false;
    } else if (std::strcmp(forced, "wayland") == 0) {
      wayland = true;
    } else {
      std::fputs("Sagelight: SAGELIGHT_BACKEND must be x11 or wayland\n", stderr);
      std::exit(2);
    }
  }
#ifdef SAGELIGHT_WAYLAND_PROGRAM
  if (wayland) {
    // A stale WAYLAND_DISPLAY beside a working X display: run on X and say
    // so, on one line with how the X display fares.
    std::string why;
    const char* x_display = std::getenv("DISPLAY");
    if (!is_forced && x_display != nullptr && x_display[0] != '\0' &&
        !sagelight::posix::CompositorAnswers(why)) {
      return sagelight::x11::MakePlatform(argc, argv, why);
    }
    RunWaylandProgram(argv, why);
    if (is_forced) {
      std::fputs(("Sagelight: " + why + "\n").c_str(), stderr);
      std::exit(2);
    }
    return sagelight::x11::MakePlatform(argc, argv, why);
  }
#else
  if (wayland && is_forced) {
    std::fputs("Sagelight: this build has no Wayland backend\n", stderr);
    std::exit(2);
  }
#endif
  return sagelight::x11::MakePlatform(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
  sagelight::SetUpSignals();
  return sagelight::RunOn(ChooseBackend(argc, argv));
}
