#include "settings.h"

#include <cctype>
#include <cstdlib>
#include <limits>

namespace sagelight_idle {
namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
    text.remove_suffix(1);
  }
  return text;
}

std::optional<bool> ParseBool(std::string_view text) {
  for (std::string_view yes : {"true", "yes", "on", "1"}) {
    if (text == yes) {
      return true;
    }
  }
  for (std::string_view no : {"false", "no", "off", "0"}) {
    if (text == no) {
      return false;
    }
  }
  return std::nullopt;
}

constexpr std::string_view kDurationHint = "a duration from 1s to 24h such as 90s, 10m or 1h30m";

}  // namespace

std::optional<Milliseconds> ParseDuration(std::string_view text) {
  if (text.empty()) {
    return std::nullopt;
  }
  // Summed in milliseconds, each part checked against the limit first, so
  // no count of digits can overflow.
  const long long limit = kLongestAfter.count();
  long long total = 0;
  while (!text.empty()) {
    long long number = 0;
    std::size_t digits = 0;
    while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits]))) {
      number = number * 10 + (text[digits] - '0');
      if (number > limit) {
        return std::nullopt;
      }
      ++digits;
    }
    if (digits == 0) {
      return std::nullopt;
    }
    text.remove_prefix(digits);
    std::size_t unit_length = 0;
    while (unit_length < text.size() &&
           std::isalpha(static_cast<unsigned char>(text[unit_length]))) {
      ++unit_length;
    }
    const std::string_view unit = text.substr(0, unit_length);
    text.remove_prefix(unit_length);
    long long scale = 0;
    if (unit == "ms") {
      scale = 1;
    } else if (unit == "s" || (unit.empty() && text.empty() && total == 0)) {
      scale = 1000;
    } else if (unit == "m" || unit == "min") {
      scale = 60'000LL;
    } else if (unit == "h") {
      scale = 3'600'000LL;
    } else {
      return std::nullopt;
    }
    if (number > (limit - total) / scale) {
      return std::nullopt;
    }
    total += number * scale;
  }
  if (total < kShortestAfter.count()) {
    return std::nullopt;
  }
  return Milliseconds{total};
}

std::string FormatDuration(Milliseconds duration) {
  long long ms = duration.count();
  std::string text;
  for (const auto& [scale, unit] : {std::pair{3600000LL, "h"}, {60000LL, "m"}, {1000LL, "s"}}) {
    if (ms >= scale) {
      text += std::to_string(ms / scale) + unit;
      ms %= scale;
    }
  }
  if (ms > 0 || text.empty()) {
    text += std::to_string(ms) + "ms";
  }
  return text;
}

Settings Combine(const Overrides& file, const Overrides& command_line) {
  Settings settings;
  for (const Overrides* source : {&file, &command_line}) {
    if (source->after) {
      settings.after = *source->after;
    }
    if (source->no_fullscreen_check) {
      settings.fullscreen_check = !*source->no_fullscreen_check;
    }
  }
  return settings;
}

ConfigResult ParseConfig(std::string_view text, const std::string& file_name) {
  ConfigResult result;
  int line_number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++line_number;
    line = Trim(line);
    if (line.empty() || line.front() == '#') {
      continue;
    }
    const std::string where = file_name + ":" + std::to_string(line_number) + ": ";
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      result.error = where + "expected \"key = value\", got \"" + std::string(line) + "\"";
      return result;
    }
    const std::string key(Trim(line.substr(0, equals)));
    const std::string_view value = Trim(line.substr(equals + 1));
    if (key == "after") {
      result.values.after = ParseDuration(value);
      if (!result.values.after) {
        result.error =
            where + "after: \"" + std::string(value) + "\" is not " + std::string(kDurationHint);
        return result;
      }
    } else if (key == "no-fullscreen-check") {
      result.values.no_fullscreen_check = ParseBool(value);
      if (!result.values.no_fullscreen_check) {
        result.error =
            where + "no-fullscreen-check: \"" + std::string(value) + "\" is not true or false";
        return result;
      }
    } else {
      result.error = where;
      result.error += "unknown key \"" + key + "\" (known: after, no-fullscreen-check)";
      return result;
    }
  }
  return result;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--after" || arg.starts_with("--after=")) {
      std::string value;
      if (arg == "--after") {
        if (i + 1 == args.size()) {
          parsed.error = "--after needs a value: " + std::string(kDurationHint);
          return parsed;
        }
        value = args[++i];
      } else {
        value = arg.substr(8);
      }
      parsed.values.after = ParseDuration(value);
      if (!parsed.values.after) {
        parsed.error = "--after: \"" + value + "\" is not " + std::string(kDurationHint);
        return parsed;
      }
    } else if (arg == "--no-fullscreen-check") {
      parsed.values.no_fullscreen_check = true;
    } else if (arg == "--help" || arg == "-h") {
      parsed.action = Action::kHelp;
    } else if (arg == "--version") {
      parsed.action = Action::kVersion;
    } else if (arg == "--enable") {
      parsed.action = Action::kEnable;
    } else if (arg == "--disable") {
      parsed.action = Action::kDisable;
    } else {
      parsed.error = "unknown argument \"" + arg + "\" (try --help)";
      return parsed;
    }
  }
  return parsed;
}

std::string ConfigPath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') {
    return std::string(config) + "/sagelight/idle.conf";
  }
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.config/sagelight/idle.conf";
}

}  // namespace sagelight_idle
