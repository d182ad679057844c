#pragma once

// The seam between the program's logic and the window system. The logic
// builds against these types only; each executable installs one backend
// (X11, Win32, or the headless one that the tests drive).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sagelight::ui {

using Color = std::uint32_t;  // 0x00BBGGRR
using ElementId = std::size_t;

struct Font {
  std::string face;
  float points = 8.25F;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
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
  Color back_color = 0;
  Color fore_color = 0;
  bool opaque = true;
  bool border = false;
  std::optional<Font> font;  // none: the face of its surroundings
  Alignment alignment = Alignment::kLeft;
  std::string caption;
  bool visible = true;
  bool enabled = true;
  bool tab_stop = false;
  int tab_index = 0;
  int interval_ms = 0;  // timers only
  bool has_click_handler = false;
};

// A whole form as data, in the manner of a form file. Elements are listed in
// creation order; an ElementId is an index into `elements`.
struct FormDesign {
  std::string name;
  std::string caption;
  bool border = false;
  bool maximized = true;
  bool key_preview = false;
  Color back_color = 0;
  Font font;
  int left = 0;  // the restored place and size, in twips; unseen when maximized
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<ElementDesign> elements;
};

// The handlers of a shown form. Backends call them after their own
// hit-testing: OnMouseMove only for the pointer over the form's own area
// (never over a visible element), OnClick only for an element whose design
// has a click handler, OnKeyPress only for a key that produces a character
// while the form holds the focus.
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
  [[nodiscard]] std::optional<ElementId> Find(const std::string& name) const;

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
  // The element's place on the form in twips, containers included.
  [[nodiscard]] float AbsoluteLeft(ElementId id) const;
  [[nodiscard]] float AbsoluteTop(ElementId id) const;
  // The innermost showing element under a point of the form (twips), if
  // any; timers are never hit.
  [[nodiscard]] std::optional<ElementId> HitTest(float x, float y) const;

 protected:
  virtual void Changed(ElementId /*id*/, Property /*what*/) {}

 private:
  struct ElementState {
    bool visible = true;
    bool enabled = true;
    Color back_color = 0;
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    std::string caption;
  };
  FormDesign design_;
  std::vector<ElementState> state_;
};

// Message box values.
inline constexpr int kMsgBoxOkOnly = 0;
inline constexpr int kMsgBoxCritical = 16;
inline constexpr int kMsgBoxInformation = 64;
inline constexpr int kMsgBoxResultOk = 1;

// Mouse pointer shapes of the screen.
inline constexpr std::int16_t kPointerDefault = 0;
inline constexpr std::int16_t kPointerHourglass = 11;

// One backend: the screen, the forms, the process. Only one is installed.
class Platform {
 public:
  Platform() = default;
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;
  virtual ~Platform() = default;

  // True while another instance of this program runs. Decided once, when
  // the runtime starts, before the program's own code.
  virtual bool PrevInstance() = 0;
  // The command line's argument text, without the program's name.
  virtual std::string CommandLine() = 0;

  // The whole screen's size in twips.
  virtual float ScreenWidth() = 0;
  virtual float ScreenHeight() = 0;
  // Show the pointer shape over the program's windows.
  virtual void ApplyMousePointer(std::int16_t shape) = 0;

  // Create the form as designed and show it non-modally, maximized, as the
  // active window; its timers start now. Returns its live state.
  virtual Form& ShowForm(const FormDesign& design, FormEvents& events) = 0;

  // A modal message box; returns the button pressed. No event of a form
  // runs while it is open.
  virtual int MsgBox(const std::string& prompt, int buttons, const std::string& title) = 0;
  // Whether a message box can be shown at all (a display exists).
  virtual bool CanShowMessages() = 0;

  // Dispatch events while a form is open; returns when none is.
  virtual void RunEventLoop() = 0;

  // End the process at once, from inside the call: no further handler,
  // unload code or destructor of the program runs. Closing files is the
  // caller's business (rt::CloseAll).
  [[noreturn]] void EndProgram(int exit_status);

 protected:
  // The backend's way of ending; it must not return.
  virtual void EndProcess(int exit_status) = 0;
};

// The installed backend. Installing nullptr removes it.
void Install(Platform* platform);
[[nodiscard]] Platform* Installed();
// The installed backend, or the error "Invalid procedure call" when none is.
Platform& Current();

// The screen's mouse pointer, kept by the runtime and shown by the backend.
void SetMousePointer(std::int16_t shape);
[[nodiscard]] std::int16_t MousePointer();

// The runtime's start: the previous-instance test, then `main`, then the
// event loop while a form is open. An error that no handler traps is
// reported (a message box where a display exists, and one line on standard
// error) and ends the program with exit status 1. Returns the exit status.
int RunProgram(Platform& platform, void (*main)());

// Report an error that no handler trapped, as RunProgram does.
void ReportUntrappedError(Platform& platform, std::int32_t number, const std::string& description);

}  // namespace sagelight::ui
