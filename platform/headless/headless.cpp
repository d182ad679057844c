#include "platform/headless/headless.h"

#include <algorithm>
#include <utility>

#include "platform/runtime_error.h"

namespace sagelight::headless {

class HeadlessPlatform::HeadlessForm : public ui::Form {
 public:
  HeadlessForm(const ui::FormDesign& design, HeadlessPlatform& owner)
      : ui::Form(design), owner_(owner) {}

 protected:
  void Changed(ui::ElementId id, ui::Property what) override {
    if (what == ui::Property::kEnabled) {
      owner_.timers_->Update(id, ui::TimerSchedule::Millis(owner_.now_ms_));
    }
  }

 private:
  HeadlessPlatform& owner_;
};

HeadlessPlatform::HeadlessPlatform(Options options) : options_(std::move(options)) {}

HeadlessPlatform::~HeadlessPlatform() {
  if (ui::Installed() == this) {
    ui::Install(nullptr);
  }
}

std::optional<int> HeadlessPlatform::Start(void (*main)()) {
  try {
    const int status = ui::RunProgram(*this, main);
    if (status != 0 || !form_) {
      exit_status_ = status;
    }
  } catch (const ProgramEnded& end) {
    exit_status_ = end.exit_status;
  }
  return exit_status_;
}

float HeadlessPlatform::ScreenWidth() {
  return static_cast<float>(options_.screen_width_px) *
         static_cast<float>(options_.twips_per_pixel);
}

float HeadlessPlatform::ScreenHeight() {
  return static_cast<float>(options_.screen_height_px) *
         static_cast<float>(options_.twips_per_pixel);
}

ui::Form& HeadlessPlatform::ShowForm(const ui::FormDesign& design, ui::FormEvents& events) {
  form_ = std::make_unique<HeadlessForm>(design, *this);
  events_ = &events;
  timers_ = std::make_unique<ui::TimerSchedule>(*form_, ui::TimerSchedule::Millis(now_ms_));
  return *form_;
}

int HeadlessPlatform::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
  boxes_.push_back(MessageBoxRecord{prompt, buttons, title, now_ms_});
  // Modal: time passes while the box is open, but no event of the form runs.
  in_modal_ = true;
  now_ms_ += options_.message_box_open_ms;
  if (box_hook_) {
    box_hook_(boxes_.back());
  }
  in_modal_ = false;
  return ui::kMsgBoxResultOk;
}

void HeadlessPlatform::EndProcess(int exit_status) { throw ProgramEnded{exit_status}; }

const ui::Form* HeadlessPlatform::ShownForm() const { return form_.get(); }

void HeadlessPlatform::Dispatch(const std::function<void()>& event) {
  if (Ended() || in_modal_ || !form_) {
    return;
  }
  try {
    event();
  } catch (const ProgramEnded& end) {
    exit_status_ = end.exit_status;
  } catch (const rt::RuntimeError& error) {
    ui::ReportUntrappedError(*this, error.Number(), error.Description());
    exit_status_ = 1;
  }
}

void HeadlessPlatform::Advance(std::int64_t ms) {
  using Millis = ui::TimerSchedule::Millis;
  const std::int64_t until = now_ms_ + ms;
  while (!Ended() && form_) {
    const auto next = timers_->Earliest(Millis(until));
    if (!next) {
      break;
    }
    const ui::ElementId timer = next->first;  // a plain variable: the lambda below captures it
    const Millis due = next->second;
    now_ms_ = std::max(now_ms_, static_cast<std::int64_t>(due.count()));
    Dispatch([&] {
      ++ticks_delivered_;
      events_->OnTimer(timer);
    });
    timers_->Ran(timer, due, Millis(now_ms_));
  }
  now_ms_ = std::max(now_ms_, until);
}

void HeadlessPlatform::MovePointer(float x, float y) {
  Dispatch([&] {
    if (!form_->HitTest(x, y)) {
      events_->OnMouseMove(0, 0, x, y);
    }
  });
}

void HeadlessPlatform::MovePointerToPixel(int x, int y) {
  MovePointer(static_cast<float>(x * options_.twips_per_pixel),
              static_cast<float>(y * options_.twips_per_pixel));
}

void HeadlessPlatform::Click(float x, float y) {
  Dispatch([&] {
    const std::optional<ui::ElementId> hit = form_->HitTest(x, y);
    if (hit && form_->Design().elements[*hit].has_click_handler) {
      events_->OnClick(*hit);
    }
  });
}

void HeadlessPlatform::ClickPixel(int x, int y) {
  Click(static_cast<float>(x * options_.twips_per_pixel),
        static_cast<float>(y * options_.twips_per_pixel));
}

void HeadlessPlatform::TypeCharacter(std::int16_t character) {
  Dispatch([&] {
    std::int16_t key = character;
    events_->OnKeyPress(key);
  });
}

void HeadlessPlatform::PressKeyWithoutCharacter() {
  // Shift, arrows and function keys raise no character event.
  Dispatch([] {});
}

}  // namespace sagelight::headless
