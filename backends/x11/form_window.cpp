#include "backends/x11/form_window.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "backends/x11/fonts.h"
#include "runtime/code_page.h"
#include "ui/text_layout.h"

namespace sagelight::x11 {

FormWindow::FormWindow(const ui::FormDesign& design, Connection& connection)
    : ui::Form(design), connection_(connection), elements_(design.elements.size()) {}

FormWindow::~FormWindow() {
  Display* display = connection_.display();
  if (input_context_ != nullptr) {
    XDestroyIC(input_context_);
  }
  if (lost_) {
    return;  // the server has taken the windows, and their pictures, with it
  }
  for (Element& element : elements_) {
    if (element.draw != nullptr) {
      XftDrawDestroy(element.draw);
    }
  }
  if (hosted_) {
    // The daemon's window stays; only what the program put into it goes.
    for (ui::ElementId id = 0; id < elements_.size(); ++id) {
      if (!Design().elements[id].parent && elements_[id].window != None) {
        XDestroyWindow(display, elements_[id].window);
      }
    }
  } else {
    XDestroyWindow(display, window_);
    for (const Window curtain : curtains_) {
      XDestroyWindow(display, curtain);
    }
  }
  XFlush(display);
}

void FormWindow::CreateTopLevel(const Stage& stage, ui::PointerShape pointer_shape) {
  Display* display = connection_.display();
  const ui::FormDesign& design = Design();
  Area area = stage.screen;
  if (!design.maximized) {
    area = Area{stage.screen.left + path_->PixelsX(static_cast<float>(design.left)),
                stage.screen.top + path_->PixelsY(static_cast<float>(design.top)),
                std::max(1, path_->PixelsX(static_cast<float>(design.width))),
                std::max(1, path_->PixelsY(static_cast<float>(design.height)))};
  }
  XSetWindowAttributes attributes{};
  attributes.background_pixel = connection_.Pixel(design.back_color);
  attributes.override_redirect = True;
  // The form and the panel draw nothing but their background, which the
  // server paints itself: only labels ask for exposures.
  attributes.event_mask = KeyPressMask | PointerMotionMask | ButtonPressMask | ButtonReleaseMask |
                          StructureNotifyMask | FocusChangeMask;
  attributes.cursor = connection_.PointerCursor(pointer_shape);
  window_ = XCreateWindow(display, connection_.root(), area.left, area.top,
                          static_cast<unsigned>(area.width), static_cast<unsigned>(area.height), 0,
                          CopyFromParent, InputOutput, CopyFromParent,
                          CWBackPixel | CWOverrideRedirect | CWEventMask | CWCursor, &attributes);

  // The curtains take nothing: input over them travels to no one, neither
  // to the form nor to the desktop beneath.
  XSetWindowAttributes curtain{};
  curtain.background_pixel = connection_.Pixel(ui::Color(0, 0, 0));
  curtain.override_redirect = True;
  curtain.do_not_propagate_mask =
      KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
  curtain.cursor = attributes.cursor;
  std::string res_name = "sagelight-curtain";
  std::string res_class = "Sagelight";
  XClassHint class_hint{};
  class_hint.res_name = res_name.data();
  class_hint.res_class = res_class.data();
  for (const Area& other : stage.others) {
    const Window window = XCreateWindow(
        display, connection_.root(), other.left, other.top, static_cast<unsigned>(other.width),
        static_cast<unsigned>(other.height), 0, CopyFromParent, InputOutput, CopyFromParent,
        CWBackPixel | CWOverrideRedirect | CWDontPropagate | CWCursor, &curtain);
    XSetClassHint(display, window, &class_hint);
    curtains_.push_back(window);
  }
  // Someone else's window that is mapped or raised later would cover the
  // saver: watch the root's children to put the saver back on top.
  XSelectInput(display, connection_.root(), SubstructureNotifyMask);
}

void FormWindow::NameTopLevel() {
  // No manager reads these of an override-redirect window; tools that list
  // windows (xwininfo, xdotool, xprop) do. So they wait until the screen is
  // black, and the names of their atoms are asked for in one round trip.
  connection_.InternAll({"_NET_WM_NAME", "UTF8_STRING", "_NET_WM_PID"});
  connection_.SetTopLevelHints(window_, Design().caption);
  const long pid = static_cast<long>(getpid());
  XChangeProperty(connection_.display(), window_, connection_.Intern("_NET_WM_PID"), XA_CARDINAL,
                  32, PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
}

void FormWindow::AdoptHost(const Stage& stage) {
  // The daemon made the window, owns its input and ends the program when
  // it is done; the program paints it and watches for its end.
  hosted_ = true;
  window_ = stage.host;
  Display* display = connection_.display();
  XSelectInput(display, window_, ExposureMask | StructureNotifyMask);
  XSetWindowBackground(display, window_, connection_.Pixel(Design().back_color));
  XClearWindow(display, window_);
}

void FormWindow::Create(ui::EventPath& path, ui::PointerShape pointer_shape, const Stage& stage) {
  path_ = &path;
  Display* display = connection_.display();
  const ui::FormDesign& design = Design();
  if (stage.host != None) {
    AdoptHost(stage);
  } else {
    CreateTopLevel(stage, pointer_shape);
    // The screen goes black first: the form and the curtains are up before
    // anything that can keep the program waiting (fontconfig reading its
    // configuration and caches for the labels' faces). Children mapped later
    // show inside the mapped form. The input method waits for the first key.
    for (const Window curtain : curtains_) {
      XMapRaised(display, curtain);
    }
    XMapRaised(display, window_);
    XFlush(display);
    NameTopLevel();
  }
  XFlush(display);

  for (ui::ElementId id = 0; id < design.elements.size(); ++id) {
    const ui::ElementDesign& element = design.elements[id];
    if (element.kind == ui::ElementKind::kTimer) {
      continue;
    }
    const Window parent = element.parent ? elements_[*element.parent].window : window_;
    XSetWindowAttributes child{};
    unsigned long mask = CWEventMask;
    if (element.opaque || element.kind == ui::ElementKind::kPictureBox) {
      child.background_pixel = connection_.Pixel(BackColor(id));
      mask |= CWBackPixel;
    } else {
      child.background_pixmap = ParentRelative;
      mask |= CWBackPixmap;
    }
    child.event_mask = element.kind == ui::ElementKind::kLabel ? ExposureMask : NoEventMask;
    Element& state = elements_[id];
    state.window = XCreateWindow(display, parent, path.PixelsX(Left(id)), path.PixelsY(Top(id)),
                                 static_cast<unsigned>(std::max(1, path.PixelsX(Width(id)))),
                                 static_cast<unsigned>(std::max(1, path.PixelsY(Height(id)))), 0,
                                 CopyFromParent, InputOutput, CopyFromParent, mask, &child);
    if (element.kind == ui::ElementKind::kLabel) {
      state.draw =
          XftDrawCreate(display, state.window, connection_.visual(), connection_.colormap());
      state.font = connection_.Font(Design().FontOf(id));
      LayOut(id);
    }
    if (Visible(id)) {
      XMapWindow(display, state.window);
    }
  }
  XFlush(display);
}

bool FormWindow::Owns(Window window) const {
  if (TopLevelOfOurs(window)) {
    return true;
  }
  return std::any_of(elements_.begin(), elements_.end(),
                     [window](const Element& element) { return element.window == window; });
}

void FormWindow::LayOut(ui::ElementId id) {
  Element& element = elements_[id];
  Display* display = connection_.display();
  XftFont* font = element.font;
  element.lines = ui::BreakLines(
      rt::FromWindows1252(Caption(id)), path_->PixelsX(Width(id)),
      [display, font](std::u32string_view run) { return TextWidth(display, font, run); });
}

void FormWindow::Draw(ui::ElementId id) {
  const Element& element = elements_[id];
  if (element.draw == nullptr) {
    return;
  }
  Display* display = connection_.display();
  const ui::ElementDesign& design = Design().elements[id];
  const int width = path_->PixelsX(Width(id));
  const int height = path_->PixelsY(Height(id));
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
      left = (width - TextWidth(display, element.font, line)) / 2;
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
  if (element.window == None || path_ == nullptr) {
    return;
  }
  switch (what) {
    case ui::Property::kVisible:
      if (Visible(id)) {
        ShowQuietly(id);
      } else {
        XUnmapWindow(display, element.window);
      }
      break;
    case ui::Property::kBackColor:
      XSetWindowBackground(display, element.window, connection_.Pixel(BackColor(id)));
      // The server paints a box's frame itself, and the box's children keep
      // their own areas; a label draws its text again over the new colour.
      XClearArea(display, element.window, 0, 0, 0, 0, False);
      if (element.draw != nullptr && Showing(id)) {
        Draw(id);
      }
      break;
    case ui::Property::kPlace:
      XMoveWindow(display, element.window, path_->PixelsX(Left(id)), path_->PixelsY(Top(id)));
      break;
    case ui::Property::kCaption:
      LayOut(id);
      // Repaints at once where the label shows; a hidden one paints when it
      // is shown.
      if (Showing(id)) {
        XClearArea(display, element.window, 0, 0, 0, 0, False);
        Draw(id);
      }
      break;
    case ui::Property::kEnabled:
      break;
  }
}

void FormWindow::ShowQuietly(ui::ElementId id) {
  // Mapping exposes the labels inside. They are drawn here and now, in the
  // same wake-up as the tick that showed them, and the exposures the map
  // would report are not asked for: the requests reach the server in this
  // order, so the loop is not woken a moment later only to draw them.
  Display* display = connection_.display();
  std::vector<ui::ElementId> labels;
  for (ui::ElementId label = 0; label < elements_.size(); ++label) {
    if (elements_[label].draw == nullptr) {
      continue;
    }
    for (std::optional<ui::ElementId> at = label; at; at = Design().elements[*at].parent) {
      if (*at == id) {
        labels.push_back(label);
        break;
      }
    }
  }
  for (const ui::ElementId label : labels) {
    XSelectInput(display, elements_[label].window, NoEventMask);
  }
  XMapWindow(display, elements_[id].window);
  for (const ui::ElementId label : labels) {
    if (Showing(label)) {
      Draw(label);
    }
    XSelectInput(display, elements_[label].window, ExposureMask);
  }
}

void FormWindow::ApplyPointer(ui::PointerShape shape) {
  if (hosted_) {
    return;  // the daemon's window keeps the daemon's pointer
  }
  const Cursor cursor = connection_.PointerCursor(shape);
  std::vector<Window> windows = curtains_;
  windows.push_back(window_);
  for (const Window window : windows) {
    if (cursor == None) {
      XUndefineCursor(connection_.display(), window);
    } else {
      XDefineCursor(connection_.display(), window, cursor);
    }
  }
}

void FormWindow::TakeFocus() {
  if (hosted_) {
    return;
  }
  focus_given_ = connection_.Activate(window_);
  HoldKeyboard();
}

void FormWindow::HoldKeyboard() {
  // A manager's key binding or menu may hold the keyboard for a moment;
  // the grab is tried again at the next event or tick.
  if (hosted_ || keyboard_held_ || !focus_given_) {
    return;
  }
  keyboard_held_ = XGrabKeyboard(connection_.display(), window_, True, GrabModeAsync, GrabModeAsync,
                                 CurrentTime) == GrabSuccess;
}

void FormWindow::KeepAbove(Window window) {
  above_ = window;
  if (above_ != None) {
    XRaiseWindow(connection_.display(), above_);
  }
}

bool FormWindow::TopLevelOfOurs(Window window) const {
  return window != None &&
         (window == window_ || window == above_ ||
          std::find(curtains_.begin(), curtains_.end(), window) != curtains_.end());
}

void FormWindow::Restack() {
  // A manager that insists on keeping its own window on top would answer
  // every raise with another: after a few in one second, it wins.
  constexpr int kRestacksPerSecond = 10;
  const std::int64_t second = std::chrono::duration_cast<std::chrono::seconds>(
                                  std::chrono::steady_clock::now().time_since_epoch())
                                  .count();
  if (second != restack_second_) {
    restack_second_ = second;
    restacks_ = 0;
  }
  if (++restacks_ > kRestacksPerSecond) {
    return;
  }
  Display* display = connection_.display();
  for (const Window curtain : curtains_) {
    XRaiseWindow(display, curtain);
  }
  XRaiseWindow(display, window_);
  if (above_ != None) {
    XRaiseWindow(display, above_);
  }
}

}  // namespace sagelight::x11
