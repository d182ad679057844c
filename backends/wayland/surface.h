#pragma once

#include <wayland-client.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "backends/wayland/connection.h"
#include "ui/pixel_rect.h"
#include "ui/platform.h"

namespace sagelight::wayland {

// A rectangle in a buffer's pixels.
using Rect = ui::PixelRect;

// Drawing into a buffer of 32-bit pixels (xRGB), everything clipped to the
// buffer.
class Canvas {
 public:
  Canvas(std::uint32_t* pixels, int width, int height)
      : pixels_(pixels), width_(width), height_(height) {}

  [[nodiscard]] Rect Bounds() const { return {0, 0, width_, height_}; }
  void Fill(const Rect& area, ui::Color color);
  // Lays `color` over the pixels with the coverage of an 8-bit mask whose
  // top left corner goes to (left, top), inside `clip` only.
  void Blend(int left, int top, const unsigned char* mask, int mask_width, int mask_height,
             int pitch, ui::Color color, const Rect& clip);
  // A filled disc, and a line of a given thickness with round ends.
  void Disc(double centre_x, double centre_y, double radius, ui::Color color);
  void Line(double x0, double y0, double x1, double y1, double thickness, ui::Color color);

 private:
  std::uint32_t* pixels_;
  int width_;
  int height_;
};

// A top-level surface of the program: a wl_surface with its xdg roles and
// its shared-memory buffers. There are two, used in turn: a compositor may
// read a buffer for as long as it shows it, and releases it only once
// another replaces it.
class Toplevel {
 public:
  // Input on the surface goes to `input` (none: it is dropped). The buffer
  // is drawn at `scale` pixels per surface unit.
  Toplevel(Connection& connection, const std::string& title, InputTarget* input, int scale);
  Toplevel(const Toplevel&) = delete;
  Toplevel& operator=(const Toplevel&) = delete;
  ~Toplevel();

  [[nodiscard]] wl_surface* surface() const { return surface_; }
  [[nodiscard]] xdg_toplevel* toplevel() const { return toplevel_; }
  [[nodiscard]] int Scale() const { return scale_; }

  // Set before Map(): full-screen on `output`, or a fixed size in surface
  // units, above `parent`.
  void SetFullscreen(const Output& output);
  void SetFixedSize(int width, int height);
  void SetParent(const Toplevel& parent);
  // Asks the compositor to show the surface; it answers with a configure.
  void Map();

  // The size the compositor asked for, in surface units (0: the program's
  // own choice); known once Configured().
  [[nodiscard]] bool Configured() const { return configured_; }
  [[nodiscard]] int ConfiguredWidth() const { return configured_width_; }
  [[nodiscard]] int ConfiguredHeight() const { return configured_height_; }
  // A configure was acknowledged and awaits a commit that answers it: the
  // compositor may hold back showing the program's surfaces until then.
  [[nodiscard]] bool Unanswered() const { return unanswered_; }
  // Where a full-screen surface's top-left corner lies in the layout: its
  // output's place, once the compositor has sized the surface to that
  // output; before, it may show the surface elsewhere. That size is taken
  // as acknowledged, not as shown: a compositor that waits for the answer
  // only so long (sway) places the surface without it, and the pointer's
  // position there may come before a buffer is free to answer with.
  [[nodiscard]] std::optional<std::pair<int, int>> Origin() const;
  // The compositor asked the surface to close (its title bar's close box).
  [[nodiscard]] bool CloseRequested() const { return close_requested_; }

  // Draws a free buffer, `width` by `height` pixels, with `paint` and shows
  // it. `paint` learns which of the two buffers it draws (0 or 1) and
  // whether that is new (all black). Returns false, drawing nothing, while
  // the compositor still reads both.
  bool Paint(int width, int height,
             const std::function<void(Canvas&, int buffer, bool fresh)>& paint);

 private:
  struct Buffer {
    wl_buffer* buffer = nullptr;
    std::uint32_t* pixels = nullptr;
    std::size_t bytes = 0;
    int width = 0;
    int height = 0;
    bool busy = false;
  };
  void Allocate(Buffer& buffer, int width, int height);
  static void Free(Buffer& buffer);

  Connection& connection_;
  int scale_;
  wl_surface* surface_ = nullptr;
  xdg_surface* xdg_surface_ = nullptr;
  xdg_toplevel* toplevel_ = nullptr;
  bool configured_ = false;
  int configured_width_ = 0;
  int configured_height_ = 0;
  int pending_width_ = 0;
  int pending_height_ = 0;
  bool close_requested_ = false;
  bool unanswered_ = false;
  std::optional<std::uint32_t> fullscreen_on_;  // the registry's name of its output
  int acked_width_ = 0;                         // the size of the last configure acknowledged
  int acked_height_ = 0;

  Buffer buffers_[2];
};

}  // namespace sagelight::wayland
