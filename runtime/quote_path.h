#pragma once

#include <string>
#include <string_view>

namespace sagelight::rt {

// Turn one of the program's fixed Windows paths ("c:\windows\system\...")
// into a path of this machine. On Windows it stands as it is. Elsewhere drive
// c: is the folder sagelight/drive_c under the XDG data folder; the first
// mapping in a process creates drive_c/windows/system there, as an installed
// Windows has its system folder. Later removal of that folder is not undone.
std::string MapPath(std::string_view windows_path);

}  // namespace sagelight::rt
