#include "bus.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace sagelight_idle {
namespace {

constexpr const char* kScreenSaver = "org.freedesktop.ScreenSaver";
constexpr const char* kMutter = "org.gnome.Mutter.IdleMonitor";
constexpr const char* kMutterPath = "/org/gnome/Mutter/IdleMonitor/Core";
constexpr const char* kLogind = "org.freedesktop.login1";

// sd-bus's cleanup helpers are C attributes; these are the C++ ones.
struct MessageRef {
  sd_bus_message* message = nullptr;
  ~MessageRef() { sd_bus_message_unref(message); }
};
struct ErrorRef {
  sd_bus_error error = SD_BUS_ERROR_NULL;
  ~ErrorRef() { sd_bus_error_free(&error); }
};

}  // namespace

Bus::Bus(sd_bus* bus, Loop& loop, std::function<void()> lost)
    : bus_(bus), loop_(loop), lost_(std::move(lost)) {
  loop_.Add(sd_bus_get_fd(bus_),
            {[this](std::optional<Loop::Clock::time_point>& deadline) -> short {
               sd_bus_flush(bus_);
               uint64_t usec = 0;
               if (sd_bus_get_timeout(bus_, &usec) > 0 && usec != UINT64_MAX) {
                 // An absolute CLOCK_MONOTONIC time, the steady clock's on Linux.
                 deadline = Loop::Clock::time_point(std::chrono::microseconds(usec));
               }
               const int events = sd_bus_get_events(bus_);
               return static_cast<short>(events < 0 ? POLLIN : events);
             },
             [this](short) {
               int result = 0;
               while ((result = sd_bus_process(bus_, nullptr)) > 0) {
               }
               if (result < 0 && lost_) {
                 lost_();
               }
             }});
}

Bus::~Bus() {
  loop_.Remove(sd_bus_get_fd(bus_));
  sd_bus_flush_close_unref(bus_);
}

std::unique_ptr<Bus> Bus::OpenSession(Loop& loop, std::function<void()> lost) {
  sd_bus* bus = nullptr;
  if (sd_bus_open_user(&bus) < 0) {
    return nullptr;
  }
  return std::unique_ptr<Bus>(new Bus(bus, loop, std::move(lost)));
}

std::unique_ptr<Bus> Bus::OpenSystem(Loop& loop, std::function<void()> lost) {
  sd_bus* bus = nullptr;
  if (sd_bus_open_system(&bus) < 0) {
    return nullptr;
  }
  return std::unique_ptr<Bus>(new Bus(bus, loop, std::move(lost)));
}

int Bus::RequestName(const char* name) {
  const int result = sd_bus_request_name(bus_, name, 0);
  if (result == -EEXIST || result == -EALREADY) {
    return result == -EALREADY ? 0 : -EEXIST;
  }
  return result < 0 ? result : 0;
}

unsigned Bus::OwnerPid(const char* name) {
  ErrorRef error;
  MessageRef reply;
  uint32_t pid = 0;
  if (sd_bus_call_method(bus_, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                         "org.freedesktop.DBus", "GetConnectionUnixProcessID", &error.error,
                         &reply.message, "s", name) < 0 ||
      sd_bus_message_read(reply.message, "u", &pid) < 0) {
    return 0;
  }
  return pid;
}

// ---------------------------------------------------------------------------

namespace {
const sd_bus_vtable kScreenSaverVtable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("Inhibit", "ss", "u", nullptr, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("UnInhibit", "u", "", nullptr, SD_BUS_VTABLE_UNPRIVILEGED), SD_BUS_VTABLE_END};
}  // namespace

std::unique_ptr<ScreenSaverInhibitors> ScreenSaverInhibitors::Serve(Bus& bus,
                                                                    std::function<void()> changed) {
  std::unique_ptr<ScreenSaverInhibitors> self(new ScreenSaverInhibitors(bus, std::move(changed)));
  // The table names no handlers, so that it can stay constant; each path
  // gets a copy with them filled in.
  static sd_bus_vtable table[std::size(kScreenSaverVtable)];
  std::memcpy(table, kScreenSaverVtable, sizeof table);
  table[1].x.method.handler = &ScreenSaverInhibitors::Inhibit;
  table[2].x.method.handler = &ScreenSaverInhibitors::UnInhibit;
  // Served before the name is taken, so no caller finds the name without
  // the methods.
  for (const char* path : {"/org/freedesktop/ScreenSaver", "/ScreenSaver"}) {
    sd_bus_slot* slot = nullptr;
    if (sd_bus_add_object_vtable(bus.get(), &slot, path, kScreenSaver, table, self.get()) < 0) {
      return nullptr;
    }
    self->slots_.push_back(slot);
  }
  sd_bus_slot* slot = nullptr;
  if (sd_bus_match_signal(bus.get(), &slot, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                          "org.freedesktop.DBus", "NameOwnerChanged",
                          &ScreenSaverInhibitors::OwnerChanged, self.get()) < 0) {
    return nullptr;
  }
  self->slots_.push_back(slot);
  if (bus.RequestName(kScreenSaver) < 0) {
    return nullptr;
  }
  return self;
}

ScreenSaverInhibitors::~ScreenSaverInhibitors() {
  for (sd_bus_slot* slot : slots_) {
    sd_bus_slot_unref(slot);
  }
  sd_bus_release_name(bus_.get(), kScreenSaver);
}

std::string ScreenSaverInhibitors::Describe() const {
  std::string text;
  for (const auto& [cookie, holder] : cookies_) {
    text += (text.empty() ? "" : ", ") + holder.application + " (" + holder.reason + ")";
  }
  return text;
}

int ScreenSaverInhibitors::Inhibit(sd_bus_message* message, void* data, sd_bus_error*) {
  auto* self = static_cast<ScreenSaverInhibitors*>(data);
  const char* application = nullptr;
  const char* reason = nullptr;
  const int read = sd_bus_message_read(message, "ss", &application, &reason);
  if (read < 0) {
    return read;
  }
  const uint32_t cookie = self->next_cookie_++;
  self->cookies_[cookie] = {sd_bus_message_get_sender(message), application, reason};
  const int replied = sd_bus_reply_method_return(message, "u", cookie);
  if (self->cookies_.size() == 1) {
    self->changed_();
  }
  return replied;
}

int ScreenSaverInhibitors::UnInhibit(sd_bus_message* message, void* data, sd_bus_error*) {
  auto* self = static_cast<ScreenSaverInhibitors*>(data);
  uint32_t cookie = 0;
  const int read = sd_bus_message_read(message, "u", &cookie);
  if (read < 0) {
    return read;
  }
  const bool dropped = self->cookies_.erase(cookie) > 0;
  const int replied = sd_bus_reply_method_return(message, "");
  if (dropped && self->cookies_.empty()) {
    self->changed_();
  }
  return replied;
}

int ScreenSaverInhibitors::OwnerChanged(sd_bus_message* message, void* data, sd_bus_error*) {
  auto* self = static_cast<ScreenSaverInhibitors*>(data);
  const char* name = nullptr;
  const char* old_owner = nullptr;
  const char* new_owner = nullptr;
  if (sd_bus_message_read(message, "sss", &name, &old_owner, &new_owner) < 0 ||
      new_owner[0] != '\0') {
    return 0;
  }
  // A caller that left the bus can no longer say UnInhibit.
  const std::size_t before = self->cookies_.size();
  std::erase_if(self->cookies_, [name](const auto& entry) { return entry.second.sender == name; });
  if (before > 0 && self->cookies_.empty()) {
    self->changed_();
  }
  return 0;
}

// ---------------------------------------------------------------------------

namespace {

class MutterSource : public IdleSource {
 public:
  MutterSource(Bus& bus, IdleListener& listener) : bus_(bus), listener_(listener) {}
  ~MutterSource() override {
    Remove(idle_watch_);
    Remove(active_watch_);
    sd_bus_slot_unref(slot_);
  }
  bool Start() {
    return sd_bus_match_signal(bus_.get(), &slot_, kMutter, kMutterPath, kMutter, "WatchFired",
                               &MutterSource::Fired, this) >= 0;
  }
  std::string Name() const override { return "org.gnome.Mutter.IdleMonitor"; }

  void Arm(Milliseconds after, bool from_now) override {
    Remove(idle_watch_);
    Remove(active_watch_);
    after_ = after;
    uint64_t interval = after.count();
    if (from_now) {
      interval += IdleTime();
    }
    idle_watch_ = Call("AddIdleWatch", "t", interval);
  }

  uint64_t IdleTime() {
    ErrorRef error;
    MessageRef reply;
    uint64_t idle = 0;
    if (sd_bus_call_method(bus_.get(), kMutter, kMutterPath, kMutter, "GetIdletime", &error.error,
                           &reply.message, "") < 0 ||
        sd_bus_message_read(reply.message, "t", &idle) < 0) {
      return UINT64_MAX;
    }
    return idle;
  }

 private:
  template <typename... Args>
  uint32_t Call(const char* method, const char* types, Args... args) {
    ErrorRef error;
    MessageRef reply;
    uint32_t id = 0;
    if (sd_bus_call_method(bus_.get(), kMutter, kMutterPath, kMutter, method, &error.error,
                           &reply.message, types, args...) >= 0) {
      sd_bus_message_read(reply.message, "u", &id);
    } else {
      std::fprintf(stderr, "sagelight-idle: %s: %s\n", method, error.error.message);
    }
    return id;
  }
  void Remove(uint32_t& watch) {
    if (watch != 0) {
      sd_bus_call_method_async(bus_.get(), nullptr, kMutter, kMutterPath, kMutter, "RemoveWatch",
                               nullptr, nullptr, "u", watch);
      watch = 0;
    }
  }
  static int Fired(sd_bus_message* message, void* data, sd_bus_error*) {
    auto* self = static_cast<MutterSource*>(data);
    uint32_t id = 0;
    if (sd_bus_message_read(message, "u", &id) < 0 || id == 0) {
      return 0;
    }
    if (id == self->idle_watch_) {
      self->active_watch_ = self->Call("AddUserActiveWatch", "");
      self->listener_.OnIdle(self->after_);
    } else if (id == self->active_watch_) {
      self->active_watch_ = 0;  // a user-active watch fires once
      self->listener_.OnActive();
    }
    return 0;
  }

  Bus& bus_;
  IdleListener& listener_;
  sd_bus_slot* slot_ = nullptr;
  uint32_t idle_watch_ = 0;
  uint32_t active_watch_ = 0;
  Milliseconds after_{};
};

}  // namespace

std::unique_ptr<IdleSource> MakeMutterSource(Bus& bus, IdleListener& listener) {
  auto source = std::make_unique<MutterSource>(bus, listener);
  if (source->IdleTime() == UINT64_MAX || !source->Start()) {
    return nullptr;
  }
  return source;
}

// ---------------------------------------------------------------------------

std::vector<std::string> Logind::IdleInhibitors() {
  StopWatching();
  std::vector<std::string> who;
  ErrorRef error;
  MessageRef reply;
  if (sd_bus_call_method(bus_.get(), kLogind, "/org/freedesktop/login1",
                         "org.freedesktop.login1.Manager", "ListInhibitors", &error.error,
                         &reply.message, "") < 0 ||
      sd_bus_message_enter_container(reply.message, 'a', "(ssssuu)") < 0) {
    return who;
  }
  const char *what = nullptr, *name = nullptr, *why = nullptr, *mode = nullptr;
  uint32_t uid = 0, pid = 0;
  while (sd_bus_message_read(reply.message, "(ssssuu)", &what, &name, &why, &mode, &uid, &pid) >
         0) {
    const std::string kinds = std::string(":") + what + ":";
    if (kinds.find(":idle:") == std::string::npos || std::strcmp(mode, "block") != 0) {
      continue;
    }
    who.push_back(std::string(name) + " (" + why + ")");
    // logind tells of no change of its list, but an inhibitor lasts as
    // long as its process at most.
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd >= 0) {
      pidfds_.push_back(pidfd);
      loop_.Add(pidfd, {nullptr, [this](short revents) {
                          if (revents != 0) {
                            StopWatching();
                            changed_();
                          }
                        }});
    }
  }
  return who;
}

void Logind::StopWatching() {
  for (int pidfd : pidfds_) {
    loop_.Remove(pidfd);
    close(pidfd);
  }
  pidfds_.clear();
}

void Logind::SetIdleHint(bool idle) {
  sd_bus_call_method_async(bus_.get(), nullptr, kLogind, "/org/freedesktop/login1/session/auto",
                           "org.freedesktop.login1.Session", "SetIdleHint", nullptr, nullptr, "b",
                           static_cast<int>(idle));
}

}  // namespace sagelight_idle
