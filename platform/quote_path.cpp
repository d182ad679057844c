#include "platform/quote_path.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

namespace sagelight::rt {
namespace {

std::string g_drive_root;

// "c:\a\b" -> "a/b" relative to the drive's root.
std::string RelativeToDrive(std::string_view windows_path) {
  if (windows_path.size() >= 2 && windows_path[1] == ':') {
    windows_path.remove_prefix(2);
  }
  while (!windows_path.empty() && (windows_path.front() == '\\' || windows_path.front() == '/')) {
    windows_path.remove_prefix(1);
  }
  std::string relative(windows_path);
  for (char& c : relative) {
    if (c == '\\') {
      c = '/';
    }
  }
  return relative;
}

#ifndef _WIN32
std::filesystem::path DefaultDriveRoot() {
  std::filesystem::path data;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg == '/') {
    data = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    data = std::filesystem::path(home) / ".local" / "share";
  } else {
    data = std::filesystem::temp_directory_path();
  }
  return data / "sagelight" / "drive_c";
}
#endif

}  // namespace

void SetDriveRoot(std::string root) { g_drive_root = std::move(root); }

std::string MapPath(std::string_view windows_path) {
  if (!g_drive_root.empty()) {
    return g_drive_root + "/" + RelativeToDrive(windows_path);
  }
#ifdef _WIN32
  return std::string(windows_path);
#else
  static const std::filesystem::path root = [] {
    std::filesystem::path drive = DefaultDriveRoot();
    std::error_code ignored;  // a failure shows up as the open's own error
    std::filesystem::create_directories(drive / "windows" / "system", ignored);
    return drive;
  }();
  return (root / RelativeToDrive(windows_path)).string();
#endif
}

}  // namespace sagelight::rt
