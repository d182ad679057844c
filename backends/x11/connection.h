#pragma once

#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>

#include <cstdint>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "ui/pixel_rect.h"
#include "ui/platform.h"
#include "ui/stage.h"

namespace sagelight::x11 {

// A rectangle in pixels, in the coordinates of the window it lies in.
using Area = ui::PixelRect;

// The process's connection to the X server and what every window of the
// program shares: the screen's size and resolution, colours, fonts, atoms
// and pointer shapes.
class Connection {
 public:
  // Connects to the display that DISPLAY names; nullptr when none answers.
  // A connection that breaks later ends the process (status 2) with one
  // line on standard error; protocol errors are printed and ignored.
  static std::unique_ptr<Connection> Open();

  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  ~Connection();

  [[nodiscard]] Display* display() const { return display_; }
  [[nodiscard]] int screen() const { return screen_; }
  [[nodiscard]] Window root() const { return RootWindow(display_, screen_); }
  [[nodiscard]] Visual* visual() const { return DefaultVisual(display_, screen_); }
  [[nodiscard]] Colormap colormap() const { return DefaultColormap(display_, screen_); }
  [[nodiscard]] int WidthPixels() const { return DisplayWidth(display_, screen_); }
  [[nodiscard]] int HeightPixels() const { return DisplayHeight(display_, screen_); }

  // Twips per pixel follow the resolution the desktop announces (the
  // Xft.dpi resource), 96 dpi where it announces none: 15 twips a pixel.
  [[nodiscard]] double Dpi() const { return dpi_; }
  [[nodiscard]] double TwipsPerPixel() const { return 1440.0 / dpi_; }

  Atom Intern(const char* name);
  // Interns the atoms not known yet in one round trip, for Intern to find.
  void InternAll(std::initializer_list<const char*> names);
  unsigned long Pixel(ui::Color color);
  const XftColor& TextColor(ui::Color color);
  XftFont* Font(const ui::Font& font);
  // The cursor for a pointer shape; None for the default.
  Cursor PointerCursor(ui::PointerShape shape);

  // Give the keyboard focus to one of the program's top-level windows once
  // it is viewable. With a window manager that follows the desktop
  // conventions the request goes through it; on a bare server, under a
  // manager that announces nothing, or for a window that no manager
  // manages, the window takes the focus itself.
  // Returns false while the window is not viewable yet.
  bool Activate(Window window);

  // The monitors as RandR 1.5 lists them, in the root window's coordinates;
  // empty where the server has no such list.
  std::vector<ui::Monitor> Monitors();

  // A window's attributes; nothing, and no error report, when no such
  // window exists (any more).
  std::optional<XWindowAttributes> Attributes(Window window);

  // The input method that turns keys into text in the user's locale and
  // layout; nullptr where Xlib can open none. Opened when first asked for:
  // the locale's tables, the keyboard's map and the compose sequences take
  // about 1 MiB, which a saver that nobody touches never needs.
  XIM InputMethod();

  // Sets a window's title (WM_NAME and _NET_WM_NAME) from program text.
  void SetTitle(Window window, const std::string& title);
  // The hints every top-level window of the program carries: its title, its
  // class ("sagelight", "Sagelight"), and that it takes keyboard input.
  void SetTopLevelHints(Window window, const std::string& title);

 private:
  explicit Connection(Display* display);
  bool WindowManagerRuns();

  Display* display_;
  int screen_;
  double dpi_ = 96.0;
  std::unordered_map<std::string, Atom> atoms_;
  std::map<ui::Color, unsigned long> pixels_;
  std::map<ui::Color, XftColor> text_colors_;
  std::map<std::tuple<std::string, float, int, bool>, XftFont*> fonts_;
  Cursor watch_ = None;
  XIM input_method_ = nullptr;
  bool input_method_tried_ = false;
};

}  // namespace sagelight::x11
