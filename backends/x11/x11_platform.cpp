#include "backends/x11/x11_platform.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "backends/desktop/desktop_platform.h"
#include "backends/x11/connection.h"
#include "backends/x11/form_window.h"
#include "backends/x11/message_box.h"
#include "backends/x11/stage.h"
#include "runtime/record_file.h"
#include "runtime/runtime_error.h"
#include "ui/event_path.h"

namespace sagelight::x11 {
namespace {

class X11Platform final : public posix::DesktopPlatform {
 public:
  X11Platform(int argc, char** argv, std::string fallback)
      : DesktopPlatform(argc, argv), fallback_(std::move(fallback)) {}
  X11Platform(const X11Platform&) = delete;
  X11Platform& operator=(const X11Platform&) = delete;
  ~X11Platform() override {
    StopEventPath();
    form_.reset();
    connection_.reset();
  }

  // The primary monitor, or the daemon's window that hosts the saver.
  float ScreenWidth() override {
    Connection& connection = RequireConnection();
    return static_cast<float>(stage_.screen.width * connection.TwipsPerPixel());
  }

  float ScreenHeight() override {
    Connection& connection = RequireConnection();
    return static_cast<float>(stage_.screen.height * connection.TwipsPerPixel());
  }

  void ApplyMousePointer(ui::PointerShape shape) override {
    // Seeding sets the hourglass before any window exists; the shape is
    // kept for the windows to come rather than opening the display for it.
    pointer_shape_ = shape;
    if (form_) {
      form_->ApplyPointer(shape);
      XFlush(connection_->display());
    }
  }

  ui::Form& ShowForm(const ui::FormDesign& design, ui::FormEvents& events) override {
    Connection& connection = RequireConnection();
    if (stage_.host_gone) {
      EndUnreachable();  // the daemon's window went before the saver could draw in it
    }
    form_ = std::make_unique<FormWindow>(design, connection);
    const double twips = connection.TwipsPerPixel();
    form_->Create(StartEventPath(*form_, events, twips, twips), pointer_shape_, stage_);
    return *form_;
  }

 protected:
  void ShowMessageBox(const std::string& prompt, ui::MessageIcon icon,
                      const std::string& title) override {
    Connection& connection = RequireConnection();
    BoxPlace place;
    place.area = stage_.screen;
    place.parent = stage_.host != None ? stage_.host : connection.root();
    if (form_) {
      place.owner = form_->window();
      // Above a form that no manager stacks, the box must not be managed
      // either, or the manager could put it beneath; inside a daemon's
      // window the daemon owns the keyboard.
      place.override_redirect = !form_->Hosted();
      place.take_focus = !form_->Hosted();
      place.created = [this](Window box) { form_->KeepAbove(box); };
    }
    // While the box is open the form's windows still repaint; the event path
    // drops their input.
    RunMessageBox(connection, prompt, icon, title, place, pointer_shape_,
                  [this](XEvent& event) { Dispatch(event); });
    if (form_) {
      form_->KeepAbove(None);
      form_->TakeFocus();
    }
  }

  void DeliverQueuedInput() override {
    XSync(connection_->display(), False);
    HandlePending();
  }

  bool Connected() override { return Connect() != nullptr; }

 private:
  // posix::EventSource
  [[nodiscard]] bool Running() const override { return form_ != nullptr; }
  void Dispatch() override {
    HandlePending();
    if (form_) {
      form_->HoldKeyboard();
    }
  }
  // Xlib reads what the server sent as it flushes: a sleep waits only when
  // nothing has come.
  bool PrepareWait(short& /*events*/) override { return XPending(connection_->display()) == 0; }
  void FinishWait(bool /*readable*/) override {}
  [[nodiscard]] int Descriptor() const override { return ConnectionNumber(connection_->display()); }
  [[noreturn]] void Lost() override { ui::EndLostConnection("X server"); }

  void Dispatch(XEvent& event) {
    if (XFilterEvent(&event, None) != False) {
      return;  // the input method took it
    }
    if (!form_) {
      return;
    }
    if (event.xany.window == connection_->root()) {
      form_->HandleRootEvent(event);
    } else if (form_->Owns(event.xany.window)) {
      form_->HandleEvent(event);
      if (form_->Lost()) {
        EndUnreachable();
      }
    }
  }

  // Another client destroyed the window the saver shows in: nobody can see
  // or dismiss it any more, and a saver left running would hold the
  // single-instance lock for ever. It ends as a program whose last window
  // has gone: files closed, status 0.
  [[noreturn]] void EndUnreachable() { EndProgram(0); }

  void HandlePending() {
    Display* display = connection_->display();
    while (form_ && XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      Dispatch(event);
    }
  }

  Connection* Connect() {
    if (!connect_tried_) {
      connect_tried_ = true;
      connection_ = Connection::Open();
      const char* name = std::getenv("DISPLAY");
      if (connection_ && !fallback_.empty()) {
        const std::string line =
            "Sagelight: " + fallback_ + "; running on the X display " + name + "\n";
        std::fputs(line.c_str(), stderr);
      }
      if (connection_) {
        // A daemon that hosts screen savers names its window here.
        stage_ = FindStage(*connection_, std::getenv("XSCREENSAVER_WINDOW"));
      }
    }
    return connection_.get();
  }

  Connection& RequireConnection() {
    Connection* connection = Connect();
    if (connection == nullptr) {
      // Which display was tried is what a user needs to put it right.
      const std::string tried = XDisplayName(nullptr);
      std::string said = tried.empty() ? "Cannot open the X display: DISPLAY is not set"
                                       : "Cannot open the X display " + tried;
      if (!fallback_.empty()) {
        said += ", and " + fallback_;
      }
      throw rt::RuntimeError(rt::kErrDeviceIo, said);
    }
    return *connection;
  }

  std::string fallback_;
  bool connect_tried_ = false;
  std::unique_ptr<Connection> connection_;
  Stage stage_;
  std::unique_ptr<FormWindow> form_;
  ui::PointerShape pointer_shape_ = ui::PointerShape::kDefault;
};

}  // namespace

std::unique_ptr<ui::Platform> MakePlatform(int argc, char** argv, std::string fallback) {
  return std::make_unique<X11Platform>(argc, argv, std::move(fallback));
}

}  // namespace sagelight::x11
