#include "backends/x11/connection.h"

#include <X11/Xatom.h>
#include <X11/Xlib-xcb.h>
#include <X11/Xresource.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <xcb/randr.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "backends/x11/fonts.h"
#include "runtime/code_page.h"

namespace sagelight::x11 {
namespace {

// Without its server the program can do nothing more, and Xlib must not
// return into a dead connection: say so once and end.
int OnConnectionLost(Display* /*display*/) { ui::EndLostConnection("X server"); }

// Set while the program asks about a window that may be gone, where an
// error is an answer rather than a fault.
bool g_errors_expected = false;
bool g_error_seen = false;

int OnProtocolError(Display* display, XErrorEvent* error) {
  if (g_errors_expected) {
    g_error_seen = true;
    return 0;
  }
  char text[256] = {};
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "Sagelight: X error: %s (request %d.%d)\n", text,
               static_cast<int>(error->request_code), static_cast<int>(error->minor_code));
  return 0;
}

double AnnouncedDpi(Display* display) {
  const char* resources = XResourceManagerString(display);
  if (resources == nullptr) {
    return 96.0;
  }
  XrmInitialize();
  XrmDatabase database = XrmGetStringDatabase(resources);
  double dpi = 96.0;
  char* type = nullptr;
  XrmValue value;
  if (database != nullptr && XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) &&
      value.addr != nullptr) {
    const double announced = std::strtod(value.addr, nullptr);
    if (announced >= 24.0 && announced <= 1200.0) {
      dpi = announced;
    }
  }
  if (database != nullptr) {
    XrmDestroyDatabase(database);
  }
  return dpi;
}

}  // namespace

std::unique_ptr<Connection> Connection::Open() {
  XSetIOErrorHandler(OnConnectionLost);
  XSetErrorHandler(OnProtocolError);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    return nullptr;
  }
  return std::unique_ptr<Connection>(new Connection(display));
}

Connection::Connection(Display* display)
    : display_(display), screen_(DefaultScreen(display)), dpi_(AnnouncedDpi(display)) {}

Connection::~Connection() {
  if (input_method_ != nullptr) {
    XCloseIM(input_method_);
  }
  XCloseDisplay(display_);
}

XIM Connection::InputMethod() {
  if (!input_method_tried_) {
    input_method_tried_ = true;
    // Keys are looked up in the user's locale, so that a letter of any
    // layout types a character. Where Xlib does not know that locale, UTF-8
    // in the C locale still gives every layout's letters.
    if (std::setlocale(LC_CTYPE, "") == nullptr || XSupportsLocale() == False) {
      std::setlocale(LC_CTYPE, "C.UTF-8");
    }
    // Xlib's own method, not an input server: a key that types a character
    // must type it at once, not start a composition in another process.
    if (XSetLocaleModifiers("@im=none") != nullptr) {
      input_method_ = XOpenIM(display_, nullptr, nullptr, nullptr);
    }
  }
  return input_method_;
}

Atom Connection::Intern(const char* name) {
  const auto found = atoms_.find(name);
  if (found != atoms_.end()) {
    return found->second;
  }
  const Atom atom = XInternAtom(display_, name, False);
  atoms_.emplace(name, atom);
  return atom;
}

void Connection::InternAll(std::initializer_list<const char*> names) {
  std::vector<char*> missing;
  for (const char* name : names) {
    if (atoms_.find(name) == atoms_.end()) {
      missing.push_back(const_cast<char*>(name));  // Xlib only reads them
    }
  }
  std::vector<Atom> atoms(missing.size(), None);
  if (missing.empty() || XInternAtoms(display_, missing.data(), static_cast<int>(missing.size()),
                                      False, atoms.data()) == 0) {
    return;  // Intern asks again, one by one
  }
  for (std::size_t i = 0; i < missing.size(); ++i) {
    atoms_.emplace(missing[i], atoms[i]);
  }
}

namespace {

// An 8-bit channel widened to X's 16 bits.
unsigned short Channel16(std::uint8_t channel) {
  return static_cast<unsigned short>(channel * 257U);
}

// Where a true-colour visual keeps an 8-bit channel in its pixels (the
// mask's lowest bit); nothing for a channel of another width.
std::optional<unsigned> EightBitShift(unsigned long mask) {
  if (mask == 0) {
    return std::nullopt;
  }
  unsigned shift = 0;
  while (((mask >> shift) & 1U) == 0) {
    ++shift;
  }
  return mask >> shift == 0xFFU ? std::optional<unsigned>(shift) : std::nullopt;
}

}  // namespace

unsigned long Connection::Pixel(ui::Color color) {
  const auto found = pixels_.find(color);
  if (found != pixels_.end()) {
    return found->second;
  }
  // On a true-colour visual with eight bits a channel, as nearly every
  // display has, the pixel is the colour itself: it is made here rather
  // than asked of the server, a round trip before the screen goes black.
  const Visual* visual = this->visual();
  const std::optional<unsigned> red = EightBitShift(visual->red_mask);
  const std::optional<unsigned> green = EightBitShift(visual->green_mask);
  const std::optional<unsigned> blue = EightBitShift(visual->blue_mask);
  if (visual->c_class == TrueColor && red && green && blue) {
    const unsigned long pixel = (static_cast<unsigned long>(color.Red()) << *red) |
                                (static_cast<unsigned long>(color.Green()) << *green) |
                                (static_cast<unsigned long>(color.Blue()) << *blue);
    pixels_.emplace(color, pixel);
    return pixel;
  }
  XColor wanted{};
  wanted.red = Channel16(color.Red());
  wanted.green = Channel16(color.Green());
  wanted.blue = Channel16(color.Blue());
  wanted.flags = DoRed | DoGreen | DoBlue;
  const unsigned long pixel = XAllocColor(display_, colormap(), &wanted) != 0
                                  ? wanted.pixel
                                  : BlackPixel(display_, screen_);
  pixels_.emplace(color, pixel);
  return pixel;
}

const XftColor& Connection::TextColor(ui::Color color) {
  const auto found = text_colors_.find(color);
  if (found != text_colors_.end()) {
    return found->second;
  }
  XRenderColor render{};
  render.red = Channel16(color.Red());
  render.green = Channel16(color.Green());
  render.blue = Channel16(color.Blue());
  render.alpha = 0xFFFF;
  XftColor allocated{};
  XftColorAllocValue(display_, visual(), colormap(), &render, &allocated);
  return text_colors_.emplace(color, allocated).first->second;
}

XftFont* Connection::Font(const ui::Font& font) {
  const auto key = std::make_tuple(font.face, font.points, font.weight, font.italic);
  const auto found = fonts_.find(key);
  if (found != fonts_.end()) {
    return found->second;
  }
  XftFont* opened = OpenFont(display_, screen_, font, dpi_);
  fonts_.emplace(key, opened);
  return opened;
}

Cursor Connection::PointerCursor(ui::PointerShape shape) {
  if (shape != ui::PointerShape::kHourglass) {
    return None;
  }
  if (watch_ == None) {
    watch_ = XCreateFontCursor(display_, XC_watch);
  }
  return watch_;
}

bool Connection::WindowManagerRuns() {
  // A manager that follows the desktop conventions keeps a check window
  // named on the root window, and the same window names itself.
  const Atom check = Intern("_NET_SUPPORTING_WM_CHECK");
  auto read_window = [&](Window on, Window& result) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const bool ok = XGetWindowProperty(display_, on, check, 0, 1, False, XA_WINDOW, &type, &format,
                                       &count, &after, &data) == Success &&
                    type == XA_WINDOW && format == 32 && count == 1 && data != nullptr;
    if (ok) {
      result = static_cast<Window>(*reinterpret_cast<unsigned long*>(data));
    }
    if (data != nullptr) {
      XFree(data);
    }
    return ok;
  };
  Window manager = None;
  Window self = None;
  return read_window(root(), manager) && read_window(manager, self) && self == manager;
}

bool Connection::Activate(Window window) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display_, window, &attributes) == 0 ||
      attributes.map_state != IsViewable) {
    return false;
  }
  if (attributes.override_redirect == False && WindowManagerRuns()) {
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = window;
    request.xclient.message_type = Intern("_NET_ACTIVE_WINDOW");
    request.xclient.format = 32;
    request.xclient.data.l[0] = 1;  // a request from an application
    request.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, root(), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &request);
  } else {
    XSetInputFocus(display_, window, RevertToParent, CurrentTime);
  }
  return true;
}

std::vector<ui::Monitor> Connection::Monitors() {
  // Asked over the display's own XCB connection, which sends the questions
  // together and waits once for their answers: the screen goes black only
  // after them, and libXrandr would wait for each, and for two more that
  // libXext asks of the Generic Event extension.
  std::vector<ui::Monitor> monitors;
  xcb_connection_t* xcb = XGetXCBConnection(display_);
  const xcb_query_extension_reply_t* randr = xcb_get_extension_data(xcb, &xcb_randr_id);
  if (randr == nullptr || randr->present == 0) {
    return monitors;
  }
  // Monitors came with RandR 1.5; an older server only knows its outputs,
  // answers the question for them with an error, and then the screen as a
  // whole stands for the one monitor.
  const xcb_randr_query_version_cookie_t version_asked = xcb_randr_query_version(xcb, 1, 5);
  const xcb_randr_get_monitors_cookie_t listed_asked = xcb_randr_get_monitors(xcb, root(), 1);
  xcb_generic_error_t* version_error = nullptr;
  xcb_generic_error_t* listed_error = nullptr;
  xcb_randr_query_version_reply_t* version =
      xcb_randr_query_version_reply(xcb, version_asked, &version_error);
  xcb_randr_get_monitors_reply_t* listed =
      xcb_randr_get_monitors_reply(xcb, listed_asked, &listed_error);
  if (version != nullptr && version->major_version * 100 + version->minor_version >= 105 &&
      listed != nullptr) {
    for (xcb_randr_monitor_info_iterator_t it = xcb_randr_get_monitors_monitors_iterator(listed);
         it.rem > 0; xcb_randr_monitor_info_next(&it)) {
      monitors.push_back(ui::Monitor{it.data->x, it.data->y, it.data->width, it.data->height,
                                     it.data->primary != 0});
    }
  }
  std::free(version);
  std::free(version_error);
  std::free(listed);
  std::free(listed_error);
  return monitors;
}

std::optional<XWindowAttributes> Connection::Attributes(Window window) {
  XSync(display_, False);
  g_errors_expected = true;
  g_error_seen = false;
  XWindowAttributes attributes{};
  const Status status = XGetWindowAttributes(display_, window, &attributes);
  XSync(display_, False);
  g_errors_expected = false;
  if (status == 0 || g_error_seen) {
    return std::nullopt;
  }
  return attributes;
}

void Connection::SetTitle(Window window, const std::string& title) {
  XStoreName(display_, window, title.c_str());
  const std::string utf8 = rt::ToUtf8(rt::FromWindows1252(title));
  XChangeProperty(display_, window, Intern("_NET_WM_NAME"), Intern("UTF8_STRING"), 8,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(utf8.data()),
                  static_cast<int>(utf8.size()));
}

void Connection::SetTopLevelHints(Window window, const std::string& title) {
  SetTitle(window, title);
  std::string res_name = "sagelight";
  std::string res_class = "Sagelight";
  XClassHint class_hint{};
  class_hint.res_name = res_name.data();
  class_hint.res_class = res_class.data();
  XSetClassHint(display_, window, &class_hint);
  XWMHints wm_hints{};
  wm_hints.flags = InputHint | StateHint;
  wm_hints.input = True;
  wm_hints.initial_state = NormalState;
  XSetWMHints(display_, window, &wm_hints);
}

}  // namespace sagelight::x11
