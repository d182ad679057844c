#include "platform/x11/form_window.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <unistd.h>

#include <algorithm>
#include <array>

#include "platform/x11/fonts.h"
#include "platform/x11/text_layout.h"

namespace sagelight::x11 {
namespace {

// Pointer events that an element keeps from its form, so that moving over
// the panel or clicking it never reaches the form's own handlers.
constexpr long kKeptFromForm =
    PointerMotionMask | ButtonMotionMask | ButtonPressMask | ButtonReleaseMask;

int Measure(Display* display, XftFont* font, std::u32string_view text) {
  if (font == nullptr) {
    return CoreTextWidth(display, text);
  }
  std::vector<FcChar32> glyphs(text.begin(), text.end());
  XGlyphInfo extents{};
  XftTextExtents32(display, font, glyphs.data(), static_cast<int>(glyphs.size()), &extents);
  return extents.xOff;
}

// The mouse event's button and shift arguments, as the form's handlers take
// them: left 1, right 2, middle 4; Shift 1, Ctrl 2, Alt 4.
std::int16_t ButtonsHeld(unsigned int state) {
  return static_cast<std::int16_t>(((state & Button1Mask) != 0 ? 1 : 0) |
                                   ((state & Button3Mask) != 0 ? 2 : 0) |
                                   ((state & Button2Mask) != 0 ? 4 : 0));
}

std::int16_t ShiftState(unsigned int state) {
  return static_cast<std::int16_t>(((state & ShiftMask) != 0 ? 1 : 0) |
                                   ((state & ControlMask) != 0 ? 2 : 0) |
                                   ((state & Mod1Mask) != 0 ? 4 : 0));
}

}  // namespace

ui::TimerSchedule::Millis Now() {
  return std::chrono::duration_cast<ui::TimerSchedule::Millis>(
      std::chrono::steady_clock::now().time_since_epoch());
}

FormWindow::FormWindow(const ui::FormDesign& design, Connection& connection, ui::FormEvents& events,
                       std::int16_t pointer_shape)
    : ui::Form(design),
      connection_(connection),
      events_(events),
      elements_(design.elements.size()),
      timers_(*this, Now()) {
  CreateWindows(pointer_shape);
}

FormWindow::~FormWindow() {
  for (Element& element : elements_) {
    if (element.draw != nullptr) {
      XftDrawDestroy(element.draw);
    }
  }
  XDestroyWindow(connection_.display(), window_);
  XFlush(connection_.display());
}

void FormWindow::CreateWindows(std::int16_t pointer_shape) {
  Display* display = connection_.display();
  const ui::FormDesign& design = Design();

  int x = 0;
  int y = 0;
  int width = connection_.WidthPixels();
  int height = connection_.HeightPixels();
  if (!design.maximized) {
    x = connection_.ToPixels(design.left);
    y = connection_.ToPixels(design.top);
    width = std::max(1, connection_.ToPixels(design.width));
    height = std::max(1, connection_.ToPixels(design.height));
  }
  XSetWindowAttributes attributes{};
  attributes.background_pixel = connection_.Pixel(design.back_color);
  attributes.event_mask = KeyPressMask | PointerMotionMask | ExposureMask | StructureNotifyMask;
  attributes.cursor = connection_.PointerCursor(pointer_shape);
  window_ = XCreateWindow(display, connection_.root(), x, y, static_cast<unsigned>(width),
                          static_cast<unsigned>(height), 0, CopyFromParent, InputOutput,
                          CopyFromParent, CWBackPixel | CWEventMask | CWCursor, &attributes);

  connection_.SetTopLevelHints(window_, design.caption);
  XSizeHints size_hints{};
  size_hints.flags = USPosition | USSize | PPosition | PSize;
  size_hints.x = x;
  size_hints.y = y;
  size_hints.width = width;
  size_hints.height = height;
  if (design.maximized) {
    size_hints.flags |= PMinSize | PMaxSize;
    size_hints.min_width = size_hints.max_width = width;
    size_hints.min_height = size_hints.max_height = height;
  }
  XSetWMNormalHints(display, window_, &size_hints);
  const long pid = static_cast<long>(getpid());
  XChangeProperty(display, window_, connection_.Intern("_NET_WM_PID"), XA_CARDINAL, 32,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
  if (!design.border) {
    // flags (decorations given), functions, decorations (none), input mode, status
    const std::array<long, 5> motif_hints = {2, 0, 0, 0, 0};
    const Atom motif = connection_.Intern("_MOTIF_WM_HINTS");
    XChangeProperty(display, window_, motif, motif, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(motif_hints.data()), 5);
  }
  if (design.maximized) {
    // Set before mapping, a manager shows the window full-screen from the
    // start; a bare server ignores it and the geometry above already fits.
    const long fullscreen = static_cast<long>(connection_.Intern("_NET_WM_STATE_FULLSCREEN"));
    XChangeProperty(display, window_, connection_.Intern("_NET_WM_STATE"), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&fullscreen), 1);
  }

  for (ui::ElementId id = 0; id < design.elements.size(); ++id) {
    const ui::ElementDesign& element = design.elements[id];
    if (element.kind == ui::ElementKind::kTimer) {
      continue;
    }
    const Window parent = element.parent ? elements_[*element.parent].window : window_;
    XSetWindowAttributes child{};
    unsigned long mask = CWEventMask | CWDontPropagate;
    if (element.opaque || element.kind == ui::ElementKind::kPictureBox) {
      child.background_pixel = connection_.Pixel(BackColor(id));
      mask |= CWBackPixel;
    } else {
      child.background_pixmap = ParentRelative;
      mask |= CWBackPixmap;
    }
    child.event_mask = ExposureMask | (element.has_click_handler ? ButtonPressMask : 0);
    child.do_not_propagate_mask = kKeptFromForm;
    Element& state = elements_[id];
    state.window = XCreateWindow(
        display, parent, connection_.ToPixels(Left(id)), connection_.ToPixels(Top(id)),
        static_cast<unsigned>(std::max(1, connection_.ToPixels(Width(id)))),
        static_cast<unsigned>(std::max(1, connection_.ToPixels(Height(id)))), 0, CopyFromParent,
        InputOutput, CopyFromParent, mask, &child);
    if (element.kind == ui::ElementKind::kLabel) {
      state.draw =
          XftDrawCreate(display, state.window, connection_.visual(), connection_.colormap());
      state.font = connection_.Font(FontOf(id));
      LayOut(id);
    }
    if (Visible(id)) {
      XMapWindow(display, state.window);
    }
  }
  XMapRaised(display, window_);
  XFlush(display);
}

bool FormWindow::Owns(Window window) const {
  if (window == window_) {
    return true;
  }
  return std::any_of(elements_.begin(), elements_.end(),
                     [window](const Element& element) { return element.window == window; });
}

const ui::Font& FormWindow::FontOf(ui::ElementId id) const {
  // An element without a font of its own writes in its container's.
  for (std::optional<ui::ElementId> current = id; current;
       current = Design().elements[*current].parent) {
    if (Design().elements[*current].font) {
      return *Design().elements[*current].font;
    }
  }
  return Design().font;
}

void FormWindow::LayOut(ui::ElementId id) {
  Element& element = elements_[id];
  Display* display = connection_.display();
  XftFont* font = element.font;
  element.lines =
      BreakLines(FromWindows1252(Caption(id)), connection_.ToPixels(Width(id)),
                 [display, font](std::u32string_view run) { return Measure(display, font, run); });
}

void FormWindow::Draw(ui::ElementId id) {
  const Element& element = elements_[id];
  if (element.draw == nullptr) {
    return;
  }
  Display* display = connection_.display();
  const ui::ElementDesign& design = Design().elements[id];
  const int width = connection_.ToPixels(Width(id));
  const int height = connection_.ToPixels(Height(id));
  const LineMetrics metrics =
      element.font != nullptr ? LineMetricsOf(element.font) : CoreLineMetrics(display);
  const XftColor& color = connection_.TextColor(design.fore_color);
  int top = 0;
  // Lines below the label's foot are cut off; the window clips the one
  // that straddles it.
  for (const std::u32string& line : element.lines) {
    if (top >= height) {
      break;
    }
    int left = 0;
    if (design.alignment == ui::Alignment::kCenter) {
      left = (width - Measure(display, element.font, line)) / 2;
    }
    if (element.font == nullptr) {
      DrawCoreText(element.draw, color, left, top + metrics.ascent, line);
    } else {
      const std::vector<FcChar32> glyphs(line.begin(), line.end());
      XftDrawString32(element.draw, &color, element.font, left, top + metrics.ascent, glyphs.data(),
                      static_cast<int>(glyphs.size()));
    }
    top += metrics.height;
  }
}

void FormWindow::Changed(ui::ElementId id, ui::Property what) {
  Display* display = connection_.display();
  Element& element = elements_[id];
  if (what == ui::Property::kEnabled) {
    timers_.Update(id, Now());
    return;
  }
  if (element.window == None) {
    return;
  }
  switch (what) {
    case ui::Property::kVisible:
      if (Visible(id)) {
        XMapWindow(display, element.window);
      } else {
        XUnmapWindow(display, element.window);
      }
      break;
    case ui::Property::kBackColor:
      XSetWindowBackground(display, element.window, connection_.Pixel(BackColor(id)));
      // A label repaints its text over the new colour; the server paints a
      // box's frame itself, and the box's children keep their own areas.
      XClearArea(display, element.window, 0, 0, 0, 0, element.draw != nullptr ? True : False);
      break;
    case ui::Property::kPlace:
      XMoveWindow(display, element.window, connection_.ToPixels(Left(id)),
                  connection_.ToPixels(Top(id)));
      break;
    case ui::Property::kCaption:
      LayOut(id);
      // Repaints at once where the label shows; a hidden one paints when it
      // is mapped.
      XClearArea(display, element.window, 0, 0, 0, 0, True);
      break;
    case ui::Property::kEnabled:
      break;
  }
}

std::optional<ui::TimerSchedule::Millis> FormWindow::NextTick() const { return timers_.Next(); }

bool FormWindow::RunDueTimer(ui::TimerSchedule::Millis now) {
  const auto next = timers_.Earliest(now);
  if (!next) {
    return false;
  }
  const auto [timer, due] = *next;
  events_.OnTimer(timer);
  timers_.Ran(timer, due, Now());
  return true;
}

void FormWindow::ApplyPointer(std::int16_t shape) {
  const Cursor cursor = connection_.PointerCursor(shape);
  if (cursor == None) {
    XUndefineCursor(connection_.display(), window_);
  } else {
    XDefineCursor(connection_.display(), window_, cursor);
  }
}

void FormWindow::TakeFocus() { focus_given_ = connection_.Activate(window_); }

void FormWindow::DeliverKey(XKeyEvent& key) {
  std::array<char, 16> text{};
  KeySym keysym = NoSymbol;
  const int length =
      XLookupString(&key, text.data(), static_cast<int>(text.size()), &keysym, nullptr);
  // Delete gives a character in X but none on the desktops the program
  // comes from; modifiers, arrows and function keys give none anyway.
  if (length < 1 || keysym == XK_Delete || keysym == XK_KP_Delete) {
    return;
  }
  auto code = static_cast<std::int16_t>(static_cast<unsigned char>(text[0]));
  events_.OnKeyPress(code);
}

void FormWindow::HandleEvent(XEvent& event, bool deliver_input) {
  switch (event.type) {
    case Expose:
      if (event.xexpose.count == 0) {
        for (ui::ElementId id = 0; id < elements_.size(); ++id) {
          if (elements_[id].window == event.xexpose.window) {
            Draw(id);
          }
        }
      }
      [[fallthrough]];
    case MapNotify:
      // The form takes the focus once it can be seen: a bare server gives
      // it to nobody.
      if (!focus_given_ && event.xany.window == window_) {
        TakeFocus();
      }
      break;
    case KeyPress:
      if (deliver_input) {
        DeliverKey(event.xkey);
      }
      break;
    case MotionNotify:
      if (deliver_input && event.xmotion.window == window_) {
        const double twips = connection_.TwipsPerPixel();
        events_.OnMouseMove(ButtonsHeld(event.xmotion.state), ShiftState(event.xmotion.state),
                            static_cast<float>(event.xmotion.x * twips),
                            static_cast<float>(event.xmotion.y * twips));
      }
      break;
    case ButtonPress:
      if (deliver_input && event.xbutton.button == Button1) {
        for (ui::ElementId id = 0; id < elements_.size(); ++id) {
          if (elements_[id].window == event.xbutton.window &&
              Design().elements[id].has_click_handler && Enabled(id) && Showing(id)) {
            events_.OnClick(id);
            break;
          }
        }
      }
      break;
    default:
      break;
  }
}

}  // namespace sagelight::x11
