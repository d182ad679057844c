#include "runtime/xdg.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace sagelight::posix {
namespace {

std::optional<std::filesystem::path> AbsoluteFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') {
    return std::nullopt;
  }
  return std::filesystem::path(value);
}

}  // namespace

std::optional<std::filesystem::path> HomeFolder() {
  if (auto home = AbsoluteFromEnvironment("HOME")) {
    return home;
  }
  return PasswordHome();
}

std::optional<std::filesystem::path> PasswordHome() {
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 16384));
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
      found->pw_dir != nullptr && found->pw_dir[0] == '/') {
    return std::filesystem::path(found->pw_dir);
  }
  return std::nullopt;
}

std::optional<std::filesystem::path> DataHome() {
  if (auto data = AbsoluteFromEnvironment("XDG_DATA_HOME")) {
    return data;
  }
  if (auto home = HomeFolder()) {
    return *home / ".local" / "share";
  }
  return std::nullopt;
}

}  // namespace sagelight::posix
