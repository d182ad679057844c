#pragma once

#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>

#include <string>
#include <vector>

#include "platform/event_path.h"
#include "platform/ui.h"
#include "platform/x11/connection.h"

namespace sagelight::x11 {

// A shown form on the X server: one borderless top-level window over the
// whole screen, and a child window for each picture box and label at its
// design geometry. The children select no pointer or key events, so the
// server hands all of them to the form's window in its own coordinates;
// the event path decides what they hit.
class FormWindow final : public ui::Form {
 public:
  FormWindow(const ui::FormDesign& design, Connection& connection);
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;
  ~FormWindow() override;

  // Creates and maps the windows; from now on input goes to `path`.
  void Create(ui::EventPath& path, ui::PointerShape pointer_shape);

  [[nodiscard]] Window window() const { return window_; }
  [[nodiscard]] bool Owns(Window window) const;

  // Keeps the windows up to date for an event of one of them, and hands
  // input to the event path, which drops it while a box is open.
  void HandleEvent(XEvent& event);

  void ApplyPointer(ui::PointerShape shape);
  // Give the form the keyboard focus again (after a message box).
  void TakeFocus();

 protected:
  void Changed(ui::ElementId id, ui::Property what) override;

 private:
  struct Element {
    Window window = None;
    XftDraw* draw = nullptr;
    XftFont* font = nullptr;
    std::vector<std::u32string> lines;  // a label's caption as it shows
  };

  void ShowQuietly(ui::ElementId id);
  void LayOut(ui::ElementId id);
  void Draw(ui::ElementId id);
  [[nodiscard]] ui::KeyInput LookUpKey(XKeyEvent& key);

  Connection& connection_;
  ui::EventPath* path_ = nullptr;
  Window window_ = None;
  XIC input_context_ = nullptr;
  std::vector<Element> elements_;
  bool focus_given_ = false;
};

}  // namespace sagelight::x11
