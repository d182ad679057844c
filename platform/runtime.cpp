#include "platform/runtime.h"

#include <new>
#include <utility>

#include "platform/record_file.h"
#include "platform/runtime_error.h"

namespace sagelight::rt {
namespace {

Runtime* g_current = nullptr;

ui::MessageIcon IconOf(std::int32_t buttons) {
  switch (buttons & 0x70) {
    case 16:
      return ui::MessageIcon::kCritical;
    case 32:
      return ui::MessageIcon::kQuestion;
    case 48:
      return ui::MessageIcon::kExclamation;
    case kMsgBoxInformation:
      return ui::MessageIcon::kInformation;
    default:
      return ui::MessageIcon::kNone;
  }
}

}  // namespace

Runtime::Runtime(ui::Platform& platform, RuntimeOptions options)
    : platform_(platform), options_(std::move(options)), previous_(g_current) {
  g_current = this;
}

Runtime::~Runtime() {
  CloseAll();
  for (auto release = at_end_.rbegin(); release != at_end_.rend(); ++release) {
    (*release)();
  }
  g_current = previous_;
}

Runtime& Runtime::Current() {
  if (g_current == nullptr) {
    Raise(kErrInvalidCall);
  }
  return *g_current;
}

bool Runtime::Started() { return g_current != nullptr; }

void Runtime::AtEnd(std::function<void()> release) { at_end_.push_back(std::move(release)); }

int Runtime::Run(void (*main)()) {
  int status = 0;
  OnError(
      [&] {
        (void)platform_.PrevInstance();
        main();
        platform_.RunEventLoop();
      },
      [&](const RuntimeError& error) {
        ui::ReportUntrappedError(platform_, error);
        status = 1;
      });
  return status;
}

void SetMousePointer(std::int16_t value) {
  Runtime& runtime = Runtime::Current();
  runtime.SetMousePointer(value);
  runtime.Platform().ApplyMousePointer(
      value == kMousePointerHourglass ? ui::PointerShape::kHourglass : ui::PointerShape::kDefault);
}

std::int16_t MousePointer() { return Runtime::Current().MousePointer(); }

std::int32_t MsgBox(const std::string& prompt, std::int32_t buttons, const std::string& title) {
  Runtime::Current().Platform().MsgBox(prompt, IconOf(buttons), title);
  return kMsgBoxResultOk;
}

}  // namespace sagelight::rt

namespace sagelight::ui {

Platform& Current() { return rt::Runtime::Current().Platform(); }

}  // namespace sagelight::ui
