// Idleness from the Wayland compositor: ext-idle-notify-v1 where it offers
// it, else the older KDE idle protocol (the only one of sway 1.7).
#pragma once

#include <memory>

#include "idle_source.h"
#include "loop.h"

namespace sagelight_idle {

class WaylandSession {
 public:
  // Empty when no compositor answers; `lost` runs when it goes away.
  static std::unique_ptr<WaylandSession> Connect(Loop& loop, void (*lost)());
  ~WaylandSession();
  // Empty when the compositor offers neither protocol.
  std::unique_ptr<IdleSource> MakeIdleSource(IdleListener& listener);

  struct Impl;

 private:
  explicit WaylandSession(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace sagelight_idle
