#include "backends/x11/message_box.h"

#include <X11/Xatom.h>
#include <X11/Xft/Xft.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "backends/x11/fonts.h"
#include "ui/message_box_layout.h"
#include "ui/message_box_look.h"
#include "ui/platform.h"

namespace sagelight::x11 {
namespace {

using namespace ui::box;  // the box's colours

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

// The keys that close a box, by their meaning.
ui::BoxKey BoxKeyOf(KeySym key) {
  switch (key) {
    case XK_Return:
    case XK_KP_Enter:
      return ui::BoxKey::kEnter;
    case XK_Escape:
      return ui::BoxKey::kEscape;
    case XK_space:
      return ui::BoxKey::kSpace;
    default:
      return ui::BoxKey::kOther;
  }
}

class MessageBox {
 public:
  MessageBox(Connection& connection, const std::string& prompt, ui::MessageIcon icon,
             const std::string& title, const BoxPlace& place, ui::PointerShape pointer_shape)
      : connection_(connection),
        display_(connection.display()),
        font_(connection.Font(ui::Font{"MS Sans Serif", 8.25F, 400})),
        layout_(ui::LayOutMessageBox(
            prompt, icon,
            {.scale = connection.Dpi() / 96.0,
             .screen_width = place.area.width,
             .screen_height = place.area.height,
             .line_height = font_ != nullptr ? font_->ascent + font_->descent
                                             : CoreLineMetrics(display_).height,
             .measure =
                 [this](std::u32string_view run) { return TextWidth(display_, font_, run); }})),
        input_(layout_.button),
        take_focus_(place.take_focus) {
    Create(title, place, pointer_shape);
  }
  MessageBox(const MessageBox&) = delete;
  MessageBox& operator=(const MessageBox&) = delete;
  ~MessageBox() {
    XftDrawDestroy(draw_);
    XFreeGC(display_, gc_);
    XDestroyWindow(display_, window_);
    XFlush(display_);
  }

  void Run(const std::function<void(XEvent&)>& others) {
    bool focus_given = !take_focus_;
    while (!input_.Closed()) {
      XEvent event;
      XNextEvent(display_, &event);
      if (event.xany.window == window_) {
        OnBoxEvent(event, focus_given);
      } else {
        others(event);
      }
    }
  }

 private:
  void Create(const std::string& title, const BoxPlace& place, ui::PointerShape pointer_shape) {
    const int width = layout_.width;
    const int height = layout_.height;
    const int left = place.area.left + (place.area.width - width) / 2;
    const int top = place.area.top + (place.area.height - height) / 2;
    const Window owner = place.owner;
    XSetWindowAttributes attributes{};
    attributes.background_pixel = connection_.Pixel(kFace);
    attributes.event_mask = ExposureMask | KeyPressMask | StructureNotifyMask | ButtonPressMask |
                            ButtonReleaseMask | ButtonMotionMask;
    attributes.cursor = connection_.PointerCursor(pointer_shape);
    attributes.override_redirect = place.override_redirect ? True : False;
    window_ =
        XCreateWindow(display_, place.parent, left, top, static_cast<unsigned>(width),
                      static_cast<unsigned>(height), 0, CopyFromParent, InputOutput, CopyFromParent,
                      CWBackPixel | CWEventMask | CWCursor | CWOverrideRedirect, &attributes);
    if (place.created) {
      place.created(window_);
    }
    connection_.SetTopLevelHints(window_, title);
    XSizeHints size_hints{};
    size_hints.flags = USPosition | PPosition | PSize | PMinSize | PMaxSize;
    size_hints.x = left;
    size_hints.y = top;
    size_hints.width = size_hints.min_width = size_hints.max_width = width;
    size_hints.height = size_hints.min_height = size_hints.max_height = height;
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

    gc_ = XCreateGC(display_, window_, 0, nullptr);
    draw_ = XftDrawCreate(display_, window_, connection_.visual(), connection_.colormap());
    XMapRaised(display_, window_);
    XFlush(display_);
  }

  void OnBoxEvent(XEvent& event, bool& focus_given) {
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
        return;
      case KeyPress:
        input_.KeyPressed(BoxKeyOf(XLookupKeysym(&event.xkey, 0)));
        return;
      case ButtonPress:
        if (event.xbutton.button == Button1 &&
            input_.LeftPressed(event.xbutton.x, event.xbutton.y)) {
          DrawButton();
        }
        return;
      case MotionNotify:
        if (input_.PointerMoved(event.xmotion.x, event.xmotion.y)) {
          DrawButton();
        }
        return;
      case ButtonRelease:
        if (event.xbutton.button == Button1 &&
            input_.LeftReleased(event.xbutton.x, event.xbutton.y)) {
          DrawButton();
        }
        return;
      case ClientMessage:
        if (event.xclient.message_type == connection_.Intern("WM_PROTOCOLS") &&
            static_cast<Atom>(event.xclient.data.l[0]) == delete_window_) {
          input_.KeyPressed(ui::BoxKey::kEscape);  // the title bar's close box
        }
        return;
      default:
        return;
    }
  }

  void Fill(const ui::BoxRect& area, ui::Color color) {
    XSetForeground(display_, gc_, connection_.Pixel(color));
    XFillRectangle(display_, window_, gc_, area.left, area.top, static_cast<unsigned>(area.width),
                   static_cast<unsigned>(area.height));
  }

  void Disc(const ui::BoxRect& area, ui::Color color) {
    XSetForeground(display_, gc_, connection_.Pixel(color));
    XFillArc(display_, window_, gc_, area.left, area.top, static_cast<unsigned>(area.width),
             static_cast<unsigned>(area.height), 0, 360 * 64);
  }

  void DrawBox() {
    if (layout_.icon != ui::MessageIcon::kNone) {
      DrawIcon();
    }
    const XftColor& color = connection_.TextColor(kText);
    int top = layout_.text_top;
    for (const std::u32string& line : layout_.lines) {
      DrawText(draw_, color, font_, layout_.text_left, top, line);
      top += layout_.line_height;
    }
    DrawButton();
  }

  void DrawIcon() {
    const ui::BoxRect& disc = layout_.icon_disc;
    const bool information = layout_.icon == ui::MessageIcon::kInformation;
    Disc(disc, information ? kInformationBlue : kCriticalRed);
    if (information) {
      Disc(layout_.icon_dot, kWhite);
      Fill(layout_.icon_stem, kWhite);
      return;
    }
    XSetLineAttributes(display_, gc_, static_cast<unsigned>(layout_.stroke), LineSolid, CapRound,
                       JoinRound);
    const int near = layout_.cross_inset;
    const int far = disc.width - near;
    XDrawLine(display_, window_, gc_, disc.left + near, disc.top + near, disc.left + far,
              disc.top + far);
    XDrawLine(display_, window_, gc_, disc.left + far, disc.top + near, disc.left + near,
              disc.top + far);
  }

  void DrawButton() {
    Fill(layout_.button, kDefaultButtonEdge);
    Fill(layout_.button_face, input_.ButtonDown() ? kButtonPressed : kButtonFace);
    DrawText(draw_, connection_.TextColor(kText), font_, layout_.caption_left, layout_.caption_top,
             ui::kBoxCaption);
  }

  Connection& connection_;
  Display* display_;
  XftFont* font_;
  ui::MessageBoxLayout layout_;
  ui::BoxInput input_;
  Window window_ = None;
  GC gc_ = nullptr;
  XftDraw* draw_ = nullptr;
  Atom delete_window_ = None;
  bool take_focus_;
};

}  // namespace

void RunMessageBox(Connection& connection, const std::string& prompt, ui::MessageIcon icon,
                   const std::string& title, const BoxPlace& place, ui::PointerShape pointer_shape,
                   const std::function<void(XEvent&)>& others) {
  MessageBox box(connection, prompt, icon, title, place, pointer_shape);
  box.Run(others);
}

}  // namespace sagelight::x11
