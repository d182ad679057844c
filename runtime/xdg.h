#pragma once

// The user's folders as the XDG conventions place them.

#include <filesystem>
#include <optional>

namespace sagelight::posix {

// The user's home: $HOME, or the home the system records for the user when
// it is unset.
std::optional<std::filesystem::path> HomeFolder();

// The home the password database records for this user: what no variable
// of one start's environment can change.
std::optional<std::filesystem::path> PasswordHome();

// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share; nothing
// when no home can be found (never a shared folder).
std::optional<std::filesystem::path> DataHome();

}  // namespace sagelight::posix
