#include "platform/win32/win32_platform.h"

#include <windowsx.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <new>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/runtime_error.h"

namespace sagelight::win32 {
namespace {

constexpr char kFormClass[] = "SagelightForm";
constexpr char kElementClass[] = "SagelightElement";

// Session-wide: the first instance creates it and holds it until it exits.
// CreateMutex either creates the object or opens the existing one in one
// step, so of two instances started together exactly one wins.
constexpr char kInstanceMutex[] = "Local\\Sagelight.Instance";

// Text of the program (quote bytes above all) as UTF-16 for drawing.
std::wstring FromWindows1252(const std::string& bytes) {
  if (bytes.empty()) {
    return {};
  }
  const int size = static_cast<int>(bytes.size());
  std::wstring wide(static_cast<std::size_t>(size), L'\0');  // one unit per byte in 1252
  const int written = MultiByteToWideChar(1252, 0, bytes.data(), size, wide.data(), size);
  wide.resize(static_cast<std::size_t>(written > 0 ? written : 0));
  return wide;
}

// A tick that fell due while a handler was still running (a message box was
// open), delivered once when it has finished. Its WPARAM is the timer's
// number, as WM_TIMER's is.
constexpr UINT kMsgLateTick = WM_APP + 1;

// The system's cursors by number, so that the code does not depend on
// whether UNICODE turns IDC_WAIT into a wide-character name.
constexpr WORD kCursorArrow = 32512;
constexpr WORD kCursorWait = 32514;

constexpr float kTwipsPerInch = 1440.0F;
constexpr int kDefaultDpi = 96;

class Win32Platform;

// One real window: the form itself (no element) or one element of it. The
// window keeps a pointer to its slot, so slots never move once created.
struct WindowSlot {
  Win32Platform* platform = nullptr;
  std::optional<ui::ElementId> element;
  HWND hwnd = nullptr;
  HBRUSH brush = nullptr;
  HFONT font = nullptr;
  bool pressed = false;  // the left button went down here; its release may click
};

class Win32Form : public ui::Form {
 public:
  Win32Form(const ui::FormDesign& design, Win32Platform& owner) : ui::Form(design), owner_(owner) {}

 protected:
  void Changed(ui::ElementId id, ui::Property what) override;

 private:
  Win32Platform& owner_;
};

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

class Win32Platform : public ui::Platform {
 public:
  Win32Platform(HINSTANCE instance, const char* command_line)
      : instance_(instance),
        command_line_(command_line != nullptr ? command_line : ""),
        cursor_(LoadCursorA(nullptr, MAKEINTRESOURCEA(kCursorArrow))) {
    HDC screen = GetDC(nullptr);
    dpi_x_ = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    dpi_y_ = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen != nullptr) {
      ReleaseDC(nullptr, screen);
    }
    dpi_x_ = dpi_x_ > 0 ? dpi_x_ : kDefaultDpi;
    dpi_y_ = dpi_y_ > 0 ? dpi_y_ : kDefaultDpi;
    twips_per_pixel_x_ = kTwipsPerInch / static_cast<float>(dpi_x_);
    twips_per_pixel_y_ = kTwipsPerInch / static_cast<float>(dpi_y_);
  }

  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  ~Win32Platform() override {
    if (form_slot_.hwnd != nullptr && IsWindow(form_slot_.hwnd) != FALSE) {
      DestroyWindow(form_slot_.hwnd);
    }
    DeleteGdiObjects(form_slot_);
    for (WindowSlot& slot : slots_) {
      DeleteGdiObjects(slot);
    }
    if (instance_mutex_ != nullptr) {
      CloseHandle(instance_mutex_);
    }
  }

  bool PrevInstance() override {
    if (!prev_instance_) {
      instance_mutex_ = CreateMutexA(nullptr, FALSE, kInstanceMutex);
      const DWORD error = GetLastError();
      // A mutex of that name that this user may not open also belongs to a
      // running instance.
      prev_instance_ =
          instance_mutex_ != nullptr ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
    }
    return *prev_instance_;
  }

  std::string CommandLine() override { return command_line_; }

  float ScreenWidth() override {
    return static_cast<float>(GetSystemMetrics(SM_CXSCREEN)) * twips_per_pixel_x_;
  }

  float ScreenHeight() override {
    return static_cast<float>(GetSystemMetrics(SM_CYSCREEN)) * twips_per_pixel_y_;
  }

  void ApplyMousePointer(std::int16_t shape) override {
    const WORD cursor = shape == ui::kPointerHourglass ? kCursorWait : kCursorArrow;
    cursor_ = LoadCursorA(nullptr, MAKEINTRESOURCEA(cursor));
    // Show it now, not only at the pointer's next movement.
    SetCursor(cursor_);
  }

  ui::Form& ShowForm(const ui::FormDesign& design, ui::FormEvents& events) override;

  int MsgBox(const std::string& prompt, int buttons, const std::string& title) override {
    HWND owner = form_slot_.hwnd != nullptr && IsWindow(form_slot_.hwnd) != FALSE ? form_slot_.hwnd
                                                                                  : nullptr;
    // The box runs its own message loop, which goes on dispatching the
    // form's timer and pointer messages; Busy keeps them from the program.
    const Busy busy(*this);
    const int pressed =
        MessageBoxA(owner, prompt.c_str(), title.c_str(), static_cast<UINT>(buttons));
    if (pressed == 0) {
      rt::Raise(rt::kErrOutOfMemory);
    }
    return pressed;
  }

  bool CanShowMessages() override { return true; }

  void RunEventLoop() override {
    if (form_slot_.hwnd == nullptr) {
      return;
    }
    MSG message;
    while (!closed_) {
      const BOOL got = GetMessageA(&message, nullptr, 0, 0);
      if (got == 0 || got == -1) {
        break;
      }
      TranslateMessage(&message);
      DispatchMessageA(&message);
      if (error_) {
        std::rethrow_exception(std::exchange(error_, nullptr));
      }
    }
  }

  void ElementChanged(ui::ElementId id, ui::Property what);
  LRESULT HandleMessage(WindowSlot& slot, UINT message, WPARAM wparam, LPARAM lparam);

 protected:
  void EndProcess(int exit_status) override { ExitProcess(static_cast<UINT>(exit_status)); }

 private:
  // While one of the program's handlers runs, or a message box is open, no
  // other event reaches the program.
  class Busy {
   public:
    explicit Busy(Win32Platform& platform) : platform_(platform) { ++platform_.busy_; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;
    ~Busy() {
      if (--platform_.busy_ == 0) {
        platform_.PostLateTicks();
      }
    }

   private:
    Win32Platform& platform_;
  };

  template <typename Handler>
  void Deliver(const Handler& handler) {
    if (busy_ > 0 || failed_ || events_ == nullptr) {
      return;
    }
    const Busy busy(*this);
    // No exception may unwind through Windows' own frames: keep it until the
    // event loop can raise it again, and let nothing else run meanwhile.
    try {
      handler();
    } catch (const std::bad_alloc&) {
      Fail(std::make_exception_ptr(rt::RuntimeError(rt::kErrOutOfMemory)));
    } catch (...) {
      Fail(std::current_exception());
    }
  }

  void Fail(std::exception_ptr error) {
    failed_ = true;
    error_ = std::move(error);
  }

  void Tick(ui::ElementId timer) {
    // A tick already queued when its timer was stopped is not delivered.
    if (timer >= timer_running_.size() || !timer_running_[timer]) {
      return;
    }
    if (busy_ > 0) {
      late_tick_[timer] = !failed_;
      return;
    }
    Deliver([&] { events_->OnTimer(timer); });
  }

  void PostLateTicks() {
    for (ui::ElementId id = 0; id < late_tick_.size(); ++id) {
      if (late_tick_[id]) {
        late_tick_[id] = false;
        if (timer_running_[id] && !failed_) {
          PostMessageA(form_slot_.hwnd, kMsgLateTick, TimerId(id), 0);
        }
      }
    }
  }

  void UpdateTimer(ui::ElementId timer) {
    const ui::ElementDesign& element = form_->Design().elements[timer];
    const bool wanted = form_->Enabled(timer) && element.interval_ms > 0;
    const UINT_PTR timer_id = TimerId(timer);
    if (wanted && !timer_running_[timer]) {
      if (SetTimer(form_slot_.hwnd, timer_id, static_cast<UINT>(element.interval_ms), nullptr) ==
          0) {
        rt::Raise(rt::kErrOutOfMemory);
      }
      timer_running_[timer] = true;
    } else if (!wanted && timer_running_[timer]) {
      KillTimer(form_slot_.hwnd, timer_id);
      timer_running_[timer] = false;
      late_tick_[timer] = false;
    }
  }

  // Window timers are numbered from 1: the element's id plus one.
  static UINT_PTR TimerId(ui::ElementId timer) { return static_cast<UINT_PTR>(timer) + 1; }

  [[nodiscard]] int PixelsX(float twips) const {
    return static_cast<int>(std::lround(twips / twips_per_pixel_x_));
  }
  [[nodiscard]] int PixelsY(float twips) const {
    return static_cast<int>(std::lround(twips / twips_per_pixel_y_));
  }

  // An element without a font of its own shows in its container's.
  [[nodiscard]] const ui::Font& FontOf(ui::ElementId id) const {
    const ui::FormDesign& design = form_->Design();
    for (std::optional<ui::ElementId> at = id; at; at = design.elements[*at].parent) {
      if (design.elements[*at].font) {
        return *design.elements[*at].font;
      }
    }
    return design.font;
  }

  [[nodiscard]] HFONT MakeFont(const ui::Font& font) const {
    LOGFONTA logical{};
    logical.lfHeight =
        -static_cast<LONG>(std::lround(static_cast<double>(font.points) * dpi_y_ / 72.0));
    logical.lfWeight = font.weight;
    logical.lfItalic = font.italic ? TRUE : FALSE;
    logical.lfUnderline = font.underline ? TRUE : FALSE;
    logical.lfStrikeOut = font.strikeout ? TRUE : FALSE;
    logical.lfCharSet = static_cast<BYTE>(font.charset);
    logical.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logical.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logical.lfQuality = DEFAULT_QUALITY;
    logical.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::size_t length = font.face.copy(logical.lfFaceName, LF_FACESIZE - 1);
    logical.lfFaceName[length] = '\0';
    return CreateFontIndirectA(&logical);
  }

  // The brush a window fills itself with: its own colour, or for a label
  // that is not opaque, the colour of the nearest container that is.
  [[nodiscard]] HBRUSH FillBrush(const WindowSlot& slot) const {
    const ui::FormDesign& design = form_->Design();
    std::optional<ui::ElementId> at = slot.element;
    while (at && !design.elements[*at].opaque) {
      at = design.elements[*at].parent;
    }
    return at ? slots_[*at].brush : form_slot_.brush;
  }

  void Paint(WindowSlot& slot) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(slot.hwnd, &paint);
    RECT client;
    GetClientRect(slot.hwnd, &client);
    FillRect(dc, &client, FillBrush(slot));
    if (slot.element && form_->Design().elements[*slot.element].kind == ui::ElementKind::kLabel) {
      const ui::ElementDesign& element = form_->Design().elements[*slot.element];
      const std::string& caption = form_->Caption(*slot.element);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, element.fore_color);
      const HGDIOBJ previous = SelectObject(dc, slot.font);
      // Lines break at words and at CR LF; what does not fit is cut at the
      // label's bottom edge. An "&" shows as itself.
      const UINT format = DT_WORDBREAK | DT_NOPREFIX |
                          (element.alignment == ui::Alignment::kCenter ? DT_CENTER : DT_LEFT);
      // The quote file's bytes are Windows-1252 whatever the system's own
      // code page, so convert from that one rather than drawing them as ANSI.
      const std::wstring text = FromWindows1252(caption);
      DrawTextW(dc, text.data(), static_cast<int>(text.size()), &client, format);
      SelectObject(dc, previous);
    }
    EndPaint(slot.hwnd, &paint);
  }

  static void DeleteGdiObjects(WindowSlot& slot) {
    if (slot.brush != nullptr) {
      DeleteObject(slot.brush);
      slot.brush = nullptr;
    }
    if (slot.font != nullptr) {
      DeleteObject(slot.font);
      slot.font = nullptr;
    }
  }

  void RegisterClasses() const {
    WNDCLASSEXA form{};
    form.cbSize = sizeof(form);
    form.lpfnWndProc = &WindowProc;
    form.hInstance = instance_;
    form.lpszClassName = kFormClass;
    WNDCLASSEXA element = form;
    element.lpszClassName = kElementClass;
    if (RegisterClassExA(&form) == 0 || RegisterClassExA(&element) == 0) {
      rt::Raise(rt::kErrOutOfMemory);
    }
  }

  HINSTANCE instance_;
  std::string command_line_;
  HCURSOR cursor_;
  int dpi_x_ = kDefaultDpi;
  int dpi_y_ = kDefaultDpi;
  float twips_per_pixel_x_ = 15.0F;
  float twips_per_pixel_y_ = 15.0F;
  HANDLE instance_mutex_ = nullptr;
  std::optional<bool> prev_instance_;

  std::unique_ptr<Win32Form> form_;
  ui::FormEvents* events_ = nullptr;
  WindowSlot form_slot_;
  std::vector<WindowSlot> slots_;  // per element, sized once in ShowForm
  std::vector<bool> timer_running_;
  std::vector<bool> late_tick_;
  int busy_ = 0;
  bool failed_ = false;
  bool closed_ = false;
  std::exception_ptr error_;
};

void Win32Form::Changed(ui::ElementId id, ui::Property what) { owner_.ElementChanged(id, what); }

ui::Form& Win32Platform::ShowForm(const ui::FormDesign& design, ui::FormEvents& events) {
  if (form_) {
    rt::Raise(rt::kErrInvalidCall);  // one form per process
  }
  RegisterClasses();
  form_ = std::make_unique<Win32Form>(design, *this);
  const std::size_t count = design.elements.size();
  slots_.assign(count, WindowSlot{});
  timer_running_.assign(count, false);
  late_tick_.assign(count, false);

  form_slot_.platform = this;
  form_slot_.brush = CreateSolidBrush(design.back_color);
  // Borderless over the screen's full size, taskbar included.
  HWND window = CreateWindowExA(0, kFormClass, design.caption.c_str(), WS_POPUP | WS_CLIPCHILDREN,
                                0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                nullptr, nullptr, instance_, &form_slot_);
  if (window == nullptr) {
    rt::Raise(rt::kErrOutOfMemory);
  }

  for (ui::ElementId id = 0; id < count; ++id) {
    const ui::ElementDesign& element = design.elements[id];
    WindowSlot& slot = slots_[id];
    slot.platform = this;
    slot.element = id;
    if (element.kind == ui::ElementKind::kTimer) {
      continue;
    }
    slot.brush = CreateSolidBrush(form_->BackColor(id));
    if (element.kind == ui::ElementKind::kLabel) {
      slot.font = MakeFont(FontOf(id));
    }
    HWND parent = element.parent ? slots_[*element.parent].hwnd : window;
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    style |= form_->Visible(id) ? WS_VISIBLE : 0;
    style |= form_->Enabled(id) ? 0 : WS_DISABLED;
    if (CreateWindowExA(
            0, kElementClass, "", style, PixelsX(form_->Left(id)), PixelsY(form_->Top(id)),
            PixelsX(form_->Width(id)), PixelsY(form_->Height(id)), parent,
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id) + 1), instance_, &slot) == nullptr) {
      rt::Raise(rt::kErrOutOfMemory);
    }
  }

  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  SetForegroundWindow(window);
  SetFocus(window);
  events_ = &events;
  for (ui::ElementId id = 0; id < count; ++id) {
    if (design.elements[id].kind == ui::ElementKind::kTimer) {
      UpdateTimer(id);
    }
  }
  return *form_;
}

void Win32Platform::ElementChanged(ui::ElementId id, ui::Property what) {
  if (id >= slots_.size()) {
    return;
  }
  if (form_->Design().elements[id].kind == ui::ElementKind::kTimer) {
    if (what == ui::Property::kEnabled) {
      UpdateTimer(id);
    }
    return;
  }
  WindowSlot& slot = slots_[id];
  if (slot.hwnd == nullptr) {
    return;
  }
  switch (what) {
    case ui::Property::kVisible:
      ShowWindow(slot.hwnd, form_->Visible(id) ? SW_SHOWNA : SW_HIDE);
      break;
    case ui::Property::kBackColor:
      if (slot.brush != nullptr) {
        DeleteObject(slot.brush);
      }
      slot.brush = CreateSolidBrush(form_->BackColor(id));
      // Labels that are not opaque show this colour too.
      RedrawWindow(slot.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
      break;
    case ui::Property::kPlace:
      SetWindowPos(slot.hwnd, nullptr, PixelsX(form_->Left(id)), PixelsY(form_->Top(id)), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    case ui::Property::kCaption:
      InvalidateRect(slot.hwnd, nullptr, FALSE);
      break;
    case ui::Property::kEnabled:
      EnableWindow(slot.hwnd, form_->Enabled(id) ? TRUE : FALSE);
      break;
  }
}

LRESULT Win32Platform::HandleMessage(WindowSlot& slot, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole window
    case WM_PAINT:
      Paint(slot);
      return 0;
    default:
      break;
  }

  if (!slot.element) {
    // The form itself.
    switch (message) {
      case WM_SETCURSOR:
        // Children pass this up first, so the pointer shape holds over the
        // whole form.
        if (LOWORD(lparam) == HTCLIENT) {
          SetCursor(cursor_);
          return TRUE;
        }
        break;
      case WM_MOUSEMOVE: {
        // Only the form's own area reaches here: the panel and its labels
        // are windows of their own and keep their pointer messages.
        const float x = static_cast<float>(GET_X_LPARAM(lparam)) * twips_per_pixel_x_;
        const float y = static_cast<float>(GET_Y_LPARAM(lparam)) * twips_per_pixel_y_;
        const auto button = static_cast<std::int16_t>(((wparam & MK_LBUTTON) != 0 ? 1 : 0) |
                                                      ((wparam & MK_RBUTTON) != 0 ? 2 : 0) |
                                                      ((wparam & MK_MBUTTON) != 0 ? 4 : 0));
        const auto shift = static_cast<std::int16_t>(((wparam & MK_SHIFT) != 0 ? 1 : 0) |
                                                     ((wparam & MK_CONTROL) != 0 ? 2 : 0) |
                                                     (GetKeyState(VK_MENU) < 0 ? 4 : 0));
        Deliver([&] { events_->OnMouseMove(button, shift, x, y); });
        return 0;
      }
      case WM_CHAR: {
        // Posted to the focus window only, so this is the form holding the
        // keyboard focus.
        auto key = static_cast<std::int16_t>(wparam & 0xFFU);
        Deliver([&] { events_->OnKeyPress(key); });
        return 0;
      }
      case WM_TIMER:
      case kMsgLateTick:
        Tick(static_cast<ui::ElementId>(wparam) - 1);
        return 0;
      case WM_DESTROY:
        closed_ = true;
        PostQuitMessage(0);
        return 0;
      default:
        break;
    }
    return DefWindowProcA(slot.hwnd, message, wparam, lparam);
  }

  // An element: the panel or a label.
  const ui::ElementId id = *slot.element;
  switch (message) {
    case WM_MOUSEMOVE:
      return 0;  // nothing of the program listens to the pointer over the panel
    case WM_SETFOCUS:
      // The keyboard stays with the form, so keys typed after a click on
      // the panel still reach it.
      if (form_slot_.hwnd != nullptr) {
        SetFocus(form_slot_.hwnd);
      }
      return 0;
    case WM_LBUTTONDOWN:
      if (form_->Design().elements[id].has_click_handler && form_->Enabled(id)) {
        slot.pressed = true;
        SetCapture(slot.hwnd);
      }
      return 0;
    case WM_LBUTTONUP:
      if (slot.pressed) {
        slot.pressed = false;
        ReleaseCapture();
        // A click is a press and a release over the same element.
        const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        RECT client;
        GetClientRect(slot.hwnd, &client);
        if (PtInRect(&client, at) != FALSE) {
          Deliver([&] { events_->OnClick(id); });
        }
      }
      return 0;
    case WM_CAPTURECHANGED:
      slot.pressed = false;
      return 0;
    default:
      break;
  }
  return DefWindowProcA(slot.hwnd, message, wparam, lparam);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* slot = reinterpret_cast<WindowSlot*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
    slot = static_cast<WindowSlot*>(create->lpCreateParams);
    slot->hwnd = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(slot));
  }
  if (slot == nullptr) {
    return DefWindowProcA(hwnd, message, wparam, lparam);
  }
  return slot->platform->HandleMessage(*slot, message, wparam, lparam);
}

}  // namespace

std::unique_ptr<ui::Platform> MakePlatform(HINSTANCE instance, const char* command_line) {
  return std::make_unique<Win32Platform>(instance, command_line);
}

}  // namespace sagelight::win32
