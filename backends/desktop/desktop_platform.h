#pragma once

// What the platforms of the POSIX window systems, X11 and Wayland, share
// above the POSIX pieces: the process's command line and single-instance
// lock, the one event loop that runs the form's timers, and an end that
// leaves at once. A backend adds its connection, made when the program first
// needs it, and its form.

#include <string>

#include "backends/posix/event_loop.h"
#include "backends/posix/process.h"
#include "ui/platform.h"

namespace sagelight::posix {

class DesktopPlatform : public ui::Platform, protected EventSource {
 public:
  DesktopPlatform(int argc, char** argv);

  bool PrevInstance() final;
  std::string CommandLine() final;
  bool CanShowMessages() final;
  void RunEventLoop() final;

 protected:
  // Whether the window system answers; the first call connects.
  virtual bool Connected() = 0;

  void EndProcess(int exit_status) final;
  int RunTimers() final;

 private:
  Process process_;
};

}  // namespace sagelight::posix
