#include "runtime/quote_path.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "runtime/record_file.h"
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
// Drive c: as this process maps it: its folder, and the error that making
// its system folder met, if any.
struct DriveRoot {
  std::filesystem::path folder;
  std::error_code failed;
};

// Without a home there is no drive c:, and a path on it is not found,
// rather than landing in a folder that other users share.
std::optional<DriveRoot> DefaultDriveRoot() {
  std::optional<std::filesystem::path> data = posix::DataHome();
  if (!data) {
    return std::nullopt;
  }
  DriveRoot root{*data / "sagelight" / "drive_c", {}};
  std::filesystem::create_directories(root.folder / "windows" / "system", root.failed);
  return root;
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
  static const std::optional<DriveRoot> root = DefaultDriveRoot();
  if (!root) {
    // The message still tells the user which file it is.
    RaiseForFile(kErrPathNotFound, "~/.local/share/sagelight/drive_c/" +
                                       RelativeToDrive(windows_path) +
                                       ", with neither HOME nor a home in the password database");
  }
  std::string path = (root->folder / RelativeToDrive(windows_path)).string();
  // A data folder that is there but may not be written is an access error:
  // the open would find the system folder missing and say "Path not found".
  // Any other failure is the open's to tell.
  if (root->failed && ErrorFromErrno(root->failed.value()) == kErrPathFileAccess) {
    RaiseForFile(kErrPathFileAccess, path);
  }
  return path;
#endif
}

}  // namespace sagelight::rt
