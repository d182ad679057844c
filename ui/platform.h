#pragma once

// The window system as the program sees it: one backend is installed per
// process (X11, Wayland, Win32, or the headless one the tests drive). A
// backend builds real windows from a form's design and only translates its
// native events into the inputs of the event path (event_path.h), which
// decides once, for every backend, what an input means.

#include <cstdint>
#include <memory>
#include <string>

#include "ui/form.h"

namespace sagelight::rt {
class RuntimeError;
}  // namespace sagelight::rt

namespace sagelight::ui {

class EventPath;

// One backend: the screen, the forms, the process. Only one is installed.
class Platform {
 public:
  Platform();
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;
  virtual ~Platform();

  // True while another instance of this program runs. Decided once, when
  // the runtime starts, before the program's own code.
  virtual bool PrevInstance() = 0;
  // The command line's argument text, without the program's name.
  virtual std::string CommandLine() = 0;

  // The screen's size in twips.
  virtual float ScreenWidth() = 0;
  virtual float ScreenHeight() = 0;
  // Show the pointer shape over the program's windows.
  virtual void ApplyMousePointer(PointerShape shape) = 0;

  // Create the form as designed and show it non-modally, maximized, as the
  // active window; its timers start now. Returns its live state. A backend
  // creates its windows and hands them to StartEventPath().
  virtual Form& ShowForm(const FormDesign& design, FormEvents& events) = 0;

  // A modal message box with an OK button. No event of a form runs while it
  // is open: input is dropped, and a timer that falls due meanwhile ticks
  // once when it has closed.
  void MsgBox(const std::string& prompt, MessageIcon icon, const std::string& title);
  // Whether a message box can be shown at all (a display exists).
  virtual bool CanShowMessages() = 0;

  // Dispatch events while a form is open; returns when none is.
  virtual void RunEventLoop() = 0;

  // Runs the program: the previous-instance test, then `main`, then the
  // event loop while a form is open. An error that no handler traps is
  // reported and ends the program with exit status 1. Returns the exit
  // status.
  int Run(void (*main)());

  // The screen's mouse pointer as the program last set it (see
  // ui::SetMousePointer).
  void SetMousePointer(std::int16_t value);
  [[nodiscard]] std::int16_t MousePointer() const { return mouse_pointer_; }

  // The backend's monotonic clock in milliseconds, which the form's timers
  // run on.
  // The steady clock of the system unless a backend keeps time of its own
  // (the tests' virtual clock).
  [[nodiscard]] virtual std::int64_t NowMillis();

  // The one way a program ends: every open file is closed, then the process
  // ends at once, from inside the call: no further handler, unload code or
  // destructor of the program runs. EndSaver, an untrapped error and a lost
  // window all end here.
  [[noreturn]] void EndProgram(int exit_status);
  // An error that no handler trapped: reported (ReportUntrappedError), then
  // the program ends with status 1.
  [[noreturn]] void EndOnError(const rt::RuntimeError& error);

 protected:
  // The backend's own box; it returns when the user has closed it.
  virtual void ShowMessageBox(const std::string& prompt, MessageIcon icon,
                              const std::string& title) = 0;
  // The backend's way of ending; it must not return.
  virtual void EndProcess(int exit_status) = 0;
  // Once a box has closed, and before it counts as closed: hands the form
  // every input queued for it by now, the box's closing key or click among
  // it, for the event path to drop.
  virtual void DeliverQueuedInput() {}

  // Called by ShowForm once the backend's form exists: from now on its
  // events go through the returned path. Twips per pixel come from the
  // display's resolution.
  EventPath& StartEventPath(Form& form, FormEvents& events, double twips_per_pixel_x,
                            double twips_per_pixel_y);
  // The shown form's event path; nullptr before ShowForm.
  [[nodiscard]] EventPath* Path() const { return path_.get(); }
  // For an event loop: runs the form's timers that have fallen due and
  // returns how long to wait for the window system before the next one, in
  // milliseconds (-1: no timer runs, wait for events alone).
  int RunDueTimers();
  // Ends the event path before the backend's form goes (the path refers to
  // the form).
  void StopEventPath();

 private:
  std::unique_ptr<EventPath> path_;
  std::int16_t mouse_pointer_ = 0;
  Platform* previous_;
};

// The backend of the running program (the one created last that still
// exists); the error "Invalid procedure call" when there is none.
Platform& Current();

// The screen's mouse pointer, as the program sets it: 11 the hourglass, 0
// the default; other values show the default.
inline constexpr std::int16_t kMousePointerDefault = 0;
inline constexpr std::int16_t kMousePointerHourglass = 11;
void SetMousePointer(std::int16_t value);
[[nodiscard]] std::int16_t MousePointer();

// A modal message box: the prompt, the buttons-and-icon value (16 the
// critical icon, 32 question, 48 exclamation, 64 information; every box has
// one OK button), the title. Returns the button pressed: 1, OK.
inline constexpr std::int32_t kMsgBoxOkOnly = 0;
inline constexpr std::int32_t kMsgBoxCritical = 16;
inline constexpr std::int32_t kMsgBoxQuestion = 32;
inline constexpr std::int32_t kMsgBoxExclamation = 48;
inline constexpr std::int32_t kMsgBoxInformation = 64;
inline constexpr std::int32_t kMsgBoxResultOk = 1;
std::int32_t MsgBox(const std::string& prompt, std::int32_t buttons, const std::string& title);

// The connection to the window system broke: one line on standard error
// names `window_system`, then the program ends through EndProgram with exit
// status 2.
[[noreturn]] void EndLostConnection(const char* window_system);

// Report an error that no handler trapped: one line on standard error, and
// a message box where a display exists.
void ReportUntrappedError(Platform& platform, const rt::RuntimeError& error);

}  // namespace sagelight::ui
