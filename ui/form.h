#pragma once

// A form as the program's logic sees it: its design as data, in the manner
// of a form file, and its live state, which the logic reads and writes and a
// backend mirrors on the screen.

#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/pixel_rect.h"

namespace sagelight::ui {

// A colour: red, green and blue, 8 bits each.
class Color {
 public:
  constexpr Color() = default;
  constexpr Color(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
      : red_(red), green_(green), blue_(blue) {}
  // From the program's colour value, 0x00BBGGRR.
  static constexpr Color FromBgr(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value & 0xFFU),
            static_cast<std::uint8_t>((value >> 8) & 0xFFU),
            static_cast<std::uint8_t>((value >> 16) & 0xFFU)};
  }
  [[nodiscard]] constexpr std::uint32_t Bgr() const {
    return static_cast<std::uint32_t>(red_) | (static_cast<std::uint32_t>(green_) << 8) |
           (static_cast<std::uint32_t>(blue_) << 16);
  }
  [[nodiscard]] constexpr std::uint8_t Red() const { return red_; }
  [[nodiscard]] constexpr std::uint8_t Green() const { return green_; }
  [[nodiscard]] constexpr std::uint8_t Blue() const { return blue_; }
  constexpr auto operator<=>(const Color&) const = default;

 private:
  std::uint8_t red_ = 0;
  std::uint8_t green_ = 0;
  std::uint8_t blue_ = 0;
};

// The pointer's shape over the program's windows.
enum class PointerShape { kDefault, kHourglass };

// A message box's icon; every box has one OK button.
enum class MessageIcon { kNone, kCritical, kQuestion, kExclamation, kInformation };

using ElementId = std::size_t;

// How many twips make a pixel across and down, and the one rounding by which
// a place or size in twips becomes the pixels that every backend draws.
struct PixelScale {
  double twips_per_pixel_x = 15;
  double twips_per_pixel_y = 15;
  [[nodiscard]] int X(float twips) const;
  [[nodiscard]] int Y(float twips) const;
};

struct Font {
  std::string face;
  float points = 8.25F;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  // The character set a Windows font is asked for (LOGFONT's lfCharSet);
  // elsewhere a face is found by its name alone and this is not read.
  int charset = 0;
};

enum class ElementKind { kPictureBox, kLabel, kTimer };
enum class Alignment { kLeft, kCenter };

// One element of a form's design. Geometry is in twips, relative to the
// parent element (or to the form's area when there is no parent).
struct ElementDesign {
  std::string name;
  ElementKind kind = ElementKind::kLabel;
  std::optional<ElementId> parent;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  Color back_color;
  Color fore_color;
  bool opaque = true;
  std::optional<Font> font;  // none: the face of its surroundings
  Alignment alignment = Alignment::kLeft;
  std::string caption;
  bool visible = true;
  bool enabled = true;
  int interval_ms = 0;  // timers only
  bool has_click_handler = false;
};

// A whole form as data, in the manner of a form file. Elements are listed in
// creation order; an ElementId is an index into `elements`.
struct FormDesign {
  std::string caption;
  bool border = false;
  bool maximized = true;
  Color back_color;
  Font font;
  int left = 0;  // the restored place and size, in twips; unseen when maximized
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<ElementDesign> elements;

  // The font an element writes in: its own, else its nearest container's,
  // else the form's.
  [[nodiscard]] const Font& FontOf(ElementId id) const;
};

// The handlers of a shown form. Only the event path calls them, after it has
// applied the rules: OnMouseMove only for the pointer over the form's own
// area (never over a showing element), OnClick only for a press and release
// of the left button on one element that has a click handler and is enabled
// and showing, OnKeyPress only for a key that produces a character.
class FormEvents {
 public:
  FormEvents() = default;
  FormEvents(const FormEvents&) = delete;
  FormEvents& operator=(const FormEvents&) = delete;
  virtual ~FormEvents() = default;

  virtual void OnTimer(ElementId timer) = 0;
  virtual void OnClick(ElementId element) = 0;
  virtual void OnKeyPress(std::int16_t& key_ascii) = 0;
  virtual void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) = 0;
};

// Told when an element's enabled state changes, which starts or stops a
// timer.
class TimerObserver {
 public:
  TimerObserver() = default;
  TimerObserver(const TimerObserver&) = delete;
  TimerObserver& operator=(const TimerObserver&) = delete;
  virtual void EnabledChanged(ElementId id) = 0;

 protected:
  ~TimerObserver() = default;
};

// What a property change touched, so a backend can bring the real window up
// to date without comparing the whole state.
enum class Property { kVisible, kBackColor, kPlace, kCaption, kEnabled };

// The live state of a shown form: every element's current properties. The
// logic reads and writes them here; a backend derives from it and reflects
// each change on the screen in Changed().
class Form {
 public:
  explicit Form(FormDesign design);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form() = default;

  [[nodiscard]] const FormDesign& Design() const { return design_; }

  void SetVisible(ElementId id, bool visible);
  [[nodiscard]] bool Visible(ElementId id) const { return state_.at(id).visible; }
  void SetBackColor(ElementId id, Color color);
  [[nodiscard]] Color BackColor(ElementId id) const { return state_.at(id).back_color; }
  void Move(ElementId id, float left, float top);  // keeps the size
  [[nodiscard]] float Left(ElementId id) const { return state_.at(id).left; }
  [[nodiscard]] float Top(ElementId id) const { return state_.at(id).top; }
  [[nodiscard]] float Width(ElementId id) const { return state_.at(id).width; }
  [[nodiscard]] float Height(ElementId id) const { return state_.at(id).height; }
  void SetCaption(ElementId id, const std::string& caption);
  [[nodiscard]] const std::string& Caption(ElementId id) const { return state_.at(id).caption; }
  void SetEnabled(ElementId id, bool enabled);
  [[nodiscard]] bool Enabled(ElementId id) const { return state_.at(id).enabled; }

  // Visible on the screen: the element and all its containers are visible.
  [[nodiscard]] bool Showing(ElementId id) const;
  // Where the element is drawn on the form's area: each place relative to
  // its container and each size rounded on its own, as a backend places a
  // child window inside its parent.
  [[nodiscard]] PixelRect Drawn(ElementId id, const PixelScale& scale) const;
  // The innermost showing element drawn under a pixel of the form's area,
  // if any; timers are never hit.
  [[nodiscard]] std::optional<ElementId> HitTest(int x, int y, const PixelScale& scale) const;

  // Who learns of timers started and stopped (the event path of the shown
  // form); nobody before it is shown.
  void SetTimerObserver(TimerObserver* observer) { timer_observer_ = observer; }

 protected:
  virtual void Changed(ElementId /*id*/, Property /*what*/) {}

 private:
  struct ElementState {
    bool visible = true;
    bool enabled = true;
    Color back_color;
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    std::string caption;
  };
  FormDesign design_;
  std::vector<ElementState> state_;
  TimerObserver* timer_observer_ = nullptr;
};

}  // namespace sagelight::ui
