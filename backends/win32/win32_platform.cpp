#include "backends/win32/win32_platform.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "backends/win32/form_window.h"
#include "backends/win32/untrapped.h"
#include "backends/win32/wide_text.h"
#include "runtime/runtime_error.h"
#include "ui/event_path.h"

namespace sagelight::win32 {
namespace {

// Session-wide: the first instance creates it and holds it until it exits.
// CreateMutex either creates the object or opens the existing one in one
// step, so of two instances started together exactly one wins.
constexpr wchar_t kInstanceMutex[] = L"Local\\Sagelight.Instance";

// The system's cursors by number: the IDC_ names are narrow or wide
// depending on UNICODE.
constexpr WORD kCursorArrow = 32512;
constexpr WORD kCursorWait = 32514;

constexpr double kTwipsPerInch = 1440.0;
constexpr int kDefaultDpi = 96;

UINT IconStyle(ui::MessageIcon icon) {
  switch (icon) {
    case ui::MessageIcon::kCritical:
      return MB_ICONERROR;
    case ui::MessageIcon::kQuestion:
      return MB_ICONQUESTION;
    case ui::MessageIcon::kExclamation:
      return MB_ICONEXCLAMATION;
    case ui::MessageIcon::kInformation:
      return MB_ICONINFORMATION;
    case ui::MessageIcon::kNone:
      break;
  }
  return 0;
}

HCURSOR SystemCursor(ui::PointerShape shape) {
  const WORD cursor = shape == ui::PointerShape::kHourglass ? kCursorWait : kCursorArrow;
  return LoadCursorW(nullptr, MAKEINTRESOURCEW(cursor));
}

class Win32Platform final : public ui::Platform {
 public:
  Win32Platform(HINSTANCE instance, const char* command_line)
      : instance_(instance),
        command_line_(command_line != nullptr ? command_line : ""),
        cursor_(SystemCursor(ui::PointerShape::kDefault)) {
    // The program declares itself DPI-aware, so this is the display's real
    // resolution: 15 twips to the pixel at 96 dots per inch.
    int dpi_x = 0;
    int dpi_y = 0;
    if (HDC screen = GetDC(nullptr); screen != nullptr) {
      dpi_x = GetDeviceCaps(screen, LOGPIXELSX);
      dpi_y = GetDeviceCaps(screen, LOGPIXELSY);
      ReleaseDC(nullptr, screen);
    }
    twips_per_pixel_x_ = kTwipsPerInch / (dpi_x > 0 ? dpi_x : kDefaultDpi);
    twips_per_pixel_y_ = kTwipsPerInch / (dpi_y > 0 ? dpi_y : kDefaultDpi);
  }

  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  ~Win32Platform() override {
    // The event path refers to the form: it goes first.
    StopEventPath();
    form_.reset();
    if (instance_mutex_ != nullptr) {
      CloseHandle(instance_mutex_);
    }
  }

  bool PrevInstance() override {
    if (!previous_instance_) {
      instance_mutex_ = CreateMutexW(nullptr, FALSE, kInstanceMutex);
      const DWORD error = GetLastError();
      // A mutex of that name that this user may not open also belongs to a
      // running instance.
      previous_instance_ =
          instance_mutex_ != nullptr ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
    }
    return *previous_instance_;
  }

  std::string CommandLine() override { return command_line_; }

  float ScreenWidth() override {
    return static_cast<float>(GetSystemMetrics(SM_CXSCREEN) * twips_per_pixel_x_);
  }

  float ScreenHeight() override {
    return static_cast<float>(GetSystemMetrics(SM_CYSCREEN) * twips_per_pixel_y_);
  }

  void ApplyMousePointer(ui::PointerShape shape) override {
    cursor_ = SystemCursor(shape);
    if (form_) {
      form_->ApplyCursor(cursor_);
    }
    // Show it now, not only at the pointer's next movement.
    SetCursor(cursor_);
  }

  ui::Form& ShowForm(const ui::FormDesign& design, ui::FormEvents& events) override {
    if (form_) {
      rt::Raise(rt::kErrInvalidCall);  // one form per process
    }
    form_ = std::make_unique<FormWindow>(design, *this, instance_);
    form_->Create(StartEventPath(*form_, events, twips_per_pixel_x_, twips_per_pixel_y_), cursor_);
    return *form_;
  }

  bool CanShowMessages() override { return true; }

  std::int64_t NowMillis() override { return static_cast<std::int64_t>(GetTickCount64()); }

  void RunEventLoop() override {
    if (!form_) {
      return;
    }
    for (;;) {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        if (message.message == WM_QUIT) {
          return;  // the form's window is gone
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
      const int wait = Guarded(*this, [this] { return RunDueTimers(); });
      // Sleep until a message comes or the next timer falls due; a message
      // already waiting, seen or not, wakes it at once.
      const DWORD timeout = wait < 0 ? INFINITE : static_cast<DWORD>(wait);
      if (MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
          WAIT_FAILED) {
        std::fputs("Sagelight: cannot wait for window messages\n", stderr);
        ExitProcess(2);
      }
    }
  }

 protected:
  void ShowMessageBox(const std::string& prompt, ui::MessageIcon icon,
                      const std::string& title) override {
    HWND owner = form_ ? form_->window() : nullptr;
    const std::wstring text = WideFromWindows1252(prompt);
    const std::wstring caption = WideFromWindows1252(title);
    // The box runs its own message loop. It disables its owner, and what it
    // still dispatches to the form (painting, the pointer) reaches the event
    // path, which drops input while the box is open.
    const int pressed = MessageBoxW(owner, text.c_str(), caption.c_str(), MB_OK | IconStyle(icon));
    if (pressed == 0) {
      rt::Raise(rt::kErrOutOfMemory);
    }
  }

  void EndProcess(int exit_status) override { ExitProcess(static_cast<UINT>(exit_status)); }

  void DeliverQueuedInput() override {
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE) != FALSE ||
           PeekMessageW(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE) != FALSE) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }

 private:
  HINSTANCE instance_;
  std::string command_line_;
  HCURSOR cursor_;
  double twips_per_pixel_x_ = 15.0;
  double twips_per_pixel_y_ = 15.0;
  HANDLE instance_mutex_ = nullptr;
  std::optional<bool> previous_instance_;
  std::unique_ptr<FormWindow> form_;
};

}  // namespace

std::unique_ptr<ui::Platform> MakePlatform(HINSTANCE instance, const char* command_line) {
  return std::make_unique<Win32Platform>(instance, command_line);
}

}  // namespace sagelight::win32
