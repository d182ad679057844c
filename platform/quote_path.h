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

// Let drive c: be another folder (tests use a temporary one). Nothing is
// created under it. An empty root restores the platform's own mapping.
void SetDriveRoot(std::string root);

}  // namespace sagelight::rt
