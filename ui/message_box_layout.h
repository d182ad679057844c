#pragma once

// The message box that X11 and Wayland draw themselves, decided once: where
// the icon, the prompt's lines and the OK button go, in the display's
// pixels, and which keys and clicks close it. A backend measures text in
// its font and paints the rectangles it is given.

#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"
#include "ui/pixel_rect.h"
#include "ui/text_layout.h"

namespace sagelight::ui {

// Rectangles are in the box's pixels, from its top left corner.
using BoxRect = PixelRect;

// What the box is laid out for.
struct BoxSetting {
  double scale = 1;      // the display's pixels to one pixel at 96 dpi
  int size_step = 1;     // the box's sides are whole multiples of this
  int screen_width = 0;  // pixels; the box never outgrows the screen
  int screen_height = 0;
  int line_height = 0;  // of the box's font, in pixels
  MeasureText measure;  // a run's width in that font, in pixels
};

struct MessageBoxLayout {
  MessageIcon icon = MessageIcon::kNone;  // only information and critical are drawn
  int width = 0;
  int height = 0;
  // The icon: a disc with a white letter i (a dot over a stem) or a white
  // cross of two strokes `stroke` wide, `cross_inset` in from the disc's
  // bounds at both ends.
  BoxRect icon_disc;
  BoxRect icon_dot;
  BoxRect icon_stem;
  int cross_inset = 0;
  int stroke = 0;
  // The prompt's lines, the first at `text_top`, each `line_height` below
  // the one before.
  std::vector<std::u32string> lines;
  int text_left = 0;
  int text_top = 0;
  int line_height = 0;
  // The OK button: an edge around its face, the caption's top left corner.
  BoxRect button;
  BoxRect button_face;
  int caption_left = 0;
  int caption_top = 0;
};

inline constexpr std::u32string_view kBoxCaption = U"OK";

// Lays the box out for `prompt` (Windows-1252). Long lines wrap at the
// words, as in a desktop's own box; lines that would make the box taller
// than the screen are left out.
MessageBoxLayout LayOutMessageBox(std::string_view prompt, MessageIcon icon,
                                  const BoxSetting& setting);

// The keys a box knows, as the backend translates them.
enum class BoxKey { kEnter, kEscape, kSpace, kOther };

// What closes an open box: Enter, Escape or Space, or a left click that goes
// down and up on the OK button. Pointer positions are in the box's pixels.
class BoxInput {
 public:
  explicit BoxInput(const BoxRect& button) : button_(button) {}

  // Each returns whether the button's look changed.
  bool PointerMoved(double x, double y);
  bool LeftPressed(double x, double y);
  bool LeftReleased(double x, double y);
  void KeyPressed(BoxKey key);

  [[nodiscard]] bool Closed() const { return closed_; }
  // The button is drawn pushed in while held down over it.
  [[nodiscard]] bool ButtonDown() const { return pressed_ && inside_; }

 private:
  BoxRect button_;
  bool pressed_ = false;
  bool inside_ = false;
  bool closed_ = false;
};

}  // namespace sagelight::ui
