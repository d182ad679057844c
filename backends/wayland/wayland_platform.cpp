#include "backends/wayland/wayland_platform.h"

#include <poll.h>
#include <wayland-client.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "backends/desktop/desktop_platform.h"
#include "backends/wayland/connection.h"
#include "backends/wayland/form_surface.h"
#include "backends/wayland/message_box.h"
#include "backends/wayland/typeface.h"
#include "runtime/runtime_error.h"
#include "ui/event_path.h"

namespace sagelight::wayland {
namespace {

class WaylandPlatform final : public posix::DesktopPlatform {
 public:
  WaylandPlatform(int argc, char** argv) : DesktopPlatform(argc, argv) {}
  WaylandPlatform(const WaylandPlatform&) = delete;
  WaylandPlatform& operator=(const WaylandPlatform&) = delete;
  ~WaylandPlatform() override {
    curtains_.clear();
    StopEventPath();
    form_.reset();
    fonts_.reset();
    connection_.reset();
  }

  float ScreenWidth() override {
    const Output& screen = RequireScreen();
    return static_cast<float>(screen.width * screen.TwipsPerPixel());
  }

  float ScreenHeight() override {
    const Output& screen = RequireScreen();
    return static_cast<float>(screen.height * screen.TwipsPerPixel());
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
    screen_ = screen.name;
    // The other outputs go dark first, so that the form, shown last, is the
    // one the compositor gives the keyboard.
    connection.TakeOutputsChanged();
    Restage();
    const double twips = screen.TwipsPerPixel();
    form_->Create(StartEventPath(*form_, events, twips, twips));
    return *form_;
  }

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

  bool Connected() override { return Connect() != nullptr; }

 private:
  // Outputs that came while the saver runs go dark at once; one that went
  // is let go, and when it showed the form, the form moves to the primary.
  void Restage() {
    Connection& connection = *connection_;
    const std::vector<const Output*> outputs = connection.Outputs();
    std::optional<std::size_t> showing;
    for (std::size_t i = 0; i < outputs.size(); ++i) {
      if (outputs[i]->name == screen_) {
        showing = i;
      }
    }
    const ui::StagePlan plan = ui::PlanStage(connection.Monitors(), showing);
    if (plan.screen && outputs[*plan.screen]->name != screen_) {
      screen_ = outputs[*plan.screen]->name;
      form_->MoveTo(*outputs[*plan.screen]);
    }
    std::erase_if(curtains_, [&](const std::unique_ptr<Curtain>& curtain) {
      return std::none_of(plan.curtains.begin(), plan.curtains.end(),
                          [&](std::size_t i) { return outputs[i]->name == curtain->output(); });
    });
    for (const std::size_t i : plan.curtains) {
      if (std::none_of(curtains_.begin(), curtains_.end(), [&](const auto& curtain) {
            return curtain->output() == outputs[i]->name;
          })) {
        curtains_.push_back(std::make_unique<Curtain>(connection, *outputs[i], *form_));
      }
    }
  }

  // posix::EventSource
  [[nodiscard]] bool Running() const override { return form_ != nullptr; }
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

  void Present() {
    if (form_ && connection_->TakeOutputsChanged()) {
      Restage();
    }
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
      connection_ = Connection::Open(unreachable_);
    }
    return connection_.get();
  }

  Connection& RequireConnection() {
    Connection* connection = Connect();
    if (connection == nullptr) {
      // Said as a sentence: "No Wayland compositor answers at ...".
      std::string said = unreachable_;
      said[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(said[0])));
      throw rt::RuntimeError(rt::kErrDeviceIo, said);
    }
    return *connection;
  }

  // The output that shows the form; before it shows, the primary.
  const Output& RequireScreen() {
    Connection& connection = RequireConnection();
    const Output* screen = form_ ? connection.FindOutput(screen_) : nullptr;
    if (screen == nullptr) {
      screen = connection.Primary();
    }
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

  bool connect_tried_ = false;
  std::string unreachable_;
  std::unique_ptr<Connection> connection_;
  std::unique_ptr<Typefaces> fonts_;
  std::vector<std::unique_ptr<Curtain>> curtains_;
  std::unique_ptr<FormSurface> form_;
  std::uint32_t screen_ = 0;  // the registry's name of the form's output
  ui::PointerShape pointer_shape_ = ui::PointerShape::kDefault;
};

}  // namespace

std::unique_ptr<ui::Platform> MakePlatform(int argc, char** argv) {
  return std::make_unique<WaylandPlatform>(argc, argv);
}

}  // namespace sagelight::wayland
