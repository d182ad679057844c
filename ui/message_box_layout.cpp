#include "ui/message_box_layout.h"

#include <algorithm>
#include <cmath>

#include "runtime/code_page.h"

namespace sagelight::ui {
namespace {

// Sizes in pixels at 96 dpi, those of the desktop box the program's users
// know.
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kNarrowest = 160;
constexpr int kNarrowestWrap = 200;

int RoundUp(int value, int step) { return step > 1 ? value + (step - value % step) % step : value; }

}  // namespace

MessageBoxLayout LayOutMessageBox(std::string_view prompt, MessageIcon icon,
                                  const BoxSetting& setting) {
  const auto scaled = [&](int pixels) {
    return static_cast<int>(std::lround(pixels * setting.scale));
  };
  MessageBoxLayout box;
  box.icon = icon == MessageIcon::kInformation || icon == MessageIcon::kCritical
                 ? icon
                 : MessageIcon::kNone;
  const int margin = scaled(kMargin);
  const int icon_size = box.icon == MessageIcon::kNone ? 0 : scaled(kIconSize);
  const int button_width = scaled(kButtonWidth);
  const int button_height = scaled(kButtonHeight);
  box.line_height = std::max(1, setting.line_height);
  box.text_left = margin + (icon_size > 0 ? icon_size + margin : 0);

  // Lines wrap at five eighths of the screen, but never so narrow that a
  // short sentence breaks, nor so wide that the box leaves the screen.
  const int room = std::max(1, setting.screen_width - box.text_left - margin);
  const int wrap = std::min(std::max(scaled(kNarrowestWrap), setting.screen_width * 5 / 8), room);
  box.lines = BreakLines(rt::FromWindows1252(prompt), wrap, setting.measure);
  // Above, between the text and the button, below.
  const int fixed_height = margin + margin + button_height + margin;
  const auto fitting = static_cast<std::size_t>(
      std::max(1, (setting.screen_height - fixed_height) / box.line_height));
  if (box.lines.size() > fitting) {
    box.lines.resize(fitting);
  }

  int text_width = 0;
  for (const std::u32string& line : box.lines) {
    text_width = std::max(text_width, setting.measure(line));
  }
  const int text_height = static_cast<int>(box.lines.size()) * box.line_height;
  const int content_height = std::max(icon_size, text_height);
  box.text_top = margin + (content_height - text_height) / 2;
  box.width = std::max(
      {box.text_left + text_width + margin, button_width + 2 * margin, scaled(kNarrowest)});
  box.width = RoundUp(std::min(box.width, std::max(1, setting.screen_width)), setting.size_step);
  box.height = RoundUp(content_height + fixed_height, setting.size_step);

  if (icon_size > 0) {
    box.icon_disc = {margin, margin + (content_height - icon_size) / 2, icon_size, icon_size};
    const int unit = std::max(1, icon_size / 8);  // 4 px at 96 dpi
    const int centre = box.icon_disc.left + icon_size / 2;
    const int dot = unit + unit / 2;
    box.icon_dot = {centre - dot / 2, box.icon_disc.top + dot, dot, dot};
    box.icon_stem = {centre - unit / 2, box.icon_disc.top + 3 * unit + unit / 2, unit, 3 * unit};
    box.cross_inset = 2 * unit + unit / 2;
    box.stroke = unit;
  }

  box.button = {(box.width - button_width) / 2, box.height - margin - button_height, button_width,
                button_height};
  const int edge = std::max(1, scaled(1));
  box.button_face = {box.button.left + edge, box.button.top + edge, box.button.width - 2 * edge,
                     box.button.height - 2 * edge};
  box.caption_left =
      box.button_face.left + (box.button_face.width - setting.measure(kBoxCaption)) / 2;
  box.caption_top = box.button_face.top + (box.button_face.height - box.line_height) / 2;
  return box;
}

bool BoxInput::PointerMoved(double x, double y) {
  const bool was_down = ButtonDown();
  inside_ = button_.Contains(x, y);
  return ButtonDown() != was_down;
}

bool BoxInput::LeftPressed(double x, double y) {
  const bool was_down = ButtonDown();
  inside_ = button_.Contains(x, y);
  pressed_ = inside_;
  return ButtonDown() != was_down;
}

bool BoxInput::LeftReleased(double x, double y) {
  const bool was_down = ButtonDown();
  inside_ = button_.Contains(x, y);
  closed_ = closed_ || (pressed_ && inside_);
  pressed_ = false;
  return ButtonDown() != was_down;
}

void BoxInput::KeyPressed(BoxKey key) { closed_ = closed_ || key != BoxKey::kOther; }

}  // namespace sagelight::ui
