#include "backends/x11/stage.h"

#include <charconv>
#include <cstdio>
#include <string>

#include "ui/stage.h"

namespace sagelight::x11 {

std::optional<Window> ParseWindowId(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  unsigned long id = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, id, base);
  if (text.empty() || error != std::errc() || stop != end || id == 0) {
    return std::nullopt;
  }
  return static_cast<Window>(id);
}

Stage FindStage(Connection& connection, const char* host_id) {
  Stage stage;
  if (host_id != nullptr && host_id[0] != '\0') {
    if (const std::optional<Window> host = ParseWindowId(host_id)) {
      if (const std::optional<XWindowAttributes> attributes = connection.Attributes(*host)) {
        stage.host = *host;
        stage.screen = Area{0, 0, attributes->width, attributes->height};
      } else {
        stage.host_gone = true;
      }
      return stage;
    }
    const std::string line = std::string("Sagelight: XSCREENSAVER_WINDOW=") + host_id +
                             " is no window id; showing a window of its own\n";
    std::fputs(line.c_str(), stderr);
  }
  const std::vector<ui::Monitor> monitors = connection.Monitors();
  const ui::StagePlan plan = ui::PlanStage(monitors);
  if (!plan.screen) {
    stage.screen = Area{0, 0, connection.WidthPixels(), connection.HeightPixels()};
    return stage;
  }
  const auto area = [&monitors](std::size_t i) {
    return Area{monitors[i].x, monitors[i].y, monitors[i].width, monitors[i].height};
  };
  stage.screen = area(*plan.screen);
  for (const std::size_t other : plan.curtains) {
    stage.others.push_back(area(other));
  }
  return stage;
}

}  // namespace sagelight::x11
