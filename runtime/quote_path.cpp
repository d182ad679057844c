#include "runtime/quote_path.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "runtime/runtime.h"
#include "runtime/runtime_error.h"
#ifndef _WIN32
#include "runtime/xdg.h"
#endif

namespace sagelight::rt {
namespace {

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
// Without a home there is no drive c:, and a path on it is not found,
// rather than landing in a folder that other users share.
std::optional<std::filesystem::path> DefaultDriveRoot() {
  std::optional<std::filesystem::path> data = posix::DataHome();
  if (!data) {
    return std::nullopt;
  }
  std::filesystem::path drive = *data / "sagelight" / "drive_c";
  std::error_code ignored;  // a failure shows up as the open's own error
  std::filesystem::create_directories(drive / "windows" / "system", ignored);
  return drive;
}
#endif

}  // namespace

std::string MapPath(std::string_view windows_path) {
  if (const std::string& root = Runtime::Current().DriveRoot(); !root.empty()) {
    return root + "/" + RelativeToDrive(windows_path);
  }
#ifdef _WIN32
  return std::string(windows_path);
#else
  static const std::optional<std::filesystem::path> root = DefaultDriveRoot();
  if (!root) {
    Raise(kErrPathNotFound);
  }
  return (*root / RelativeToDrive(windows_path)).string();
#endif
}

}  // namespace sagelight::rt
