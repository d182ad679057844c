// D-Bus through sd-bus: the watcher's own name on the session bus, the
// org.freedesktop.ScreenSaver inhibitors it keeps where nobody else does,
// GNOME's idle monitor, and logind on the system bus.
#pragma once

#include <systemd/sd-bus.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "idle_source.h"
#include "loop.h"

namespace sagelight_idle {

inline constexpr const char* kBusName = "io.github.sagelight.Idle";

class Bus {
 public:
  // Empty when the bus cannot be reached. `lost` runs when it goes away.
  static std::unique_ptr<Bus> OpenSession(Loop& loop, std::function<void()> lost);
  static std::unique_ptr<Bus> OpenSystem(Loop& loop, std::function<void()> lost);
  ~Bus();
  Bus(const Bus&) = delete;
  Bus& operator=(const Bus&) = delete;

  sd_bus* get() const { return bus_; }
  // 0 once owned, -EEXIST when someone else owns it, another -errno else.
  int RequestName(const char* name);
  // The process that owns `name`, or 0.
  unsigned OwnerPid(const char* name);

 private:
  Bus(sd_bus* bus, Loop& loop, std::function<void()> lost);
  sd_bus* bus_;
  Loop& loop_;
  std::function<void()> lost_;
};

// org.freedesktop.ScreenSaver's Inhibit and UnInhibit on both of its paths.
class ScreenSaverInhibitors {
 public:
  // Empty when another program owns the name: the desktop then counts
  // inhibitors into its own idleness.
  static std::unique_ptr<ScreenSaverInhibitors> Serve(Bus& bus, std::function<void()> changed);
  ~ScreenSaverInhibitors();
  std::size_t Count() const { return cookies_.size(); }
  std::string Describe() const;

 private:
  struct Holder {
    std::string sender, application, reason;
  };
  ScreenSaverInhibitors(Bus& bus, std::function<void()> changed) : bus_(bus), changed_(changed) {}
  static int Inhibit(sd_bus_message* message, void* data, sd_bus_error* error);
  static int UnInhibit(sd_bus_message* message, void* data, sd_bus_error* error);
  static int OwnerChanged(sd_bus_message* message, void* data, sd_bus_error* error);

  Bus& bus_;
  std::function<void()> changed_;
  std::map<uint32_t, Holder> cookies_;
  uint32_t next_cookie_ = 1;
  std::vector<sd_bus_slot*> slots_;
};

// GNOME's org.gnome.Mutter.IdleMonitor; empty where nobody serves it.
std::unique_ptr<IdleSource> MakeMutterSource(Bus& bus, IdleListener& listener);

// logind: its idle inhibitors (systemd-inhibit --what=idle) and the
// session's idle hint.
class Logind {
 public:
  Logind(Bus& bus, Loop& loop, std::function<void()> changed)
      : bus_(bus), loop_(loop), changed_(std::move(changed)) {}
  ~Logind() { StopWatching(); }
  // The "who" of the idle-blocking inhibitors; while any holds, their
  // processes are watched and `changed` runs when one ends.
  std::vector<std::string> IdleInhibitors();
  void SetIdleHint(bool idle);

 private:
  void StopWatching();
  Bus& bus_;
  Loop& loop_;
  std::function<void()> changed_;
  std::vector<int> pidfds_;
};

}  // namespace sagelight_idle
