#include "backends/posix/event_loop.h"

#include <poll.h>

#include <cerrno>

namespace sagelight::posix {

void Wait(EventSource& source, int timeout_ms) {
  short events = POLLIN;
  if (!source.PrepareWait(events)) {
    return;
  }
  pollfd ready{source.Descriptor(), events, 0};
  const int polled = poll(&ready, 1, timeout_ms);
  if (polled < 0 && errno != EINTR) {
    source.FinishWait(false);
    source.Lost();
  }
  source.FinishWait(polled > 0 && (ready.revents & (POLLIN | POLLERR | POLLHUP)) != 0);
}

void RunEventLoop(EventSource& source) {
  while (source.Running()) {
    source.Dispatch();
    if (!source.Running()) {
      return;
    }
    // A tick draws what it changed; the sleep lasts until the next tick or
    // the next event.
    Wait(source, source.RunTimers());
  }
}

}  // namespace sagelight::posix
