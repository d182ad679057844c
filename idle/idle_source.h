// What the watcher needs of a session's notion of idleness, whichever of
// the Wayland protocols, Mutter's monitor or the X server provides it.
#pragma once

#include <string>

#include "settings.h"

namespace sagelight_idle {

class IdleListener {
 public:
  // The user has been idle for the armed time; `idle_for` is the source's
  // own count where it has one, else the armed time.
  virtual void OnIdle(Milliseconds idle_for) = 0;
  // The first input after OnIdle.
  virtual void OnActive() = 0;

 protected:
  ~IdleListener() = default;
};

class IdleSource {
 public:
  virtual ~IdleSource() = default;
  virtual std::string Name() const = 0;
  // Replaces any earlier wait: OnIdle once the user has given no input for
  // `after`, counted from the last input, or from now when `from_now`;
  // then OnActive at the next input.
  virtual void Arm(Milliseconds after, bool from_now) = 0;
};

}  // namespace sagelight_idle
