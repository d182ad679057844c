#include "backends/headless/headless.h"

#include <utility>

#include "runtime/runtime.h"
#include "ui/platform.h"

namespace sagelight::headless {

// Counts the ticks that reach the program, and passes everything on.
class HeadlessPlatform::CountingEvents : public ui::FormEvents {
 public:
  CountingEvents(ui::FormEvents& program, int& ticks) : program_(program), ticks_(ticks) {}
  void OnTimer(ui::ElementId timer) override {
    ++ticks_;
    program_.OnTimer(timer);
  }
  void OnClick(ui::ElementId element) override { program_.OnClick(element); }
  void OnKeyPress(std::int16_t& key_ascii) override { program_.OnKeyPress(key_ascii); }
  void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) override {
    program_.OnMouseMove(button, shift, x, y);
  }

 private:
  ui::FormEvents& program_;
  int& ticks_;
};

HeadlessPlatform::HeadlessPlatform(Options options) : options_(std::move(options)) {}

HeadlessPlatform::~HeadlessPlatform() { StopEventPath(); }

std::optional<int> HeadlessPlatform::Start(void (*main)()) {
  try {
    const int status = Run(main);
    if (status != 0 || !form_) {
      exit_status_ = status;
    }
  } catch (const ProgramEnded& end) {
    exit_status_ = end.exit_status;
  }
  return exit_status_;
}

float HeadlessPlatform::ScreenWidth() {
  if (screen_hook_) {
    screen_hook_();
  }
  return static_cast<float>(options_.screen_width_px * options_.twips_per_pixel);
}

float HeadlessPlatform::ScreenHeight() {
  return static_cast<float>(options_.screen_height_px * options_.twips_per_pixel);
}

void HeadlessPlatform::ApplyMousePointer(ui::PointerShape shape) {
  pointer_shapes_.push_back(shape);
  if (pointer_hook_) {
    pointer_hook_(shape);
  }
}

ui::Form& HeadlessPlatform::ShowForm(const ui::FormDesign& design, ui::FormEvents& events) {
  form_ = std::make_unique<ui::Form>(design);
  counting_ = std::make_unique<CountingEvents>(events, ticks_delivered_);
  StartEventPath(*form_, *counting_, options_.twips_per_pixel, options_.twips_per_pixel);
  return *form_;
}

void HeadlessPlatform::ShowMessageBox(const std::string& prompt, ui::MessageIcon icon,
                                      const std::string& title) {
  boxes_.push_back(MessageBoxRecord{prompt, icon, title, now_ms_});
  // Time passes while the box is open; the event path keeps the form's
  // events from the program meanwhile.
  now_ms_ += options_.message_box_open_ms;
  if (box_hook_) {
    box_hook_(boxes_.back());
  }
}

void HeadlessPlatform::EndProcess(int exit_status) { throw ProgramEnded{exit_status}; }

void HeadlessPlatform::Feed(const std::function<void(ui::EventPath&)>& input) {
  if (Ended() || Path() == nullptr) {
    return;
  }
  try {
    input(*Path());
  } catch (const ProgramEnded& end) {
    exit_status_ = end.exit_status;
  }
}

ui::PointerInput HeadlessPlatform::AtPixel(double x, double y) const {
  ui::PointerInput at;
  at.x = x;
  at.y = y;
  return at;
}

void HeadlessPlatform::Advance(std::int64_t ms) {
  const std::int64_t until = now_ms_ + ms;
  while (!Ended() && Path() != nullptr) {
    const std::optional<std::int64_t> wait = Path()->MillisToNextTimer();
    if (!wait || now_ms_ + *wait > until) {
      break;
    }
    now_ms_ += *wait;
    Feed([](ui::EventPath& path) { path.RunDueTimers(); });
  }
  if (now_ms_ < until) {
    now_ms_ = until;
  }
}

void HeadlessPlatform::MovePointer(float x, float y) {
  const double per_pixel = options_.twips_per_pixel;
  const ui::PointerInput at = AtPixel(x / per_pixel, y / per_pixel);
  Feed([&](ui::EventPath& path) { path.PointerMoved(at); });
}

void HeadlessPlatform::MovePointerToPixel(int x, int y) {
  Feed([&](ui::EventPath& path) { path.PointerMoved(AtPixel(x, y)); });
}

void HeadlessPlatform::PressPixel(int x, int y, ui::MouseButton button) {
  Feed([&](ui::EventPath& path) { path.ButtonPressed(button, AtPixel(x, y)); });
}

void HeadlessPlatform::ReleasePixel(int x, int y, ui::MouseButton button) {
  Feed([&](ui::EventPath& path) { path.ButtonReleased(button, AtPixel(x, y)); });
}

void HeadlessPlatform::ClickPixel(int x, int y) {
  PressPixel(x, y);
  ReleasePixel(x, y);
}

void HeadlessPlatform::Type(std::u32string text, bool alt) {
  const ui::KeyInput key{std::move(text), alt};
  Feed([&](ui::EventPath& path) { path.Key(key); });
}

}  // namespace sagelight::headless
