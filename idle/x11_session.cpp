#include "x11_session.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>
#include <X11/extensions/sync.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace sagelight_idle {
namespace {

void (*on_lost)() = nullptr;

int IgnoreErrors(Display*, XErrorEvent*) {
  // A window that went away between a listing and a look at it is no
  // reason to stop.
  return 0;
}

int LostDisplay(Display*) {
  on_lost();
  return 0;  // not reached: on_lost ends the process
}

long long ToLong(XSyncValue value) {
  return (static_cast<long long>(XSyncValueHigh32(value)) << 32) |
         static_cast<unsigned>(XSyncValueLow32(value));
}

XSyncValue FromLong(long long number) {
  XSyncValue value;
  XSyncIntsToValue(&value, static_cast<unsigned>(number & 0xffffffff),
                   static_cast<int>(number >> 32));
  return value;
}

}  // namespace

struct X11Session::Impl {
  Display* display = nullptr;
  Loop* loop = nullptr;
  // The server's screen saver as it was, restored at the end.
  int timeout = 0, interval = 0, prefer_blanking = 0, allow_exposures = 0;
  int sync_event_base = 0;
  XSyncCounter idle_counter = None;
  std::function<void(const XEvent&)> source_events;
  std::function<void()> xss_timer;
  std::optional<Loop::Clock::time_point> xss_deadline;
  std::function<void()> full_screen_changed;
  std::vector<Window> watched;

  void Dispatch() {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (source_events) {
        source_events(event);
      }
      if (full_screen_changed && (event.type == PropertyNotify || event.type == UnmapNotify ||
                                  event.type == DestroyNotify || event.type == MapNotify)) {
        full_screen_changed();
      }
    }
  }

  std::vector<Window> Candidates(Window root) {
    // A window manager lists its clients; without one, the top-level
    // windows are the clients.
    std::vector<Window> found;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, root, XInternAtom(display, "_NET_CLIENT_LIST", False), 0,
                           1 << 16, False, XA_WINDOW, &type, &format, &count, &after,
                           &data) == Success &&
        type == XA_WINDOW && format == 32) {
      const auto* windows = reinterpret_cast<const unsigned long*>(data);
      found.assign(windows, windows + count);
    } else {
      Window root_back = None, parent = None;
      Window* children = nullptr;
      unsigned int child_count = 0;
      if (XQueryTree(display, root, &root_back, &parent, &children, &child_count) != 0) {
        for (unsigned int i = 0; i < child_count; ++i) {
          XWindowAttributes attributes;
          if (XGetWindowAttributes(display, children[i], &attributes) != 0 &&
              attributes.map_state == IsViewable) {
            found.push_back(children[i]);
          }
        }
        XFree(children);
      }
    }
    if (data != nullptr) {
      XFree(data);
    }
    return found;
  }

  bool IsFullScreen(Window window) {
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    const Atom full = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    bool yes = false;
    if (XGetWindowProperty(display, window, state, 0, 64, False, XA_ATOM, &type, &format, &count,
                           &after, &data) == Success &&
        type == XA_ATOM && format == 32) {
      const auto* atoms = reinterpret_cast<const unsigned long*>(data);
      for (unsigned long i = 0; i < count; ++i) {
        yes = yes || atoms[i] == full;
      }
    }
    if (data != nullptr) {
      XFree(data);
    }
    return yes;
  }
};

namespace {

// SYNC: one alarm for "idle past the time" and, once it fired, one for
// "input again", so the server wakes us only at those two moments.
class SyncSource : public IdleSource {
 public:
  SyncSource(X11Session::Impl& x, IdleListener& listener) : x_(x), listener_(listener) {
    x_.source_events = [this](const XEvent& event) { Handle(event); };
  }
  ~SyncSource() override {
    x_.source_events = nullptr;
    for (XSyncAlarm alarm : {idle_alarm_, active_alarm_}) {
      if (alarm != None) {
        XSyncDestroyAlarm(x_.display, alarm);
      }
    }
  }
  std::string Name() const override { return "X11 SYNC IDLETIME"; }

  void Arm(Milliseconds after, bool from_now) override {
    long long threshold = after.count();
    if (from_now) {
      XSyncValue now;
      if (XSyncQueryCounter(x_.display, x_.idle_counter, &now) != 0) {
        threshold += ToLong(now);
      }
    }
    Set(idle_alarm_, threshold, XSyncPositiveComparison);
    if (active_alarm_ != None) {
      XSyncDestroyAlarm(x_.display, active_alarm_);
      active_alarm_ = None;
    }
  }

 private:
  void Set(XSyncAlarm& alarm, long long value, XSyncTestType test) {
    XSyncAlarmAttributes attributes;
    attributes.trigger.counter = x_.idle_counter;
    attributes.trigger.value_type = XSyncAbsolute;
    attributes.trigger.wait_value = FromLong(value);
    attributes.trigger.test_type = test;
    // No delta: the alarm goes inactive once it fired, until set again.
    attributes.delta = FromLong(0);
    attributes.events = True;
    const unsigned long mask = XSyncCACounter | XSyncCAValueType | XSyncCAValue | XSyncCATestType |
                               XSyncCADelta | XSyncCAEvents;
    if (alarm == None) {
      alarm = XSyncCreateAlarm(x_.display, mask, &attributes);
    } else {
      XSyncChangeAlarm(x_.display, alarm, mask, &attributes);
    }
  }

  void Handle(const XEvent& event) {
    if (event.type != x_.sync_event_base + XSyncAlarmNotify) {
      return;
    }
    const auto& alarm = reinterpret_cast<const XSyncAlarmNotifyEvent&>(event);
    if (alarm.state == XSyncAlarmDestroyed) {
      return;
    }
    const long long value = ToLong(alarm.counter_value);
    if (alarm.alarm == idle_alarm_) {
      // Input brings the counter back to 0, so below the value that fired
      // means the user is back, also where that happened already.
      Set(active_alarm_, value > 0 ? value - 1 : 0, XSyncNegativeComparison);
      listener_.OnIdle(Milliseconds{value});
    } else if (alarm.alarm == active_alarm_) {
      listener_.OnActive();
    }
  }

  X11Session::Impl& x_;
  IdleListener& listener_;
  XSyncAlarm idle_alarm_ = None;
  XSyncAlarm active_alarm_ = None;
};

// MIT-SCREEN-SAVER only reports the idle time when asked, so it sleeps until
// the earliest moment the time can be up and asks again; after it fired, it
// asks every few seconds whether the user is back.
class ScreenSaverSource : public IdleSource {
 public:
  ScreenSaverSource(X11Session::Impl& x, IdleListener& listener)
      : x_(x), listener_(listener), info_(XScreenSaverAllocInfo()) {
    x_.xss_timer = [this] { Check(); };
  }
  ~ScreenSaverSource() override {
    x_.xss_timer = nullptr;
    x_.xss_deadline.reset();
    XFree(info_);
  }
  std::string Name() const override { return "X11 MIT-SCREEN-SAVER"; }

  void Arm(Milliseconds after, bool from_now) override {
    after_ = after;
    armed_at_ = from_now ? Loop::Clock::now() : Loop::Clock::time_point{};
    fired_ = false;
    Check();
  }

 private:
  Milliseconds Idle() {
    XScreenSaverQueryInfo(x_.display, DefaultRootWindow(x_.display), info_);
    return Milliseconds{info_->idle};
  }

  void Check() {
    const auto now = Loop::Clock::now();
    const Milliseconds idle = Idle();
    if (fired_) {
      if (idle < std::chrono::duration_cast<Milliseconds>(now - fired_at_)) {
        x_.xss_deadline.reset();
        fired_ = false;
        listener_.OnActive();
      } else {
        x_.xss_deadline = now + std::chrono::seconds(2);
      }
      return;
    }
    const auto due = std::max(now + (after_ - idle), armed_at_ + after_);
    if (due <= now) {
      fired_ = true;
      fired_at_ = now - idle;
      x_.xss_deadline = now + std::chrono::seconds(2);
      listener_.OnIdle(idle);
    } else {
      x_.xss_deadline = due;
    }
  }

  X11Session::Impl& x_;
  IdleListener& listener_;
  XScreenSaverInfo* info_;
  Milliseconds after_{kDefaultAfter};
  Loop::Clock::time_point armed_at_;
  Loop::Clock::time_point fired_at_;
  bool fired_ = false;
};

}  // namespace

X11Session::X11Session(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

std::unique_ptr<X11Session> X11Session::Open(Loop& loop, void (*lost)()) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    return nullptr;
  }
  on_lost = lost;
  XSetIOErrorHandler(LostDisplay);
  XSetErrorHandler(IgnoreErrors);
  auto impl = std::make_unique<Impl>();
  impl->display = display;
  impl->loop = &loop;
  // The server's own saver would blank the screen over ours.
  XGetScreenSaver(display, &impl->timeout, &impl->interval, &impl->prefer_blanking,
                  &impl->allow_exposures);
  XSetScreenSaver(display, 0, impl->interval, impl->prefer_blanking, impl->allow_exposures);
  XFlush(display);
  Impl* raw = impl.get();
  loop.Add(ConnectionNumber(display),
           {[raw](std::optional<Loop::Clock::time_point>& deadline) -> short {
              XFlush(raw->display);
              if (XEventsQueued(raw->display, QueuedAlready) > 0) {
                deadline = Loop::Clock::now();
              } else if (raw->xss_deadline) {
                deadline = raw->xss_deadline;
              }
              return POLLIN;
            },
            [raw](short revents) {
              if ((revents & (POLLHUP | POLLERR)) != 0) {
                on_lost();
              }
              raw->Dispatch();
              if (raw->xss_deadline && Loop::Clock::now() >= *raw->xss_deadline && raw->xss_timer) {
                raw->xss_deadline.reset();
                raw->xss_timer();
              }
            }});
  return std::unique_ptr<X11Session>(new X11Session(std::move(impl)));
}

X11Session::~X11Session() {
  impl_->loop->Remove(ConnectionNumber(impl_->display));
  XSetScreenSaver(impl_->display, impl_->timeout, impl_->interval, impl_->prefer_blanking,
                  impl_->allow_exposures);
  XCloseDisplay(impl_->display);
}

std::unique_ptr<IdleSource> X11Session::MakeIdleSource(IdleListener& listener) {
  Display* display = impl_->display;
  int error_base = 0, major = 0, minor = 0;
  if (XSyncQueryExtension(display, &impl_->sync_event_base, &error_base) != 0 &&
      XSyncInitialize(display, &major, &minor) != 0) {
    int count = 0;
    XSyncSystemCounter* counters = XSyncListSystemCounters(display, &count);
    for (int i = 0; i < count; ++i) {
      if (std::strcmp(counters[i].name, "IDLETIME") == 0) {
        impl_->idle_counter = counters[i].counter;
      }
    }
    if (counters != nullptr) {
      XSyncFreeSystemCounterList(counters);
    }
    if (impl_->idle_counter != None) {
      return std::make_unique<SyncSource>(*impl_, listener);
    }
  }
  int event_base = 0;
  if (XScreenSaverQueryExtension(display, &event_base, &error_base) != 0) {
    return std::make_unique<ScreenSaverSource>(*impl_, listener);
  }
  return nullptr;
}

bool X11Session::FullScreenShown() {
  for (int screen = 0; screen < ScreenCount(impl_->display); ++screen) {
    for (Window window : impl_->Candidates(RootWindow(impl_->display, screen))) {
      if (impl_->IsFullScreen(window)) {
        return true;
      }
    }
  }
  return false;
}

void X11Session::WatchFullScreen(std::function<void()> changed) {
  StopWatchingFullScreen();
  impl_->full_screen_changed = std::move(changed);
  for (int screen = 0; screen < ScreenCount(impl_->display); ++screen) {
    const Window root = RootWindow(impl_->display, screen);
    XSelectInput(impl_->display, root, PropertyChangeMask | SubstructureNotifyMask);
    impl_->watched.push_back(root);
    for (Window window : impl_->Candidates(root)) {
      if (impl_->IsFullScreen(window)) {
        XSelectInput(impl_->display, window, PropertyChangeMask | StructureNotifyMask);
        impl_->watched.push_back(window);
      }
    }
  }
}

void X11Session::StopWatchingFullScreen() {
  for (Window window : impl_->watched) {
    XSelectInput(impl_->display, window, NoEventMask);
  }
  impl_->watched.clear();
  impl_->full_screen_changed = nullptr;
}

}  // namespace sagelight_idle
