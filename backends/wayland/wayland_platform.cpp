#include "backends/wayland/wayland_platform.h"

#include <poll.h>
#include <wayland-client.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "backends/posix/clock.h"
#include "backends/posix/event_loop.h"
#include "backends/posix/process.h"
#include "backends/wayland/connection.h"
#include "backends/wayland/form_surface.h"
#include "backends/wayland/message_box.h"
#include "backends/wayland/typeface.h"
#include "runtime/runtime_error.h"
#include "ui/event_path.h"

namespace sagelight::wayland {
namespace {

// A pixel is 15 twips at scale 1, as at 96 dots per inch; an output that
// doubles its pixels has twice as many to the inch.
constexpr double kTwipsPerPixel = 15.0;

class WaylandPlatform final : public ui::Platform, private posix::EventSource {
 public:
  WaylandPlatform(int argc, char** argv) : process_(argc, argv) {}
  WaylandPlatform(const WaylandPlatform&) = delete;
  WaylandPlatform& operator=(const WaylandPlatform&) = delete;
  ~WaylandPlatform() override {
    curtains_.clear();
    StopEventPath();
    form_.reset();
    fonts_.reset();
    connection_.reset();
  }

  bool PrevInstance() override { return process_.PrevInstance(); }
  std::string CommandLine() override { return process_.CommandLine(); }

  float ScreenWidth() override {
    const Output& screen = RequireScreen();
    return static_cast<float>(screen.width * TwipsPerPixel(screen));
  }

  float ScreenHeight() override {
    const Output& screen = RequireScreen();
    return static_cast<float>(screen.height * TwipsPerPixel(screen));
  }

  void ApplyMousePointer(ui::PointerShape shape) override {
    // Seeding sets the hourglass before any surface exists; the shape is
    // kept for the surfaces to come rather than connecting for it.
    pointer_shape_ = shape;
    if (connection_) {
      connection_->SetPointerShape(shape);
    }
  }

  ui::Form& ShowForm(const ui::FormDesign& design, ui::FormEvents& events) override {
    const Output screen = RequireScreen();
    Connection& connection = *connection_;
    connection.SetPointerShape(pointer_shape_);
    form_ = std::make_unique<FormSurface>(design, connection, Fonts(), screen);
    // The other outputs go dark first, so that the form, shown last, is the
    // one the compositor gives the keyboard.
    for (const Output& output : connection.Outputs()) {
      if (output.proxy != screen.proxy) {
        curtains_.push_back(std::make_unique<Curtain>(connection, output, *form_));
      }
    }
    const double twips = TwipsPerPixel(screen);
    form_->Create(StartEventPath(*form_, events, twips, twips));
    return *form_;
  }

  bool CanShowMessages() override { return Connect() != nullptr; }

  std::int64_t NowMillis() override { return posix::MonotonicMillis(); }

  void RunEventLoop() override { posix::RunEventLoop(*this); }

 protected:
  void ShowMessageBox(const std::string& prompt, ui::MessageIcon icon,
                      const std::string& title) override {
    Connection& connection = RequireConnection();
    // While the box is open the form's surfaces still show; the event path
    // drops their input.
    RunMessageBox(connection, Fonts(), connection.Primary(), prompt, icon, title,
                  form_ ? &form_->toplevel() : nullptr, [this] {
                    posix::Wait(*this, -1);
                    Dispatch();
                  });
  }

  void DeliverQueuedInput() override { connection_->Roundtrip(); }

  void EndProcess(int exit_status) override { std::_Exit(exit_status); }

 private:
  // posix::EventSource
  [[nodiscard]] bool Running() const override { return form_ != nullptr; }
  int RunTimers() override { return RunDueTimers(); }
  void Dispatch() override { connection_->DispatchPending(); }
  bool PrepareWait(short& events) override {
    Present();
    wl_display* display = connection_->display();
    if (wl_display_prepare_read(display) != 0) {
      return false;  // events came in that are not dispatched yet
    }
    // Send what is queued; a full socket is written as it drains.
    if (wl_display_flush(display) < 0) {
      if (errno != EAGAIN) {
        wl_display_cancel_read(display);
        Lost();
      }
      events |= POLLOUT;
    }
    return true;
  }
  void FinishWait(bool readable) override {
    if (!readable) {
      wl_display_cancel_read(connection_->display());
    } else if (wl_display_read_events(connection_->display()) < 0) {
      Lost();
    }
  }
  [[nodiscard]] int Descriptor() const override {
    return wl_display_get_fd(connection_->display());
  }
  [[noreturn]] void Lost() override { Connection::Lost(); }

  static double TwipsPerPixel(const Output& output) { return kTwipsPerPixel / output.scale; }

  void Present() {
    for (const auto& curtain : curtains_) {
      curtain->Present();
    }
    if (form_) {
      form_->Present();
    }
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
      throw rt::RuntimeError(rt::kErrDeviceIo, "Cannot connect to the Wayland compositor");
    }
    return *connection;
  }

  const Output& RequireScreen() {
    const Output* screen = RequireConnection().Primary();
    if (screen == nullptr) {
      throw rt::RuntimeError(rt::kErrDeviceIo, "The Wayland compositor has no output");
    }
    return *screen;
  }

  Typefaces& Fonts() {
    if (!fonts_) {
      fonts_ = std::make_unique<Typefaces>();
    }
    return *fonts_;
  }

  posix::Process process_;
  bool connect_tried_ = false;
  std::unique_ptr<Connection> connection_;
  std::unique_ptr<Typefaces> fonts_;
  std::vector<std::unique_ptr<Curtain>> curtains_;
  std::unique_ptr<FormSurface> form_;
  ui::PointerShape pointer_shape_ = ui::PointerShape::kDefault;
};

}  // namespace

std::unique_ptr<ui::Platform> MakePlatform(int argc, char** argv) {
  return std::make_unique<WaylandPlatform>(argc, argv);
}

}  // namespace sagelight::wayland
