#pragma once

// The event loop of the POSIX backends: dispatch what the window system
// sent, run the timers that are due, then sleep on the window system's
// descriptor until it has more or the next timer falls due. No polling, no
// busy wait.

namespace sagelight::posix {

// A window system's connection as the loop sees it.
class EventSource {
 public:
  EventSource() = default;
  EventSource(const EventSource&) = delete;
  EventSource& operator=(const EventSource&) = delete;
  virtual ~EventSource() = default;

  // Dispatches every event that has come in.
  virtual void Dispatch() = 0;
  // Before a sleep: sends what the program queued and shows what it drew.
  // Returns false when events are already waiting (no sleep then);
  // otherwise `events` gains what to wait for besides input (POLLOUT for a
  // full socket).
  virtual bool PrepareWait(short& events) = 0;
  // After a sleep: whether the descriptor became readable.
  virtual void FinishWait(bool readable) = 0;
  [[nodiscard]] virtual int Descriptor() const = 0;
  // The connection broke: the program ends.
  [[noreturn]] virtual void Lost() = 0;

  // Whether the loop goes on (a form is open).
  [[nodiscard]] virtual bool Running() const = 0;
  // Runs the timers that have fallen due; returns how long the next sleep
  // may last, as Wait takes it.
  virtual int RunTimers() = 0;
};

// Sleeps at most `timeout_ms` (-1: without limit) for the source's events.
void Wait(EventSource& source, int timeout_ms);

// Dispatches, runs due timers and sleeps while the source is Running().
void RunEventLoop(EventSource& source);

}  // namespace sagelight::posix
