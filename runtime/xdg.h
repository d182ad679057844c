#pragma once

// The user's folders as the XDG conventions place them.

#include <filesystem>
#include <optional>

namespace sagelight::posix {

// The user's home: $HOME, or the home the system records for the user when
// it is unset.
std::optional<std::filesystem::path> HomeFolder();

// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share; nothing
// when no home can be found (never a shared folder).
std::optional<std::filesystem::path> DataHome();

// $XDG_RUNTIME_DIR when it is an absolute path to a folder that this user
// owns, may write and no one else may enter.
std::optional<std::filesystem::path> RuntimeFolder();

}  // namespace sagelight::posix
