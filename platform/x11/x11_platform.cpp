#include "platform/x11/x11_platform.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/runtime_error.h"
#include "platform/x11/connection.h"
#include "platform/x11/form_window.h"
#include "platform/x11/message_box.h"

namespace sagelight::x11 {
namespace {

std::string InstanceLockPath() {
  const char* runtime_dir = std::getenv("XDG_RUNTIME_DIR");
  if (runtime_dir != nullptr && runtime_dir[0] == '/') {
    return std::string(runtime_dir) + "/sagelight.lock";
  }
  return "/tmp/sagelight-" + std::to_string(getuid()) + ".lock";
}

class X11Platform final : public ui::Platform {
 public:
  X11Platform(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
      if (i > 1) {
        command_line_ += ' ';
      }
      command_line_ += argv[i];
    }
  }
  X11Platform(const X11Platform&) = delete;
  X11Platform& operator=(const X11Platform&) = delete;
  ~X11Platform() override {
    if (ui::Installed() == this) {
      ui::Install(nullptr);
    }
    form_.reset();
    connection_.reset();
    if (lock_fd_ >= 0) {
      close(lock_fd_);
    }
  }

  bool PrevInstance() override {
    if (!previous_instance_) {
      previous_instance_ = !TakeInstanceLock();
    }
    return *previous_instance_;
  }

  std::string CommandLine() override { return command_line_; }

  float ScreenWidth() override {
    Connection& connection = RequireConnection();
    return static_cast<float>(connection.WidthPixels() * connection.TwipsPerPixel());
  }

  float ScreenHeight() override {
    Connection& connection = RequireConnection();
    return static_cast<float>(connection.HeightPixels() * connection.TwipsPerPixel());
  }

  void ApplyMousePointer(std::int16_t shape) override {
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
    form_ = std::make_unique<FormWindow>(design, connection, events, pointer_shape_);
    return *form_;
  }

  int MsgBox(const std::string& prompt, int buttons, const std::string& title) override {
    Connection& connection = RequireConnection();
    const Window owner = form_ ? form_->window() : None;
    // While the box is open the form's windows still repaint, but its
    // input is dropped and its timers wait.
    RunMessageBox(connection, prompt, buttons, title, owner, pointer_shape_, [this](XEvent& event) {
      if (form_ && form_->Owns(event.xany.window)) {
        form_->HandleEvent(event, false);
      }
    });
    if (form_) {
      form_->TakeFocus();
      // Input the form received while the box was open, the box's closing
      // key or click among it, must not reach its handlers afterwards.
      XSync(connection.display(), False);
      while (XPending(connection.display()) > 0) {
        XEvent event;
        XNextEvent(connection.display(), &event);
        if (form_->Owns(event.xany.window)) {
          form_->HandleEvent(event, false);
        }
      }
    }
    return ui::kMsgBoxResultOk;
  }

  bool CanShowMessages() override { return Connect() != nullptr; }

  void RunEventLoop() override {
    if (!form_) {
      return;
    }
    Display* display = connection_->display();
    const int fd = ConnectionNumber(display);
    while (form_) {
      while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (form_->Owns(event.xany.window)) {
          form_->HandleEvent(event, true);
        }
      }
      if (form_->RunDueTimer(Now())) {
        continue;  // the handler may have queued events or changed timers
      }
      int timeout_ms = -1;
      if (const std::optional<ui::TimerSchedule::Millis> next = form_->NextTick()) {
        const auto wait = *next - Now();
        timeout_ms =
            static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(wait.count(), 0, INT_MAX));
      }
      pollfd readable{fd, POLLIN, 0};
      if (poll(&readable, 1, timeout_ms) < 0 && errno != EINTR) {
        // Nothing sensible is left to wait on.
        std::_Exit(2);
      }
    }
  }

 protected:
  void EndProcess(int exit_status) override { std::_Exit(exit_status); }

 private:
  // Held from the first call for the life of the process, so that of any
  // number of instances started together exactly one wins.
  bool TakeInstanceLock() {
    const std::string path = InstanceLockPath();
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
      return true;  // nothing to tell by: let this instance run
    }
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
      lock_fd_ = fd;
      return true;
    }
    const bool held_elsewhere = errno == EWOULDBLOCK;
    close(fd);
    return !held_elsewhere;
  }

  Connection* Connect() {
    if (!connect_tried_) {
      connect_tried_ = true;
      connection_ = Connection::Open();
    }
    return connection_.get();
  }

  Connection& RequireConnection() {
    Connection* connection = Connect();
    if (connection == nullptr) {
      throw rt::RuntimeError(rt::kErrDeviceIo, "Cannot open the X display");
    }
    return *connection;
  }

  std::string command_line_;
  std::optional<bool> previous_instance_;
  int lock_fd_ = -1;
  bool connect_tried_ = false;
  std::unique_ptr<Connection> connection_;
  std::unique_ptr<FormWindow> form_;
  std::int16_t pointer_shape_ = ui::kPointerDefault;
};

}  // namespace

std::unique_ptr<ui::Platform> MakePlatform(int argc, char** argv) {
  return std::make_unique<X11Platform>(argc, argv);
}

}  // namespace sagelight::x11
