// One poll(2) over every descriptor the watcher waits on: the display
// connection, the buses, signals and the saver's pidfd. Nothing wakes it but
// one of them, or a deadline a source asks for.
#pragma once

#include <poll.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>

namespace sagelight_idle {

class Loop {
 public:
  using Clock = std::chrono::steady_clock;
  struct Source {
    // Called before each wait: flushes output and returns the events to wait
    // for; may bring `deadline` forward (a past one means "dispatch now").
    std::function<short(std::optional<Clock::time_point>& deadline)> prepare;
    // Called after every wait with the events that came, maybe none.
    std::function<void(short revents)> dispatch;
  };

  void Add(int fd, Source source) { sources_[fd] = std::move(source); }
  void Remove(int fd) { sources_.erase(fd); }
  // Runs until Quit; returns the status Quit was given.
  int Run();
  void Quit(int status) {
    status_ = status;
    running_ = false;
  }

 private:
  std::map<int, Source> sources_;
  bool running_ = true;
  int status_ = 0;
};

}  // namespace sagelight_idle
