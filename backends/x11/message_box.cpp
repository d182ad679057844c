#include "backends/x11/message_box.h"

#include <X11/Xatom.h>
#include <X11/Xft/Xft.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "backends/text/text_layout.h"
#include "backends/x11/fonts.h"
#include "runtime/code_page.h"
#include "ui/message_box_look.h"
#include "ui/platform.h"

namespace sagelight::x11 {
namespace {

using namespace ui::box;  // the box's colours

enum class Icon { kNone, kInformation, kCritical };

// The boxes the program shows carry the information or the critical icon;
// the others are drawn without one.
Icon IconFor(ui::MessageIcon icon) {
  switch (icon) {
    case ui::MessageIcon::kInformation:
      return Icon::kInformation;
    case ui::MessageIcon::kCritical:
      return Icon::kCritical;
    default:
      return Icon::kNone;
  }
}

// Without an Xft font, text is measured and drawn in the server's core font.
int TextWidth(Display* display, XftFont* font, std::u32string_view text) {
  if (font == nullptr) {
    return CoreTextWidth(display, text);
  }
  std::vector<FcChar32> glyphs(text.begin(), text.end());
  XGlyphInfo extents{};
  XftTextExtents32(display, font, glyphs.data(), static_cast<int>(glyphs.size()), &extents);
  return extents.xOff;
}

void DrawText(XftDraw* draw, const XftColor& color, XftFont* font, int left, int top,
              std::u32string_view text) {
  if (font == nullptr) {
    DrawCoreText(draw, color, left, top + CoreLineMetrics(XftDrawDisplay(draw)).ascent, text);
    return;
  }
  std::vector<FcChar32> glyphs(text.begin(), text.end());
  XftDrawString32(draw, &color, font, left, top + font->ascent, glyphs.data(),
                  static_cast<int>(glyphs.size()));
}

class MessageBox {
 public:
  MessageBox(Connection& connection, const std::string& prompt, ui::MessageIcon icon,
             const std::string& title, const BoxPlace& place, ui::PointerShape pointer_shape)
      : connection_(connection),
        display_(connection.display()),
        icon_(IconFor(icon)),
        scale_(connection.Dpi() / 96.0),
        font_(connection.Font(ui::Font{"MS Sans Serif", 8.25F, 400})),
        take_focus_(place.take_focus) {
    LayOut(prompt, place.area);
    Create(title, place, pointer_shape);
  }
  MessageBox(const MessageBox&) = delete;
  MessageBox& operator=(const MessageBox&) = delete;
  ~MessageBox() {
    XftDrawDestroy(button_draw_);
    XftDrawDestroy(draw_);
    XFreeGC(display_, gc_);
    XDestroyWindow(display_, window_);
    XFlush(display_);
  }

  void Run(const std::function<void(XEvent&)>& others) {
    bool focus_given = !take_focus_;
    bool closed = false;
    while (!closed) {
      XEvent event;
      XNextEvent(display_, &event);
      const Window target = event.xany.window;
      if (target == window_) {
        closed = OnBoxEvent(event, focus_given);
      } else if (target == button_) {
        closed = OnButtonEvent(event);
      } else {
        others(event);
      }
    }
  }

 private:
  [[nodiscard]] int LineHeight() const {
    return font_ != nullptr ? font_->ascent + font_->descent : CoreLineMetrics(display_).height;
  }

  [[nodiscard]] int Scaled(int pixels_at_96_dpi) const {
    return static_cast<int>(std::lround(pixels_at_96_dpi * scale_));
  }

  void LayOut(const std::string& prompt, const Area& screen) {
    const int margin = Scaled(12);
    icon_size_ = icon_ == Icon::kNone ? 0 : Scaled(32);
    // Very long lines wrap, as they would in a desktop's own message box.
    const int widest = std::max(Scaled(200), screen.width * 5 / 8);
    lines_ = posix::BreakLines(
        rt::FromWindows1252(prompt), widest,
        [this](std::u32string_view run) { return TextWidth(display_, font_, run); });
    line_height_ = LineHeight();
    int text_width = 0;
    for (const std::u32string& line : lines_) {
      text_width = std::max(text_width, TextWidth(display_, font_, line));
    }
    const int text_height = static_cast<int>(lines_.size()) * line_height_;
    const int content_height = std::max(icon_size_, text_height);
    icon_left_ = margin;
    icon_top_ = margin + (content_height - icon_size_) / 2;
    text_left_ = margin + (icon_size_ > 0 ? icon_size_ + margin : 0);
    text_top_ = margin + (content_height - text_height) / 2;
    button_width_ = Scaled(75);
    button_height_ = Scaled(23);
    width_ = std::max({text_left_ + text_width + margin, button_width_ + 2 * margin, Scaled(160)});
    height_ = margin + content_height + margin + button_height_ + margin;
    button_left_ = (width_ - button_width_) / 2;
    button_top_ = height_ - margin - button_height_;
  }

  void Create(const std::string& title, const BoxPlace& place, ui::PointerShape pointer_shape) {
    const int left = place.area.x + (place.area.width - width_) / 2;
    const int top = place.area.y + (place.area.height - height_) / 2;
    const Window owner = place.owner;
    XSetWindowAttributes attributes{};
    attributes.background_pixel = connection_.Pixel(kFace);
    attributes.event_mask = ExposureMask | KeyPressMask | StructureNotifyMask;
    attributes.cursor = connection_.PointerCursor(pointer_shape);
    attributes.override_redirect = place.override_redirect ? True : False;
    window_ = XCreateWindow(display_, place.parent, left, top, static_cast<unsigned>(width_),
                            static_cast<unsigned>(height_), 0, CopyFromParent, InputOutput,
                            CopyFromParent,
                            CWBackPixel | CWEventMask | CWCursor | CWOverrideRedirect, &attributes);
    if (place.created) {
      place.created(window_);
    }
    connection_.SetTopLevelHints(window_, title);
    XSizeHints size_hints{};
    size_hints.flags = USPosition | PPosition | PSize | PMinSize | PMaxSize;
    size_hints.x = left;
    size_hints.y = top;
    size_hints.width = size_hints.min_width = size_hints.max_width = width_;
    size_hints.height = size_hints.min_height = size_hints.max_height = height_;
    XSetWMNormalHints(display_, window_, &size_hints);
    if (owner != None) {
      XSetTransientForHint(display_, window_, owner);
    }
    const long dialog = static_cast<long>(connection_.Intern("_NET_WM_WINDOW_TYPE_DIALOG"));
    XChangeProperty(display_, window_, connection_.Intern("_NET_WM_WINDOW_TYPE"), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&dialog), 1);
    // Above the full-screen saver, whose manager may keep it in a layer of
    // its own.
    const std::array<long, 2> state = {
        static_cast<long>(connection_.Intern("_NET_WM_STATE_MODAL")),
        static_cast<long>(connection_.Intern("_NET_WM_STATE_ABOVE"))};
    XChangeProperty(display_, window_, connection_.Intern("_NET_WM_STATE"), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(state.data()), 2);
    delete_window_ = connection_.Intern("WM_DELETE_WINDOW");
    XSetWMProtocols(display_, window_, &delete_window_, 1);

    XSetWindowAttributes button{};
    button.background_pixel = connection_.Pixel(kButtonFace);
    button.border_pixel = connection_.Pixel(kDefaultButtonEdge);
    button.event_mask =
        ExposureMask | ButtonPressMask | ButtonReleaseMask | EnterWindowMask | LeaveWindowMask;
    button_ = XCreateWindow(
        display_, window_, button_left_, button_top_, static_cast<unsigned>(button_width_ - 2),
        static_cast<unsigned>(button_height_ - 2), 1, CopyFromParent, InputOutput, CopyFromParent,
        CWBackPixel | CWBorderPixel | CWEventMask, &button);
    gc_ = XCreateGC(display_, window_, 0, nullptr);
    draw_ = XftDrawCreate(display_, window_, connection_.visual(), connection_.colormap());
    button_draw_ = XftDrawCreate(display_, button_, connection_.visual(), connection_.colormap());
    XMapWindow(display_, button_);
    XMapRaised(display_, window_);
    XFlush(display_);
  }

  bool OnBoxEvent(XEvent& event, bool& focus_given) {
    switch (event.type) {
      case Expose:
        if (event.xexpose.count == 0) {
          DrawBox();
        }
        [[fallthrough]];
      case MapNotify:
        if (!focus_given) {
          focus_given = connection_.Activate(window_);
        }
        return false;
      case KeyPress: {
        const KeySym key = XLookupKeysym(&event.xkey, 0);
        return key == XK_Return || key == XK_KP_Enter || key == XK_Escape || key == XK_space;
      }
      case ClientMessage:
        return event.xclient.message_type == connection_.Intern("WM_PROTOCOLS") &&
               static_cast<Atom>(event.xclient.data.l[0]) == delete_window_;
      default:
        return false;
    }
  }

  bool OnButtonEvent(const XEvent& event) {
    switch (event.type) {
      case Expose:
        if (event.xexpose.count == 0) {
          DrawButton();
        }
        return false;
      case ButtonPress:
        if (event.xbutton.button == Button1) {
          pressed_ = true;
          inside_ = true;
          DrawButton();
        }
        return false;
      case EnterNotify:
      case LeaveNotify:
        inside_ = event.type == EnterNotify;
        if (pressed_) {
          DrawButton();
        }
        return false;
      case ButtonRelease:
        if (event.xbutton.button != Button1 || !pressed_) {
          return false;
        }
        pressed_ = false;
        DrawButton();
        return inside_;
      default:
        return false;
    }
  }

  void DrawBox() {
    if (icon_ != Icon::kNone) {
      DrawIcon();
    }
    const XftColor& color = connection_.TextColor(kText);
    int top = text_top_;
    for (const std::u32string& line : lines_) {
      DrawText(draw_, color, font_, text_left_, top, line);
      top += line_height_;
    }
  }

  void DrawIcon() {
    const int size = icon_size_;
    XSetForeground(
        display_, gc_,
        connection_.Pixel(icon_ == Icon::kInformation ? kInformationBlue : kCriticalRed));
    XFillArc(display_, window_, gc_, icon_left_, icon_top_, static_cast<unsigned>(size),
             static_cast<unsigned>(size), 0, 360 * 64);
    XSetForeground(display_, gc_, connection_.Pixel(kWhite));
    const int unit = std::max(1, size / 8);  // 4 px at 96 dpi
    const int centre = icon_left_ + size / 2;
    if (icon_ == Icon::kInformation) {
      // The letter i: a dot over a stem.
      const int dot = unit + unit / 2;
      XFillArc(display_, window_, gc_, centre - dot / 2, icon_top_ + dot,
               static_cast<unsigned>(dot), static_cast<unsigned>(dot), 0, 360 * 64);
      XFillRectangle(display_, window_, gc_, centre - unit / 2, icon_top_ + 3 * unit + unit / 2,
                     static_cast<unsigned>(unit), static_cast<unsigned>(3 * unit));
    } else {
      // A cross.
      XSetLineAttributes(display_, gc_, static_cast<unsigned>(unit), LineSolid, CapRound,
                         JoinRound);
      const int near = 2 * unit + unit / 2;
      const int far = size - near;
      XDrawLine(display_, window_, gc_, icon_left_ + near, icon_top_ + near, icon_left_ + far,
                icon_top_ + far);
      XDrawLine(display_, window_, gc_, icon_left_ + far, icon_top_ + near, icon_left_ + near,
                icon_top_ + far);
    }
  }

  void DrawButton() {
    const bool down = pressed_ && inside_;
    XSetWindowBackground(display_, button_, connection_.Pixel(down ? kButtonPressed : kButtonFace));
    XClearWindow(display_, button_);
    const std::u32string caption = U"OK";
    const int width = button_width_ - 2;
    const int height = button_height_ - 2;
    const int left = (width - TextWidth(display_, font_, caption)) / 2;
    const int top = (height - LineHeight()) / 2;
    DrawText(button_draw_, connection_.TextColor(kText), font_, left, top, caption);
  }

  Connection& connection_;
  Display* display_;
  Icon icon_;
  double scale_;
  XftFont* font_;
  std::vector<std::u32string> lines_;
  int line_height_ = 0;
  int icon_size_ = 0;
  int icon_left_ = 0;
  int icon_top_ = 0;
  int text_left_ = 0;
  int text_top_ = 0;
  int button_left_ = 0;
  int button_top_ = 0;
  int button_width_ = 0;
  int button_height_ = 0;
  int width_ = 0;
  int height_ = 0;
  Window window_ = None;
  Window button_ = None;
  GC gc_ = nullptr;
  XftDraw* draw_ = nullptr;
  XftDraw* button_draw_ = nullptr;
  Atom delete_window_ = None;
  bool take_focus_;
  bool pressed_ = false;
  bool inside_ = false;
};

}  // namespace

void RunMessageBox(Connection& connection, const std::string& prompt, ui::MessageIcon icon,
                   const std::string& title, const BoxPlace& place, ui::PointerShape pointer_shape,
                   const std::function<void(XEvent&)>& others) {
  MessageBox box(connection, prompt, icon, title, place, pointer_shape);
  box.Run(others);
}

}  // namespace sagelight::x11
