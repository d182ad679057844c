// The idle time and the settings file: what a person may write, and that a
// mistake names the key and the file and changes nothing.
#include "settings.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

namespace sagelight_idle {
namespace {

struct Case {
  const char* conf;    // the file's text
  const char* args;    // the command line, words split at spaces
  long long after_ms;  // the idle time that results, or -1 for an error
  bool fullscreen_check;
  const char* error_starts;  // how the error message begins
};

TEST(IdleSettings, FileAndCommandLine) {
  const Case cases[] = {
      {"", "", 600000, true, ""},
      {"", "--after=10m --no-fullscreen-check", 600000, false, ""},
      {"", "--after 1h30m", 5400000, true, ""},
      {"", "--after 1500ms", 1500, true, ""},
      {"", "--after 45", 45000, true, ""},
      {"", "--after 24h", 86400000, true, ""},
      {"", "--after 999ms", -1, true, "--after: \"999ms\""},
      {"", "--after 24h1s", -1, true, "--after: \"24h1s\" is not a duration from 1s to 24h"},
      {"", "--after 99999999999999999999s", -1, true, "--after: \"99999999999999999999s\""},
      {"", "--after 5x", -1, true, "--after: \"5x\""},
      {"", "--after 1m30", -1, true, "--after: \"1m30\""},
      {"", "--after", -1, true, "--after needs a value"},
      {"", "--later", -1, true, "unknown argument \"--later\""},
      {"# mine\n\n  after = 5m  \nno-fullscreen-check = yes\n", "", 300000, false, ""},
      {"after = 5m\n", "--after 2m", 120000, true, ""},
      {"no-fullscreen-check=false\n", "--no-fullscreen-check", 600000, false, ""},
      {"after = 5 minutes\n", "", -1, true, "u/idle.conf:1: after: \"5 minutes\""},
      {"\nafter = 0s\n", "", -1, true, "u/idle.conf:2: after"},
      {"no-fullscreen-check = maybe\n", "", -1, true,
       "u/idle.conf:1: no-fullscreen-check: \"maybe\""},
      {"timeout = 5m\n", "", -1, true, "u/idle.conf:1: unknown key \"timeout\""},
      {"after 5m\n", "", -1, true, "u/idle.conf:1: expected \"key = value\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("file \"") + c.conf + "\", args \"" + c.args + "\"");
    // The whole name of the file, so that a message naming only its last part fails.
    const ConfigResult file = ParseConfig(c.conf, "u/idle.conf");
    std::istringstream words(c.args);
    const CommandLine line = ParseCommandLine({std::istream_iterator<std::string>(words), {}});
    const std::string error = file.error + line.error;
    if (c.after_ms < 0) {
      EXPECT_EQ(error.rfind(c.error_starts, 0), 0U) << error;
      continue;
    }
    ASSERT_EQ(error, "");
    const Settings settings = Combine(file.values, line.values);
    EXPECT_EQ(settings.after.count(), c.after_ms);
    EXPECT_EQ(settings.fullscreen_check, c.fullscreen_check);
    EXPECT_EQ(ParseDuration(FormatDuration(settings.after)), settings.after);
  }
}

}  // namespace
}  // namespace sagelight_idle
