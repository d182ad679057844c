// The X server side: its idle counter (SYNC IDLETIME, or MIT-SCREEN-SAVER's
// idle time where the server lacks it), its own screen saver, which is kept
// off while the watcher runs, and full-screen windows.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "idle_source.h"
#include "loop.h"

namespace sagelight_idle {

class X11Session {
 public:
  // Empty when there is no display to open; `lost` runs when the server
  // goes away and must not return.
  static std::unique_ptr<X11Session> Open(Loop& loop, void (*lost)());
  ~X11Session();

  // The idle source on this server, or empty when it offers neither
  // extension.
  std::unique_ptr<IdleSource> MakeIdleSource(IdleListener& listener);

  // Whether a window on any screen asks to be full-screen. While one does,
  // `changed` runs on each change of the windows that could end it.
  bool FullScreenShown();
  void WatchFullScreen(std::function<void()> changed);
  void StopWatchingFullScreen();

  struct Impl;

 private:
  explicit X11Session(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace sagelight_idle
