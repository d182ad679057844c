// What the idle watcher is told: the idle time and whether a full-screen
// window holds the saver back, from the command line and from idle.conf.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sagelight_idle {

using Milliseconds = std::chrono::milliseconds;

inline constexpr Milliseconds kDefaultAfter{10 * 60 * 1000};
// Below a second the saver would start between two key strokes; above a
// day nobody would see it, and every idle protocol still holds the value.
inline constexpr Milliseconds kShortestAfter{1000};
inline constexpr Milliseconds kLongestAfter{24 * 60 * 60 * 1000};

// "90s", "10m", "1h30m", "1500ms"; a bare number counts seconds. Empty when
// the text is no such duration or lies outside the limits above.
std::optional<Milliseconds> ParseDuration(std::string_view text);
std::string FormatDuration(Milliseconds duration);

// Values a source sets; unset ones leave the one below them in place.
struct Overrides {
  std::optional<Milliseconds> after;
  std::optional<bool> no_fullscreen_check;
};

struct Settings {
  Milliseconds after = kDefaultAfter;
  bool fullscreen_check = true;
};

Settings Combine(const Overrides& file, const Overrides& command_line);

// The file's lines are "key = value", blank or "#" comments. The error names
// the file, the line and the key.
struct ConfigResult {
  Overrides values;
  std::string error;  // empty when the text was good
};
ConfigResult ParseConfig(std::string_view text, const std::string& file_name);

enum class Action { kRun, kHelp, kVersion, kEnable, kDisable };
struct CommandLine {
  Action action = Action::kRun;
  Overrides values;
  std::string error;
};
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// $XDG_CONFIG_HOME/sagelight/idle.conf, or ~/.config/sagelight/idle.conf.
std::string ConfigPath();

}  // namespace sagelight_idle
