#include "backends/wayland/message_box.h"

#include <xkbcommon/xkbcommon-keysyms.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "ui/message_box_layout.h"
#include "ui/message_box_look.h"

namespace sagelight::wayland {
namespace {

using namespace ui::box;  // the box's colours

// The keys that close a box, by their meaning.
ui::BoxKey BoxKeyOf(xkb_keysym_t keysym) {
  switch (keysym) {
    case XKB_KEY_Return:
    case XKB_KEY_KP_Enter:
      return ui::BoxKey::kEnter;
    case XKB_KEY_Escape:
      return ui::BoxKey::kEscape;
    case XKB_KEY_space:
      return ui::BoxKey::kSpace;
    default:
      return ui::BoxKey::kOther;
  }
}

class MessageBox final : public InputTarget {
 public:
  MessageBox(Connection& connection, Typefaces& fonts, const Output* output,
             const std::string& prompt, ui::MessageIcon icon, const std::string& title,
             const Toplevel* parent)
      : scale_(output != nullptr ? output->scale : 1),
        font_(fonts.Open(ui::Font{"MS Sans Serif", 8.25F, 400}, 96.0 * scale_)),
        layout_(
            ui::LayOutMessageBox(prompt, icon,
                                 {.scale = static_cast<double>(scale_),
                                  .size_step = scale_,
                                  .screen_width = output != nullptr ? output->width : 1024,
                                  .screen_height = output != nullptr ? output->height : 768,
                                  .line_height = font_ != nullptr ? font_->FontMetrics().height : 0,
                                  .measure =
                                      [this](std::u32string_view run) {
                                        return font_ != nullptr ? font_->Measure(run) : 0;
                                      }})),
        input_(layout_.button) {
    toplevel_ = std::make_unique<Toplevel>(connection, title, this, scale_);
    toplevel_->SetFixedSize(layout_.width / scale_, layout_.height / scale_);
    if (parent != nullptr) {
      toplevel_->SetParent(*parent);
    }
    toplevel_->Map();
  }

  void Run(const std::function<void()>& wait) {
    while (!input_.Closed() && !toplevel_->CloseRequested()) {
      if ((dirty_ || toplevel_->Unanswered()) && toplevel_->Configured() &&
          toplevel_->Paint(layout_.width, layout_.height,
                           [this](Canvas& canvas, int, bool) { Draw(canvas); })) {
        dirty_ = false;
      }
      wait();
    }
  }

  void PointerMoved(const ui::PointerInput& at) override {
    dirty_ = input_.PointerMoved(at.x, at.y) || dirty_;
  }

  void PointerButton(ui::MouseButton button, bool pressed, const ui::PointerInput& at) override {
    if (button != ui::MouseButton::kLeft) {
      return;
    }
    const bool changed = pressed ? input_.LeftPressed(at.x, at.y) : input_.LeftReleased(at.x, at.y);
    dirty_ = changed || dirty_;
  }

  void KeyPressed(xkb_keysym_t keysym, const ui::KeyInput& /*key*/) override {
    input_.KeyPressed(BoxKeyOf(keysym));
  }

 private:
  void Draw(Canvas& canvas) {
    canvas.Fill(canvas.Bounds(), kFace);
    if (layout_.icon != ui::MessageIcon::kNone) {
      DrawIcon(canvas);
    }
    if (font_ != nullptr) {
      int top = layout_.text_top;
      const int ascent = font_->FontMetrics().ascent;
      for (const std::u32string& line : layout_.lines) {
        font_->Draw(canvas, layout_.text_left, top + ascent, line, kText, canvas.Bounds());
        top += layout_.line_height;
      }
    }
    DrawButton(canvas);
  }

  static void Disc(Canvas& canvas, const ui::BoxRect& area, ui::Color color) {
    canvas.Disc(area.left + area.width / 2.0, area.top + area.height / 2.0, area.width / 2.0,
                color);
  }

  void DrawIcon(Canvas& canvas) const {
    const ui::BoxRect& disc = layout_.icon_disc;
    const bool information = layout_.icon == ui::MessageIcon::kInformation;
    Disc(canvas, disc, information ? kInformationBlue : kCriticalRed);
    if (information) {
      Disc(canvas, layout_.icon_dot, kWhite);
      canvas.Fill(layout_.icon_stem, kWhite);
      return;
    }
    const double near = layout_.cross_inset;
    const double far = disc.width - near;
    canvas.Line(disc.left + near, disc.top + near, disc.left + far, disc.top + far, layout_.stroke,
                kWhite);
    canvas.Line(disc.left + far, disc.top + near, disc.left + near, disc.top + far, layout_.stroke,
                kWhite);
  }

  void DrawButton(Canvas& canvas) const {
    canvas.Fill(layout_.button, kDefaultButtonEdge);
    const Rect face = layout_.button_face;
    canvas.Fill(face, input_.ButtonDown() ? kButtonPressed : kButtonFace);
    if (font_ != nullptr) {
      font_->Draw(canvas, layout_.caption_left, layout_.caption_top + font_->FontMetrics().ascent,
                  ui::kBoxCaption, kText, face);
    }
  }

  int scale_;
  Typeface* font_;
  ui::MessageBoxLayout layout_;
  ui::BoxInput input_;
  std::unique_ptr<Toplevel> toplevel_;
  bool dirty_ = true;
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
