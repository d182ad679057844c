// sagelight-idle: starts `sagelight /s` once the session has been idle for
// the chosen time, unless someone asked it not to.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/signalfd.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "bus.h"
#include "enable.h"
#include "loop.h"
#include "settings.h"
#include "wayland_source.h"
#include "x11_session.h"

namespace sagelight_idle {
namespace {

constexpr const char* kHelp =
    "Usage: sagelight-idle [--after DURATION] [--no-fullscreen-check]\n"
    "       sagelight-idle --enable | --disable | --version | --help\n"
    "\n"
    "Starts the screen saver `sagelight /s` once the session has been idle for\n"
    "DURATION (10m by default; 90s, 10m, 1h30m), unless an application holds it\n"
    "back (org.freedesktop.ScreenSaver Inhibit, logind idle inhibitors) or, on\n"
    "X11, a window is full-screen.\n"
    "\n"
    "  --after DURATION        idle time before the saver starts\n"
    "  --no-fullscreen-check   start over full-screen windows too\n"
    "  --enable, --disable     start it with every graphical session of yours, or not\n"
    "\n"
    "The same keys (after = 5m, no-fullscreen-check = true) may stand in\n"
    "$XDG_CONFIG_HOME/sagelight/idle.conf; the command line wins. SIGUSR1 starts\n"
    "the saver now, SIGHUP reads the file again.\n";

// Only for the handlers that end the process from inside a library's
// callback: the saver is ended with us.
pid_t running_saver = 0;

[[noreturn]] void DisplayLost() {
  std::fprintf(stderr, "sagelight-idle: the display went away\n");
  if (running_saver > 0) {
    kill(running_saver, SIGTERM);
  }
  _exit(0);
}

// The saver next to this program, else the one on PATH.
std::string SaverPath() {
  char self[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length > 0) {
    std::string path(self, static_cast<std::size_t>(length));
    path = path.substr(0, path.rfind('/') + 1) + "sagelight";
    if (access(path.c_str(), X_OK) == 0) {
      return path;
    }
  }
  return "sagelight";
}

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream in(path);
  if (!in) {
    return std::nullopt;
  }
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The file's values, or an error; a missing file holds none.
ConfigResult LoadConfig() {
  const std::string path = ConfigPath();
  const auto text = ReadFile(path);
  return text ? ParseConfig(*text, path) : ConfigResult{};
}

class Watcher : public IdleListener {
 public:
  Watcher(Loop& loop, const Overrides& command_line, Settings settings)
      : loop_(loop), command_line_(command_line), settings_(settings) {}

  // Returns the exit status when it cannot run, else runs until the end.
  int Run() {
    if (!WatchSignals()) {
      return 1;
    }
    session_bus_ = Bus::OpenSession(loop_, [this] { Stop("the session bus went away", 0); });
    if (session_bus_) {
      const int owned = session_bus_->RequestName(kBusName);
      if (owned == -EEXIST) {
        std::fprintf(stderr, "sagelight-idle: already running in this session (pid %u)\n",
                     session_bus_->OwnerPid(kBusName));
        // No failure: a unit's restart must not try again.
        return 0;
      }
      inhibitors_ = ScreenSaverInhibitors::Serve(*session_bus_, [this] { HoldersChanged(); });
    } else {
      std::fprintf(stderr,
                   "sagelight-idle: no session bus: applications cannot hold the saver back\n");
    }
    system_bus_ = Bus::OpenSystem(loop_, [this] {
      logind_.reset();
      system_bus_.reset();
    });
    if (system_bus_) {
      logind_ = std::make_unique<Logind>(*system_bus_, loop_, [this] { HoldersChanged(); });
    }

    // A Wayland session never takes the X11 path: its X server sees only
    // the input that goes to X programs.
    // Only a named compositor: libwayland would otherwise try "wayland-0".
    const char* wayland_display = std::getenv("WAYLAND_DISPLAY");
    if (wayland_display != nullptr && wayland_display[0] != '\0') {
      wayland_ = WaylandSession::Connect(loop_, DisplayLost);
    }
    if (wayland_) {
      source_ = wayland_->MakeIdleSource(*this);
    }
    if (!source_ && session_bus_) {
      source_ = MakeMutterSource(*session_bus_, *this);
    }
    if (!wayland_) {
      x11_ = X11Session::Open(loop_, DisplayLost);
      if (!source_ && x11_) {
        source_ = x11_->MakeIdleSource(*this);
      }
    }
    if (!source_) {
      std::fprintf(stderr, "sagelight-idle: %s\n",
                   wayland_ ? "the Wayland compositor tells nothing of idleness "
                              "(neither ext-idle-notify-v1 nor org_kde_kwin_idle)"
                   : x11_   ? "the X server has neither SYNC nor MIT-SCREEN-SAVER"
                            : "no display: neither WAYLAND_DISPLAY nor DISPLAY opens");
      return 1;
    }
    std::fprintf(stderr, "sagelight-idle: watching with %s, the saver starts after %s idle\n",
                 source_->Name().c_str(), FormatDuration(settings_.after).c_str());
    Wait(false);
    const int status = loop_.Run();
    if (saver_ > 0) {
      kill(saver_, SIGTERM);
      if (logind_) {
        logind_->SetIdleHint(false);
        sd_bus_flush(system_bus_->get());
      }
    }
    return status;
  }

  void OnIdle(Milliseconds idle_for) override {
    if (state_ != State::kWaiting) {
      return;
    }
    const std::string holder = HeldBy();
    if (!holder.empty()) {
      std::fprintf(stderr, "sagelight-idle: idle, but held back by %s\n", holder.c_str());
      state_ = State::kHeld;
      return;
    }
    StartSaver("idle for " + FormatDuration(idle_for));
  }

  void OnActive() override {
    returned_ = true;
    if (state_ == State::kHeld || state_ == State::kAwaitingReturn) {
      Wait(false);
    }
  }

 private:
  enum class State { kWaiting, kHeld, kRunning, kAwaitingReturn };

  void Wait(bool from_now) {
    if (x11_) {
      x11_->StopWatchingFullScreen();
    }
    state_ = State::kWaiting;
    source_->Arm(settings_.after, from_now);
  }

  // Who holds the saver back now; empty when nobody does.
  std::string HeldBy() {
    if (inhibitors_ && inhibitors_->Count() > 0) {
      return "an application: " + inhibitors_->Describe();
    }
    if (logind_) {
      const auto who = logind_->IdleInhibitors();
      if (!who.empty()) {
        return "a logind idle inhibitor: " + who.front();
      }
    }
    if (x11_ && settings_.fullscreen_check && x11_->FullScreenShown()) {
      x11_->WatchFullScreen([this] { HoldersChanged(); });
      return "a full-screen window";
    }
    return "";
  }

  // The last inhibitor went, or a full-screen window changed: the countdown
  // starts again from now rather than firing at once.
  void HoldersChanged() {
    if (state_ == State::kWaiting || (state_ == State::kHeld && HeldBy().empty())) {
      Wait(true);
    }
  }

  void StartSaver(const std::string& why) {
    const std::string path = SaverPath();
    std::fprintf(stderr, "sagelight-idle: %s: starting %s /s\n", why.c_str(), path.c_str());
    char* argv[] = {const_cast<char*>(path.c_str()), const_cast<char*>("/s"), nullptr};
    pid_t pid = 0;
    const int failed = posix_spawnp(&pid, path.c_str(), nullptr, nullptr, argv, environ);
    returned_ = false;
    if (failed != 0) {
      std::fprintf(stderr,
                   "sagelight-idle: cannot start %s: %s; trying again after the next "
                   "idle period\n",
                   path.c_str(), std::strerror(failed));
      state_ = State::kAwaitingReturn;
      return;
    }
    saver_ = running_saver = pid;
    state_ = State::kRunning;
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd < 0) {
      std::fprintf(stderr, "sagelight-idle: pidfd_open: %s\n", std::strerror(errno));
      Stop("", 1);
      return;
    }
    loop_.Add(pidfd, {nullptr, [this, pidfd](short revents) {
                        if (revents != 0) {
                          loop_.Remove(pidfd);
                          close(pidfd);
                          SaverEnded();
                        }
                      }});
    if (logind_) {
      logind_->SetIdleHint(true);
    }
  }

  void SaverEnded() {
    int status = 0;
    waitpid(saver_, &status, 0);
    saver_ = running_saver = 0;
    if (logind_) {
      logind_->SetIdleHint(false);
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::fprintf(stderr,
                   "sagelight-idle: the saver ended with %s %d; trying again after the next "
                   "idle period\n",
                   WIFEXITED(status) ? "status" : "signal",
                   WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status));
    }
    // The next idle period counts from the user's return.
    if (returned_) {
      Wait(false);
    } else {
      state_ = State::kAwaitingReturn;
    }
  }

  bool WatchSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : {SIGTERM, SIGINT, SIGHUP, SIGUSR1}) {
      sigaddset(&set, signal);
    }
    sigprocmask(SIG_BLOCK, &set, nullptr);
    const int fd = signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
    if (fd < 0) {
      std::fprintf(stderr, "sagelight-idle: signalfd: %s\n", std::strerror(errno));
      return false;
    }
    loop_.Add(fd, {nullptr, [this, fd](short) {
                     signalfd_siginfo info;
                     while (read(fd, &info, sizeof info) == sizeof info) {
                       Signalled(static_cast<int>(info.ssi_signo));
                     }
                   }});
    return true;
  }

  void Signalled(int signal) {
    if (signal == SIGUSR1) {
      if (state_ != State::kRunning) {
        StartSaver("asked by SIGUSR1");
      }
    } else if (signal == SIGHUP) {
      const ConfigResult file = LoadConfig();
      if (!file.error.empty()) {
        std::fprintf(stderr, "sagelight-idle: %s; keeping the settings as they were\n",
                     file.error.c_str());
        return;
      }
      settings_ = Combine(file.values, command_line_);
      std::fprintf(stderr,
                   "sagelight-idle: read the settings again: the saver starts after %s "
                   "idle\n",
                   FormatDuration(settings_.after).c_str());
      if (state_ == State::kWaiting || state_ == State::kHeld) {
        Wait(false);
      }
    } else {
      Stop("", 0);
    }
  }

  void Stop(const char* why, int status) {
    if (why[0] != '\0') {
      std::fprintf(stderr, "sagelight-idle: %s\n", why);
    }
    loop_.Quit(status);
  }

  Loop& loop_;
  Overrides command_line_;
  Settings settings_;
  std::unique_ptr<Bus> session_bus_, system_bus_;
  std::unique_ptr<ScreenSaverInhibitors> inhibitors_;
  std::unique_ptr<Logind> logind_;
  std::unique_ptr<WaylandSession> wayland_;
  std::unique_ptr<X11Session> x11_;
  std::unique_ptr<IdleSource> source_;
  State state_ = State::kWaiting;
  pid_t saver_ = 0;
  bool returned_ = true;
};

}  // namespace
}  // namespace sagelight_idle

int main(int argc, char** argv) {
  using namespace sagelight_idle;
  const CommandLine command_line = ParseCommandLine({argv + 1, argv + argc});
  if (!command_line.error.empty()) {
    std::fprintf(stderr, "sagelight-idle: %s\n", command_line.error.c_str());
    return 2;
  }
  switch (command_line.action) {
    case Action::kHelp:
      std::fputs(kHelp, stdout);
      return 0;
    case Action::kVersion:
      std::printf("sagelight-idle %s\n", SAGELIGHT_VERSION);
      return 0;
    case Action::kEnable:
      return Enable();
    case Action::kDisable:
      return Disable();
    case Action::kRun:
      break;
  }
  const ConfigResult file = LoadConfig();
  if (!file.error.empty()) {
    std::fprintf(stderr, "sagelight-idle: %s\n", file.error.c_str());
    return 2;
  }
  Loop loop;
  Watcher watcher(loop, command_line.values, Combine(file.values, command_line.values));
  return watcher.Run();
}
