#include "wayland_source.h"

#include <wayland-client.h>

#include <cstring>

#include "ext-idle-notify-v1-client-protocol.h"
#include "kde-idle-client-protocol.h"

namespace sagelight_idle {

struct WaylandSession::Impl {
  wl_display* display = nullptr;
  wl_registry* registry = nullptr;
  wl_seat* seat = nullptr;
  ext_idle_notifier_v1* notifier = nullptr;
  org_kde_kwin_idle* kde_idle = nullptr;
  Loop* loop = nullptr;
  void (*lost)() = nullptr;

  static void Global(void* data, wl_registry* registry, uint32_t name, const char* interface,
                     uint32_t /*version*/) {
    auto* self = static_cast<Impl*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && self->seat == nullptr) {
      self->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0) {
      self->notifier = static_cast<ext_idle_notifier_v1*>(
          wl_registry_bind(registry, name, &ext_idle_notifier_v1_interface, 1));
    } else if (std::strcmp(interface, org_kde_kwin_idle_interface.name) == 0) {
      self->kde_idle = static_cast<org_kde_kwin_idle*>(
          wl_registry_bind(registry, name, &org_kde_kwin_idle_interface, 1));
    }
  }
  static void GlobalRemove(void*, wl_registry*, uint32_t) {}
  static constexpr wl_registry_listener kRegistry{Global, GlobalRemove};
};

namespace {

// Both protocols count the time from the moment a notification object is
// made, so arming makes a new one; "from the last input" and "from now"
// are the same here, since the compositor tells of each return.
class ExtIdleSource : public IdleSource {
 public:
  ExtIdleSource(WaylandSession::Impl& w, IdleListener& listener) : w_(w), listener_(listener) {}
  ~ExtIdleSource() override { Drop(); }
  std::string Name() const override { return "ext-idle-notify-v1"; }
  void Arm(Milliseconds after, bool /*from_now*/) override {
    Drop();
    after_ = after;
    notification_ = ext_idle_notifier_v1_get_idle_notification(
        w_.notifier, static_cast<uint32_t>(after.count()), w_.seat);
    ext_idle_notification_v1_add_listener(notification_, &kListener, this);
  }

 private:
  void Drop() {
    if (notification_ != nullptr) {
      ext_idle_notification_v1_destroy(notification_);
      notification_ = nullptr;
    }
  }
  static void Idled(void* data, ext_idle_notification_v1*) {
    auto* self = static_cast<ExtIdleSource*>(data);
    self->listener_.OnIdle(self->after_);
  }
  static void Resumed(void* data, ext_idle_notification_v1*) {
    static_cast<ExtIdleSource*>(data)->listener_.OnActive();
  }
  static constexpr ext_idle_notification_v1_listener kListener{Idled, Resumed};

  WaylandSession::Impl& w_;
  IdleListener& listener_;
  ext_idle_notification_v1* notification_ = nullptr;
  Milliseconds after_{};
};

class KdeIdleSource : public IdleSource {
 public:
  KdeIdleSource(WaylandSession::Impl& w, IdleListener& listener) : w_(w), listener_(listener) {}
  ~KdeIdleSource() override { Drop(); }
  std::string Name() const override { return "KDE idle (org_kde_kwin_idle)"; }
  void Arm(Milliseconds after, bool /*from_now*/) override {
    Drop();
    after_ = after;
    timeout_ = org_kde_kwin_idle_get_idle_timeout(w_.kde_idle, w_.seat,
                                                  static_cast<uint32_t>(after.count()));
    org_kde_kwin_idle_timeout_add_listener(timeout_, &kListener, this);
  }

 private:
  void Drop() {
    if (timeout_ != nullptr) {
      org_kde_kwin_idle_timeout_release(timeout_);
      timeout_ = nullptr;
    }
  }
  static void Idle(void* data, org_kde_kwin_idle_timeout*) {
    auto* self = static_cast<KdeIdleSource*>(data);
    self->listener_.OnIdle(self->after_);
  }
  static void Resumed(void* data, org_kde_kwin_idle_timeout*) {
    static_cast<KdeIdleSource*>(data)->listener_.OnActive();
  }
  static constexpr org_kde_kwin_idle_timeout_listener kListener{Idle, Resumed};

  WaylandSession::Impl& w_;
  IdleListener& listener_;
  org_kde_kwin_idle_timeout* timeout_ = nullptr;
  Milliseconds after_{};
};

}  // namespace

WaylandSession::WaylandSession(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

std::unique_ptr<WaylandSession> WaylandSession::Connect(Loop& loop, void (*lost)()) {
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) {
    return nullptr;
  }
  auto impl = std::make_unique<Impl>();
  impl->display = display;
  impl->loop = &loop;
  impl->lost = lost;
  impl->registry = wl_display_get_registry(display);
  wl_registry_add_listener(impl->registry, &Impl::kRegistry, impl.get());
  if (wl_display_roundtrip(display) < 0) {
    wl_display_disconnect(display);
    return nullptr;
  }
  Impl* raw = impl.get();
  // The usual reading dance, so that events queued while dispatching are
  // never left waiting behind a poll.
  loop.Add(wl_display_get_fd(display), {[raw](std::optional<Loop::Clock::time_point>&) -> short {
                                          while (wl_display_prepare_read(raw->display) != 0) {
                                            if (wl_display_dispatch_pending(raw->display) < 0) {
                                              raw->lost();
                                            }
                                          }
                                          wl_display_flush(raw->display);
                                          return POLLIN;
                                        },
                                        [raw](short revents) {
                                          if ((revents & POLLIN) != 0) {
                                            if (wl_display_read_events(raw->display) < 0) {
                                              raw->lost();
                                            }
                                          } else {
                                            wl_display_cancel_read(raw->display);
                                            if ((revents & (POLLHUP | POLLERR)) != 0) {
                                              raw->lost();
                                            }
                                          }
                                          if (wl_display_dispatch_pending(raw->display) < 0) {
                                            raw->lost();
                                          }
                                        }});
  return std::unique_ptr<WaylandSession>(new WaylandSession(std::move(impl)));
}

WaylandSession::~WaylandSession() {
  impl_->loop->Remove(wl_display_get_fd(impl_->display));
  wl_display_disconnect(impl_->display);
}

std::unique_ptr<IdleSource> WaylandSession::MakeIdleSource(IdleListener& listener) {
  if (impl_->seat == nullptr) {
    return nullptr;
  }
  if (impl_->notifier != nullptr) {
    return std::make_unique<ExtIdleSource>(*impl_, listener);
  }
  if (impl_->kde_idle != nullptr) {
    return std::make_unique<KdeIdleSource>(*impl_, listener);
  }
  return nullptr;
}

}  // namespace sagelight_idle
