#include "backends/posix/wayland_socket.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace sagelight::posix {

std::optional<std::string> WaylandSocket(std::string& why) {
  const char* name = std::getenv("WAYLAND_DISPLAY");
  std::string socket = name != nullptr && name[0] != '\0' ? name : "wayland-0";
  if (socket.front() != '/') {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || runtime[0] == '\0') {
      why = "no Wayland socket " + socket + ": XDG_RUNTIME_DIR is not set";
      return std::nullopt;
    }
    socket = std::string(runtime) + "/" + socket;
  }
  return socket;
}

std::string NoCompositorAt(const std::string& socket) {
  return "no Wayland compositor answers at " + socket;
}

bool CompositorAnswers(std::string& why) {
  const char* handed = std::getenv("WAYLAND_SOCKET");
  if (handed != nullptr && handed[0] != '\0') {
    return true;
  }
  const std::optional<std::string> socket = WaylandSocket(why);
  if (!socket) {
    return false;
  }
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  bool answers = false;
  if (socket->size() < sizeof address.sun_path) {
    std::memcpy(address.sun_path, socket->c_str(), socket->size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0) {
      answers = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
      close(fd);
    }
  }
  if (!answers) {
    why = NoCompositorAt(*socket);
  }
  return answers;
}

}  // namespace sagelight::posix
