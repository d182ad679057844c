#include "backends/win32/form_window.h"

#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <string>

#include "backends/win32/untrapped.h"
#include "runtime/runtime_error.h"

namespace sagelight::win32 {
namespace {

constexpr wchar_t kFormClass[] = L"SagelightForm";
constexpr wchar_t kElementClass[] = L"SagelightElement";

// A point is 20 twips.
constexpr float kTwipsPerPoint = 20.0F;

constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_XBUTTON1 | MK_XBUTTON2;

COLORREF ColorRef(ui::Color color) { return RGB(color.Red(), color.Green(), color.Blue()); }

HBRUSH RequireBrush(ui::Color color) {
  HBRUSH brush = CreateSolidBrush(ColorRef(color));
  if (brush == nullptr) {
    rt::Raise(rt::kErrOutOfMemory);
  }
  return brush;
}

ui::PointerInput PointerAt(WPARAM wparam, LPARAM lparam) {
  ui::PointerInput at;
  at.x = GET_X_LPARAM(lparam);
  at.y = GET_Y_LPARAM(lparam);
  at.left = (wparam & MK_LBUTTON) != 0;
  at.right = (wparam & MK_RBUTTON) != 0;
  at.middle = (wparam & MK_MBUTTON) != 0;
  at.shift = (wparam & MK_SHIFT) != 0;
  at.ctrl = (wparam & MK_CONTROL) != 0;
  at.alt = GetKeyState(VK_MENU) < 0;
  return at;
}

ui::MouseButton ButtonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      return ui::MouseButton::kLeft;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return ui::MouseButton::kRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return ui::MouseButton::kMiddle;
    default:
      return ui::MouseButton::kOther;
  }
}

}  // namespace

FormWindow::FormWindow(const ui::FormDesign& design, ui::Platform& platform, HINSTANCE instance)
    : ui::Form(design),
      platform_(platform),
      instance_(instance),
      elements_(design.elements.size()) {}

FormWindow::~FormWindow() {
  path_ = nullptr;
  if (window_ != nullptr) {
    // The messages of the destruction no longer reach this object.
    for (const Element& element : elements_) {
      if (element.window != nullptr) {
        SetWindowLongPtrW(element.window, GWLP_USERDATA, 0);
      }
    }
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  for (const Element& element : elements_) {
    if (element.brush != nullptr) {
      DeleteObject(element.brush);
    }
    if (element.font != nullptr) {
      DeleteObject(element.font);
    }
  }
  if (brush_ != nullptr) {
    DeleteObject(brush_);
  }
}

void FormWindow::Create(ui::EventPath& path, HCURSOR cursor) {
  path_ = &path;
  cursor_ = cursor;
  WNDCLASSEXW form_class{};
  form_class.cbSize = sizeof(form_class);
  form_class.lpfnWndProc = &FormProcedure;
  form_class.hInstance = instance_;
  form_class.lpszClassName = kFormClass;
  WNDCLASSEXW element_class = form_class;
  element_class.lpfnWndProc = &ElementProcedure;
  element_class.lpszClassName = kElementClass;
  for (const WNDCLASSEXW* window_class : {&form_class, &element_class}) {
    if (RegisterClassExW(window_class) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
      rt::Raise(rt::kErrOutOfMemory);
    }
  }

  const ui::FormDesign& design = Design();
  brush_ = RequireBrush(design.back_color);
  const DWORD style = (design.border ? WS_OVERLAPPEDWINDOW : WS_POPUP) | WS_CLIPCHILDREN;
  // Maximized covers the screen's full size, the taskbar's place included.
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (!design.maximized) {
    area.left = path.PixelsX(static_cast<float>(design.left));
    area.top = path.PixelsY(static_cast<float>(design.top));
    area.right = area.left + std::max(1, path.PixelsX(static_cast<float>(design.width)));
    area.bottom = area.top + std::max(1, path.PixelsY(static_cast<float>(design.height)));
  }
  AdjustWindowRectEx(&area, style, FALSE, 0);
  const std::wstring caption = WideFromWindows1252(design.caption);
  if (CreateWindowExW(0, kFormClass, caption.c_str(), style, area.left, area.top,
                      area.right - area.left, area.bottom - area.top, nullptr, nullptr, instance_,
                      this) == nullptr) {
    rt::Raise(rt::kErrOutOfMemory);
  }
  for (ui::ElementId id = 0; id < design.elements.size(); ++id) {
    CreateElement(id);
  }
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  SetForegroundWindow(window_);
  SetFocus(window_);
}

void FormWindow::CreateElement(ui::ElementId id) {
  const ui::ElementDesign& design = Design().elements[id];
  if (design.kind == ui::ElementKind::kTimer) {
    return;
  }
  Element& element = elements_[id];
  element.brush = RequireBrush(BackColor(id));
  if (design.kind == ui::ElementKind::kLabel) {
    element.font = MakeFont(Design().FontOf(id));
  }
  HWND parent = design.parent ? elements_[*design.parent].window : window_;
  const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (Visible(id) ? WS_VISIBLE : 0);
  // The control id is the element's id plus one: ids start at 1.
  element.window = CreateWindowExW(
      0, kElementClass, L"", style, path_->PixelsX(Left(id)), path_->PixelsY(Top(id)),
      path_->PixelsX(Width(id)), path_->PixelsY(Height(id)), parent,
      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id) + 1), instance_, this);
  if (element.window == nullptr) {
    rt::Raise(rt::kErrOutOfMemory);
  }
}

HFONT FormWindow::MakeFont(const ui::Font& font) const {
  LOGFONTW logical{};
  logical.lfHeight = -path_->PixelsY(font.points * kTwipsPerPoint);
  logical.lfWeight = font.weight;
  logical.lfItalic = font.italic ? TRUE : FALSE;
  logical.lfUnderline = font.underline ? TRUE : FALSE;
  logical.lfStrikeOut = font.strikeout ? TRUE : FALSE;
  logical.lfCharSet = static_cast<BYTE>(font.charset);
  logical.lfOutPrecision = OUT_DEFAULT_PRECIS;
  logical.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  logical.lfQuality = DEFAULT_QUALITY;
  logical.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::wstring face = WideFromWindows1252(font.face);
  const std::size_t length = face.copy(logical.lfFaceName, LF_FACESIZE - 1);
  logical.lfFaceName[length] = L'\0';
  return CreateFontIndirectW(&logical);
}

HBRUSH FormWindow::FillBrush(ui::ElementId id) const {
  // A label that is not opaque shows the colour of the nearest container
  // that is.
  const ui::FormDesign& design = Design();
  std::optional<ui::ElementId> at = id;
  while (at && !design.elements[*at].opaque) {
    at = design.elements[*at].parent;
  }
  return at ? elements_[*at].brush : brush_;
}

void FormWindow::PaintForm() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  FillRect(dc, &paint.rcPaint, brush_);
  EndPaint(window_, &paint);
}

void FormWindow::PaintElement(HWND window, ui::ElementId id) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, FillBrush(id));
  const ui::ElementDesign& design = Design().elements[id];
  if (design.kind == ui::ElementKind::kLabel) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorRef(design.fore_color));
    const HGDIOBJ previous = SelectObject(dc, elements_[id].font);
    // Lines break at words and at CR LF; what does not fit is cut at the
    // label's bottom edge. An "&" shows as itself.
    const UINT format = DT_WORDBREAK | DT_NOPREFIX |
                        (design.alignment == ui::Alignment::kCenter ? DT_CENTER : DT_LEFT);
    // The caption's bytes are Windows-1252 whatever the system's code page.
    const std::wstring text = WideFromWindows1252(Caption(id));
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &client, format);
    SelectObject(dc, previous);
  }
  EndPaint(window, &paint);
}

void FormWindow::Changed(ui::ElementId id, ui::Property what) {
  if (id >= elements_.size() || elements_[id].window == nullptr || path_ == nullptr) {
    return;
  }
  Element& element = elements_[id];
  switch (what) {
    case ui::Property::kVisible:
      ShowWindow(element.window, Visible(id) ? SW_SHOWNA : SW_HIDE);
      break;
    case ui::Property::kBackColor: {
      HBRUSH brush = RequireBrush(BackColor(id));
      DeleteObject(element.brush);
      element.brush = brush;
      // Labels that are not opaque show this colour too.
      RedrawWindow(element.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
      break;
    }
    case ui::Property::kPlace:
      SetWindowPos(element.window, nullptr, path_->PixelsX(Left(id)), path_->PixelsY(Top(id)), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    case ui::Property::kCaption:
      InvalidateRect(element.window, nullptr, FALSE);
      break;
    case ui::Property::kEnabled:
      // The windows take no input of their own: what a disabled element
      // still receives is the event path's business.
      break;
  }
}

void FormWindow::Pointer(UINT message, WPARAM wparam, LPARAM lparam) {
  const ui::PointerInput at = PointerAt(wparam, lparam);
  switch (message) {
    case WM_MOUSEMOVE:
      // While a button is held the form has the capture and hears the
      // pointer anywhere on the desktop; the event path decides what of it
      // is the form's.
      path_->PointerMoved(at);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
      // Hold the capture while a button is down, so that its release
      // arrives even when the pointer has left the window.
      SetCapture(window_);
      path_->ButtonPressed(ButtonOf(message), at);
      break;
    default:
      path_->ButtonReleased(ButtonOf(message), at);
      if ((wparam & kAnyButton) == 0 && GetCapture() == window_) {
        ReleaseCapture();
      }
      break;
  }
}

void FormWindow::Character(WPARAM wparam, bool alt) {
  const std::optional<char32_t> character = typed_.Add(static_cast<wchar_t>(wparam));
  if (character) {
    path_->Key(ui::KeyInput{std::u32string(1, *character), alt});
  }
}

LRESULT FormWindow::FormMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole area
    case WM_PAINT:
      PaintForm();
      return 0;
    case WM_SETCURSOR:
      // The children are transparent to the pointer, so this comes here
      // wherever it is over the form.
      if (LOWORD(lparam) == HTCLIENT) {
        SetCursor(cursor_);
        return TRUE;
      }
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_XBUTTONDOWN:
    case WM_XBUTTONUP:
      if (path_ != nullptr) {
        Pointer(message, wparam, lparam);
      }
      return message == WM_XBUTTONDOWN || message == WM_XBUTTONUP ? TRUE : 0;
    case WM_CHAR:
    case WM_SYSCHAR:
      // The window is Unicode, so the character comes as UTF-16 whatever
      // the system's code page. With Alt it is a command, not typing; not
      // passing it on also spares the beep for a menu the form lacks.
      if (path_ != nullptr) {
        Character(wparam, message == WM_SYSCHAR);
      }
      return 0;
    case WM_DESTROY:
      window_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT FormWindow::ElementMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NCHITTEST:
      // Every pointer message goes to the form's window beneath.
      return HTTRANSPARENT;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole area
    case WM_PAINT:
      PaintElement(window, static_cast<ui::ElementId>(GetDlgCtrlID(window) - 1));
      return 0;
    case WM_SETFOCUS:
      // The keyboard stays with the form.
      if (window_ != nullptr) {
        SetFocus(window_);
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT CALLBACK FormWindow::FormProcedure(HWND window, UINT message, WPARAM wparam,
                                           LPARAM lparam) {
  auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    form = static_cast<FormWindow*>(reinterpret_cast<const CREATESTRUCTW*>(lparam)->lpCreateParams);
    form->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  if (form == nullptr) {
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return Guarded(form->platform_,
                 [&] { return form->FormMessage(window, message, wparam, lparam); });
}

LRESULT CALLBACK FormWindow::ElementProcedure(HWND window, UINT message, WPARAM wparam,
                                              LPARAM lparam) {
  auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    form = static_cast<FormWindow*>(reinterpret_cast<const CREATESTRUCTW*>(lparam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  if (form == nullptr) {
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return Guarded(form->platform_,
                 [&] { return form->ElementMessage(window, message, wparam, lparam); });
}

}  // namespace sagelight::win32
