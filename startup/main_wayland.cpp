#include <sys/prctl.h>

#include "backends/wayland/wayland_platform.h"
#include "startup/linux_entry.h"

// The program of Wayland sessions: the saver as a native client of the
// compositor. sagelight runs it in its own process where the session is a
// Wayland one, so that a saver loads the libraries of one window system
// only.
int main(int argc, char** argv) {
  sagelight::SetUpSignals();
  // Known by the name users start it by, to ps, top and pkill.
  prctl(PR_SET_NAME, "sagelight");
  return sagelight::RunOn(sagelight::wayland::MakePlatform(argc, argv));
}
