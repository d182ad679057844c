#include "enable.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>

#include "bus.h"

namespace sagelight_idle {
namespace {

namespace fs = std::filesystem;
constexpr const char* kUnitName = "sagelight-idle.service";
constexpr const char* kEntryName = "sagelight-idle.desktop";

fs::path ConfigHome() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') {
    return config;
  }
  const char* home = std::getenv("HOME");
  return fs::path(home != nullptr ? home : "") / ".config";
}

std::string Self() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  return error ? "sagelight-idle" : self.string();
}

bool Write(const fs::path& path, const std::string& text) {
  std::error_code error;
  fs::create_directories(path.parent_path(), error);
  std::ofstream out(path);
  out << text;
  out.close();
  if (!out) {
    std::fprintf(stderr, "sagelight-idle: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

// The entry the session starts where systemd does not: the packaged one is
// Hidden, this one of the user's, under the same name, is not. Where
// systemd starts the session's programs, the unit runs instead.
std::string AutostartEntry() {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Sagelight idle watcher\n"
         "Comment=Starts the Sagelight screen saver when the session is idle\n"
         "Exec=" +
         Self() +
         "\n"
         "NoDisplay=true\n"
         "X-GNOME-HiddenUnderSystemd=true\n"
         "X-systemd-skip=true\n"
         "X-GNOME-Autostart-enabled=true\n";
}

std::string OwnUnit() {
  return "[Unit]\n"
         "Description=Sagelight idle watcher\n"
         "PartOf=graphical-session.target\n"
         "After=graphical-session.target\n\n"
         "[Service]\n"
         "ExecStart=" +
         Self() +
         "\n"
         "Restart=on-failure\n\n"
         "[Install]\n"
         "WantedBy=graphical-session.target\n";
}

bool DisplaySet() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && value[0] != '\0') {
      return true;
    }
  }
  return false;
}

// A copy of this program for the session that runs now, on its own, so
// that enabling shows its effect at once rather than at the next login.
pid_t StartDetached() {
  const pid_t child = fork();
  if (child != 0) {
    return child;
  }
  setsid();
  const int null = open("/dev/null", O_RDWR);
  for (int fd : {0, 1, 2}) {
    dup2(null, fd);
  }
  const std::string self = Self();
  execl(self.c_str(), self.c_str(), static_cast<char*>(nullptr));
  _exit(127);
}

}  // namespace

int Enable() {
  const fs::path home = ConfigHome();
  const fs::path units = home / "systemd" / "user";
  const fs::path link = units / "graphical-session.target.wants" / kUnitName;
  // The package's unit, beside this program's bin/ folder.
  fs::path unit = fs::path(Self()).parent_path().parent_path() / "lib/systemd/user" / kUnitName;
  std::error_code error;
  if (!fs::exists(unit)) {
    // Not installed by the package: a unit of the user's own runs this copy.
    unit = units / kUnitName;
    if (!Write(unit, OwnUnit())) {
      return 1;
    }
    std::printf("wrote the systemd user unit %s\n", unit.c_str());
  }
  fs::create_directories(link.parent_path(), error);
  fs::remove(link, error);
  fs::create_symlink(unit, link, error);
  if (error) {
    std::fprintf(stderr, "sagelight-idle: cannot link %s: %s\n", link.c_str(),
                 error.message().c_str());
    return 1;
  }
  std::printf("enabled the systemd user unit for graphical sessions: %s -> %s\n", link.c_str(),
              unit.c_str());
  const fs::path entry = home / "autostart" / kEntryName;
  if (!Write(entry, AutostartEntry())) {
    return 1;
  }
  std::printf("enabled the autostart entry for sessions without systemd: %s\n", entry.c_str());
  if (DisplaySet()) {
    std::printf("started sagelight-idle for this session (pid %d)\n",
                static_cast<int>(StartDetached()));
  } else {
    std::printf("it starts with your next graphical session\n");
  }
  return 0;
}

int Disable() {
  const fs::path home = ConfigHome();
  const fs::path units = home / "systemd" / "user";
  bool changed = false;
  for (const fs::path& path : {units / "graphical-session.target.wants" / kUnitName,
                               units / kUnitName, home / "autostart" / kEntryName}) {
    std::error_code error;
    if (fs::remove(path, error)) {
      std::printf("removed %s\n", path.c_str());
      changed = true;
    }
  }
  Loop loop;
  if (auto bus = Bus::OpenSession(loop, nullptr)) {
    if (const unsigned pid = bus->OwnerPid(kBusName); pid != 0) {
      kill(static_cast<pid_t>(pid), SIGTERM);
      std::printf("stopped the running sagelight-idle (pid %u)\n", pid);
      changed = true;
    }
  }
  if (!changed) {
    std::printf("sagelight-idle was not enabled: nothing to change\n");
  }
  return 0;
}

}  // namespace sagelight_idle
