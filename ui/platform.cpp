#include "ui/platform.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "runtime/record_file.h"
#include "runtime/runtime_error.h"
#include "ui/event_path.h"

namespace sagelight::ui {
namespace {

Platform* g_current = nullptr;

MessageIcon IconOf(std::int32_t buttons) {
  constexpr std::int32_t kIconBits = 0x70;
  switch (buttons & kIconBits) {
    case kMsgBoxCritical:
      return MessageIcon::kCritical;
    case kMsgBoxQuestion:
      return MessageIcon::kQuestion;
    case kMsgBoxExclamation:
      return MessageIcon::kExclamation;
    case kMsgBoxInformation:
      return MessageIcon::kInformation;
    default:
      return MessageIcon::kNone;
  }
}

}  // namespace

Platform::Platform() : previous_(g_current) { g_current = this; }

Platform::~Platform() { g_current = previous_; }

Platform& Current() {
  if (g_current == nullptr) {
    rt::Raise(rt::kErrInvalidCall);
  }
  return *g_current;
}

void Platform::EndProgram(int exit_status) {
  // Whatever ends the program, its files are closed first, so nothing the
  // program wrote is left in a buffer.
  rt::CloseAll();
  EndProcess(exit_status);
  std::abort();  // a backend whose end returned: never carry on past an end
}

std::int64_t Platform::NowMillis() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void Platform::EndOnError(const rt::RuntimeError& error) {
  ReportUntrappedError(*this, error);
  EndProgram(1);
}

void Platform::SetMousePointer(std::int16_t value) {
  mouse_pointer_ = value;
  ApplyMousePointer(value == kMousePointerHourglass ? PointerShape::kHourglass
                                                    : PointerShape::kDefault);
}

int Platform::Run(void (*main)()) {
  int status = 0;
  rt::OnError(
      [&] {
        (void)PrevInstance();
        main();
        RunEventLoop();
      },
      [&](const rt::RuntimeError& error) {
        ReportUntrappedError(*this, error);
        status = 1;
      });
  return status;
}

void SetMousePointer(std::int16_t value) { Current().SetMousePointer(value); }

std::int16_t MousePointer() { return Current().MousePointer(); }

std::int32_t MsgBox(const std::string& prompt, std::int32_t buttons, const std::string& title) {
  Current().MsgBox(prompt, IconOf(buttons), title);
  return kMsgBoxResultOk;
}

void Platform::MsgBox(const std::string& prompt, MessageIcon icon, const std::string& title) {
  // The gate closes even when the box fails to show.
  class Gate {
   public:
    explicit Gate(EventPath* path) : path_(path) {
      if (path_ != nullptr) {
        path_->BoxOpened();
      }
    }
    Gate(const Gate&) = delete;
    Gate& operator=(const Gate&) = delete;
    ~Gate() {
      if (path_ != nullptr) {
        path_->BoxClosed();
      }
    }

   private:
    EventPath* path_;
  };
  const Gate gate(path_.get());
  ShowMessageBox(prompt, icon, title);
  if (path_ != nullptr) {
    DeliverQueuedInput();
  }
}

EventPath& Platform::StartEventPath(Form& form, FormEvents& events, double twips_per_pixel_x,
                                    double twips_per_pixel_y) {
  path_ = std::make_unique<EventPath>(*this, form, events, twips_per_pixel_x, twips_per_pixel_y);
  return *path_;
}

void Platform::StopEventPath() { path_.reset(); }

int Platform::RunDueTimers() {
  if (path_ == nullptr) {
    return -1;
  }
  path_->RunDueTimers();
  return path_->WaitTimeout();
}

void EndLostConnection(const char* window_system) {
  const std::string line =
      std::string("Sagelight: lost the connection to the ") + window_system + "\n";
  std::fputs(line.c_str(), stderr);
  if (g_current != nullptr) {
    g_current->EndProgram(2);
  }
  rt::CloseAll();
  std::_Exit(2);
}

void ReportUntrappedError(Platform& platform, const rt::RuntimeError& error) {
  // A file error names the file as this machine knows it (not the
  // program's c:\ path), or users could not find what to repair.
  const std::int32_t number = error.Number();
  const std::string& file = error.File();
  const std::string text =
      file.empty() ? error.Description() : error.Description() + " (" + file + ")";
  // fputs rather than fprintf: the Windows build would carry a whole
  // printf implementation for this one line.
  const std::string line =
      "Sagelight: run-time error " + std::to_string(number) + ": " + text + "\n";
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
  if (platform.CanShowMessages()) {
    const std::string prompt = "Run-time error '" + std::to_string(number) + "':\r\n\r\n" + text;
    try {
      platform.MsgBox(prompt, MessageIcon::kCritical, "Sagelight");
    } catch (const rt::RuntimeError&) {
      // The line on standard error already carries the report.
    }
  }
}

}  // namespace sagelight::ui
