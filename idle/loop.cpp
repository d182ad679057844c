#include "loop.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace sagelight_idle {

int Loop::Run() {
  std::vector<pollfd> fds;
  while (running_) {
    fds.clear();
    std::optional<Clock::time_point> deadline;
    for (auto& [fd, source] : sources_) {
      std::optional<Clock::time_point> own;
      const short events = source.prepare ? source.prepare(own) : short{POLLIN};
      if (own && (!deadline || *own < *deadline)) {
        deadline = own;
      }
      fds.push_back({fd, events, 0});
    }
    int timeout = -1;
    if (deadline) {
      const auto left =
          std::chrono::ceil<std::chrono::milliseconds>(*deadline - Clock::now()).count();
      timeout = left < 0 ? 0 : static_cast<int>(std::min<long long>(left, 1 << 30));
    }
    const int ready = poll(fds.data(), fds.size(), timeout);
    if (ready < 0) {
      if (errno == EINTR) {
        continue;
      }
      std::fprintf(stderr, "sagelight-idle: poll: %s\n", std::strerror(errno));
      return 1;
    }
    // Every source hears after every wait, with no events too: a Wayland
    // connection must end the read it prepared either way.
    for (const pollfd& entry : fds) {
      if (!running_) {
        break;
      }
      // A source may remove others (or itself) while dispatching.
      const auto found = sources_.find(entry.fd);
      if (found != sources_.end()) {
        const auto dispatch = found->second.dispatch;
        dispatch(entry.revents);
      }
    }
  }
  return status_;
}

}  // namespace sagelight_idle
