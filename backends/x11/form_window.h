#pragma once

#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "backends/x11/connection.h"
#include "backends/x11/stage.h"
#include "ui/event_path.h"
#include "ui/platform.h"

namespace sagelight::x11 {

// A shown form on the X server, and a child window for each picture box
// and label at its design geometry. The children select no pointer or key
// events, so the server hands all of them to the form's window in its own
// coordinates; the event path decides what they hit.
//
// On its own, the form is a borderless window over the primary monitor,
// and every other monitor gets a plain black curtain. They are
// override-redirect windows, as screen savers and lockers on X have them:
// no window manager frames, moves or lists them, so no dock or panel is
// kept above them and no taskbar shows a button for them. The form takes
// the keyboard focus itself and grabs the keyboard, so keys reach it
// whatever a manager does with the focus; the grab reports events to the
// program's own windows as usual, so a message box still gets its keys.
//
// Hosted by a screen-saver daemon, the form is the daemon's window: the
// panel is drawn inside it, and the daemon keeps the input.
class FormWindow final : public ui::Form {
 public:
  FormWindow(const ui::FormDesign& design, Connection& connection);
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;
  ~FormWindow() override;

  // Creates and maps the windows; from now on input goes to `path`.
  void Create(ui::EventPath& path, ui::PointerShape pointer_shape, const Stage& stage);

  [[nodiscard]] Window window() const { return window_; }
  [[nodiscard]] bool Hosted() const { return hosted_; }
  [[nodiscard]] bool Owns(Window window) const;
  // The form's window was destroyed by someone else: the program cannot
  // be reached any more.
  [[nodiscard]] bool Lost() const { return lost_; }

  // Keeps the windows up to date for an event of one of them, and hands
  // input to the event path, which drops it while a box is open.
  void HandleEvent(XEvent& event);
  // A window of someone else was mapped or restacked: one that may now lie
  // above the saver puts the saver back on top.
  void HandleRootEvent(const XEvent& event);

  void ApplyPointer(ui::PointerShape shape);
  // Give the form the keyboard focus again (after a message box).
  void TakeFocus();
  // Retries the keyboard grab while another client holds the keyboard.
  void HoldKeyboard();
  // A window of the program (an open message box) that stays above the
  // form; None for none.
  void KeepAbove(Window window);

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
  void CreateTopLevel(const Stage& stage, ui::PointerShape pointer_shape);
  void NameTopLevel();
  void AdoptHost(const Stage& stage);
  void LayOut(ui::ElementId id);
  void Draw(ui::ElementId id);
  void Restack();
  [[nodiscard]] bool TopLevelOfOurs(Window window) const;
  [[nodiscard]] ui::KeyInput LookUpKey(XKeyEvent& key);
  [[nodiscard]] XIC InputContext();

  Connection& connection_;
  ui::EventPath* path_ = nullptr;
  Window window_ = None;
  bool hosted_ = false;
  std::vector<Window> curtains_;
  Window above_ = None;
  XIC input_context_ = nullptr;
  bool input_context_tried_ = false;
  std::vector<Element> elements_;
  bool focus_given_ = false;
  bool keyboard_held_ = false;
  bool lost_ = false;
  std::int64_t restack_second_ = 0;  // restacks in the current second, so
  int restacks_ = 0;                 // that no manager is fought forever
};

}  // namespace sagelight::x11
