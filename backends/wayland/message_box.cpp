#include "backends/wayland/message_box.h"

#include <xkbcommon/xkbcommon-keysyms.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "backends/text/text_layout.h"
#include "runtime/code_page.h"
#include "ui/message_box_look.h"

namespace sagelight::wayland {
namespace {

using namespace ui::box;  // the box's colours

class MessageBox final : public InputTarget {
 public:
  MessageBox(Connection& connection, Typefaces& fonts, const Output* output,
             const std::string& prompt, ui::MessageIcon icon, const std::string& title,
             const Toplevel* parent)
      : icon_(icon == ui::MessageIcon::kInformation || icon == ui::MessageIcon::kCritical
                  ? icon
                  : ui::MessageIcon::kNone),
        scale_(output != nullptr ? output->scale : 1),
        font_(fonts.Open(ui::Font{"MS Sans Serif", 8.25F, 400}, 96.0 * scale_)) {
    LayOut(prompt, output != nullptr ? output->width : 1024);
    toplevel_ = std::make_unique<Toplevel>(connection, title, this, scale_);
    toplevel_->SetFixedSize(width_ / scale_, height_ / scale_);
    if (parent != nullptr) {
      toplevel_->SetParent(*parent);
    }
    toplevel_->Map();
  }

  void Run(const std::function<void()>& wait) {
    while (!closed_ && !toplevel_->CloseRequested()) {
      if ((dirty_ || toplevel_->Unanswered()) && toplevel_->Configured() &&
          toplevel_->Paint(width_, height_, [this](Canvas& canvas, int, bool) { Draw(canvas); })) {
        dirty_ = false;
      }
      wait();
    }
  }

  void PointerMoved(const ui::PointerInput& at) override {
    const bool inside = OnButton(at);
    if (pressed_ && inside != inside_) {
      inside_ = inside;
      dirty_ = true;
    }
  }

  void PointerButton(ui::MouseButton button, bool pressed, const ui::PointerInput& at) override {
    if (button != ui::MouseButton::kLeft) {
      return;
    }
    inside_ = OnButton(at);
    if (pressed) {
      pressed_ = inside_;
    } else if (pressed_) {
      pressed_ = false;
      closed_ = inside_;
    }
    dirty_ = true;
  }

  void KeyPressed(xkb_keysym_t keysym, const ui::KeyInput& /*key*/) override {
    closed_ = closed_ || keysym == XKB_KEY_Return || keysym == XKB_KEY_KP_Enter ||
              keysym == XKB_KEY_Escape || keysym == XKB_KEY_space;
  }

 private:
  [[nodiscard]] int Scaled(int pixels_at_scale_1) const { return pixels_at_scale_1 * scale_; }

  [[nodiscard]] int TextWidth(std::u32string_view text) const {
    return font_ != nullptr ? font_->Measure(text) : 0;
  }

  [[nodiscard]] bool OnButton(const ui::PointerInput& at) const {
    return at.x >= button_.left && at.y >= button_.top && at.x < button_.left + button_.width &&
           at.y < button_.top + button_.height;
  }

  void LayOut(const std::string& prompt, int screen_width) {
    const int margin = Scaled(12);
    icon_size_ = icon_ == ui::MessageIcon::kNone ? 0 : Scaled(32);
    // Very long lines wrap, as they would in a desktop's own message box.
    const int widest = std::max(Scaled(200), screen_width * 5 / 8);
    lines_ = posix::BreakLines(rt::FromWindows1252(prompt), widest,
                               [this](std::u32string_view run) { return TextWidth(run); });
    line_height_ = font_ != nullptr ? font_->FontMetrics().height : 0;
    int text_width = 0;
    for (const std::u32string& line : lines_) {
      text_width = std::max(text_width, TextWidth(line));
    }
    const int text_height = static_cast<int>(lines_.size()) * line_height_;
    const int content_height = std::max(icon_size_, text_height);
    icon_left_ = margin;
    icon_top_ = margin + (content_height - icon_size_) / 2;
    text_left_ = margin + (icon_size_ > 0 ? icon_size_ + margin : 0);
    text_top_ = margin + (content_height - text_height) / 2;
    const int button_width = Scaled(75);
    const int button_height = Scaled(23);
    width_ = std::max({text_left_ + text_width + margin, button_width + 2 * margin, Scaled(160)});
    height_ = margin + content_height + margin + button_height + margin;
    // The surface is measured in whole units of the output's scale.
    width_ += (scale_ - width_ % scale_) % scale_;
    height_ += (scale_ - height_ % scale_) % scale_;
    button_ = Rect{(width_ - button_width) / 2, height_ - margin - button_height, button_width,
                   button_height};
  }

  void Draw(Canvas& canvas) {
    canvas.Fill(canvas.Bounds(), kFace);
    if (icon_ != ui::MessageIcon::kNone) {
      DrawIcon(canvas);
    }
    if (font_ != nullptr) {
      int top = text_top_;
      const int ascent = font_->FontMetrics().ascent;
      for (const std::u32string& line : lines_) {
        font_->Draw(canvas, text_left_, top + ascent, line, kText, canvas.Bounds());
        top += line_height_;
      }
    }
    DrawButton(canvas);
  }

  void DrawIcon(Canvas& canvas) const {
    const double size = icon_size_;
    const double centre_x = icon_left_ + size / 2;
    const double centre_y = icon_top_ + size / 2;
    canvas.Disc(centre_x, centre_y, size / 2,
                icon_ == ui::MessageIcon::kInformation ? kInformationBlue : kCriticalRed);
    const double unit = std::max(1.0, size / 8);  // 4 px at scale 1
    if (icon_ == ui::MessageIcon::kInformation) {
      // The letter i: a dot over a stem.
      canvas.Disc(centre_x, icon_top_ + 2 * unit, unit * 0.75, kWhite);
      canvas.Fill(
          Rect{static_cast<int>(std::lround(centre_x - unit / 2)),
               static_cast<int>(std::lround(icon_top_ + 3.5 * unit)),
               static_cast<int>(std::lround(unit)), static_cast<int>(std::lround(3 * unit))},
          kWhite);
    } else {
      // A cross.
      const double near = 2.5 * unit;
      const double far = size - near;
      canvas.Line(icon_left_ + near, icon_top_ + near, icon_left_ + far, icon_top_ + far, unit,
                  kWhite);
      canvas.Line(icon_left_ + far, icon_top_ + near, icon_left_ + near, icon_top_ + far, unit,
                  kWhite);
    }
  }

  void DrawButton(Canvas& canvas) const {
    const int edge = scale_;
    canvas.Fill(button_, kDefaultButtonEdge);
    const Rect face{button_.left + edge, button_.top + edge, button_.width - 2 * edge,
                    button_.height - 2 * edge};
    canvas.Fill(face, pressed_ && inside_ ? kButtonPressed : kButtonFace);
    if (font_ != nullptr) {
      const std::u32string caption = U"OK";
      const posix::LineMetrics metrics = font_->FontMetrics();
      const int left = face.left + (face.width - font_->Measure(caption)) / 2;
      const int top = face.top + (face.height - metrics.height) / 2;
      font_->Draw(canvas, left, top + metrics.ascent, caption, kText, face);
    }
  }

  ui::MessageIcon icon_;
  int scale_;
  Typeface* font_;
  std::unique_ptr<Toplevel> toplevel_;
  std::vector<std::u32string> lines_;
  int line_height_ = 0;
  int icon_size_ = 0;
  int icon_left_ = 0;
  int icon_top_ = 0;
  int text_left_ = 0;
  int text_top_ = 0;
  int width_ = 0;
  int height_ = 0;
  Rect button_;
  bool dirty_ = true;
  bool pressed_ = false;
  bool inside_ = false;
  bool closed_ = false;
};

}  // namespace

void RunMessageBox(Connection& connection, Typefaces& fonts, const Output* output,
                   const std::string& prompt, ui::MessageIcon icon, const std::string& title,
                   const Toplevel* parent, const std::function<void()>& wait) {
  MessageBox box(connection, fonts, output, prompt, icon, title, parent);
  // Cleared however the box ends, the end of the program included.
  struct ModalKeys {
    Connection& connection;
    ~ModalKeys() { connection.SetModalKeys(nullptr); }
  } modal{connection};
  connection.SetModalKeys(&box);
  box.Run(wait);
}

}  // namespace sagelight::wayland
