#include "backends/wayland/surface.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>

#include "runtime/runtime_error.h"

namespace sagelight::wayland {
namespace {

std::uint32_t PixelOf(ui::Color color) {
  return 0xFF000000U | (static_cast<std::uint32_t>(color.Red()) << 16) |
         (static_cast<std::uint32_t>(color.Green()) << 8) | color.Blue();
}

std::uint32_t Mix(std::uint32_t under, ui::Color over, unsigned coverage) {
  auto channel = [&](unsigned shift, unsigned value) {
    const unsigned old = (under >> shift) & 0xFFU;
    return ((old * (255 - coverage) + value * coverage + 127) / 255) << shift;
  };
  return 0xFF000000U | channel(16, over.Red()) | channel(8, over.Green()) | channel(0, over.Blue());
}

// How much of a pixel lies inside a shape whose edge is `distance` pixels
// away (negative inside): a one-pixel ramp smooths the edge.
unsigned Coverage(double distance) {
  const double inside = std::clamp(0.5 - distance, 0.0, 1.0);
  return static_cast<unsigned>(std::lround(inside * 255));
}

}  // namespace

void Canvas::Fill(const Rect& area, ui::Color color) {
  const Rect inside = area.Intersect(Bounds());
  const std::uint32_t pixel = PixelOf(color);
  for (int y = inside.top; y < inside.top + inside.height; ++y) {
    std::uint32_t* row = pixels_ + static_cast<std::ptrdiff_t>(y) * width_;
    std::fill(row + inside.left, row + inside.left + inside.width, pixel);
  }
}

void Canvas::Blend(int left, int top, const unsigned char* mask, int mask_width, int mask_height,
                   int pitch, ui::Color color, const Rect& clip) {
  const Rect inside = Rect{left, top, mask_width, mask_height}.Intersect(clip).Intersect(Bounds());
  for (int y = inside.top; y < inside.top + inside.height; ++y) {
    std::uint32_t* row = pixels_ + static_cast<std::ptrdiff_t>(y) * width_;
    const unsigned char* coverage = mask + static_cast<std::ptrdiff_t>(y - top) * pitch - left;
    for (int x = inside.left; x < inside.left + inside.width; ++x) {
      if (coverage[x] != 0) {
        row[x] = Mix(row[x], color, coverage[x]);
      }
    }
  }
}

void Canvas::Disc(double centre_x, double centre_y, double radius, ui::Color color) {
  const Rect box =
      Rect{static_cast<int>(std::floor(centre_x - radius - 1)),
           static_cast<int>(std::floor(centre_y - radius - 1)),
           static_cast<int>(std::ceil(2 * radius + 3)), static_cast<int>(std::ceil(2 * radius + 3))}
          .Intersect(Bounds());
  for (int y = box.top; y < box.top + box.height; ++y) {
    for (int x = box.left; x < box.left + box.width; ++x) {
      const double distance = std::hypot(x + 0.5 - centre_x, y + 0.5 - centre_y) - radius;
      if (const unsigned coverage = Coverage(distance); coverage > 0) {
        std::uint32_t& pixel = pixels_[static_cast<std::ptrdiff_t>(y) * width_ + x];
        pixel = Mix(pixel, color, coverage);
      }
    }
  }
}

void Canvas::Line(double x0, double y0, double x1, double y1, double thickness, ui::Color color) {
  const double half = thickness / 2;
  const Rect box = Rect{static_cast<int>(std::floor(std::min(x0, x1) - half - 1)),
                        static_cast<int>(std::floor(std::min(y0, y1) - half - 1)),
                        static_cast<int>(std::ceil(std::abs(x1 - x0) + thickness + 3)),
                        static_cast<int>(std::ceil(std::abs(y1 - y0) + thickness + 3))}
                       .Intersect(Bounds());
  const double dx = x1 - x0;
  const double dy = y1 - y0;
  const double length_squared = dx * dx + dy * dy;
  for (int y = box.top; y < box.top + box.height; ++y) {
    for (int x = box.left; x < box.left + box.width; ++x) {
      const double px = x + 0.5 - x0;
      const double py = y + 0.5 - y0;
      const double along =
          length_squared > 0 ? std::clamp((px * dx + py * dy) / length_squared, 0.0, 1.0) : 0.0;
      const double distance = std::hypot(px - along * dx, py - along * dy) - half;
      if (const unsigned coverage = Coverage(distance); coverage > 0) {
        std::uint32_t& pixel = pixels_[static_cast<std::ptrdiff_t>(y) * width_ + x];
        pixel = Mix(pixel, color, coverage);
      }
    }
  }
}

namespace {

const wl_buffer_listener kBufferListener = {
    .release = +[](void* data, wl_buffer* /*buffer*/) { *static_cast<bool*>(data) = false; },
};

}  // namespace

Toplevel::Toplevel(Connection& connection, const std::string& title, InputTarget* input, int scale)
    : connection_(connection), scale_(std::max(1, scale)) {
  surface_ = wl_compositor_create_surface(connection_.compositor());
  wl_surface_set_buffer_scale(surface_, scale_);
  xdg_surface_ = xdg_wm_base_get_xdg_surface(connection_.wm_base(), surface_);
  toplevel_ = xdg_surface_get_toplevel(xdg_surface_);
  // The toplevel's configure comes before its surface's: the size is
  // known when the surface's configure is acknowledged.
  static const xdg_toplevel_listener kToplevelListener = {
      .configure =
          +[](void* data, xdg_toplevel* /*toplevel*/, std::int32_t width, std::int32_t height,
              wl_array* /*states*/) {
            auto* self = static_cast<Toplevel*>(data);
            self->configured_width_ = std::max(0, width);
            self->configured_height_ = std::max(0, height);
            self->configured_ = true;
          },
      .close =
          +[](void* data, xdg_toplevel* /*toplevel*/) {
            static_cast<Toplevel*>(data)->close_requested_ = true;
          },
      .configure_bounds = +[](void* /*data*/, xdg_toplevel* /*toplevel*/, std::int32_t /*width*/,
                              std::int32_t /*height*/) {},
      .wm_capabilities =
          +[](void* /*data*/, xdg_toplevel* /*toplevel*/, wl_array* /*capabilities*/) {},
  };
  static const xdg_surface_listener kXdgSurfaceListener = {
      .configure =
          +[](void* data, xdg_surface* surface, std::uint32_t serial) {
            xdg_surface_ack_configure(surface, serial);
            auto* self = static_cast<Toplevel*>(data);
            self->unanswered_ = true;
            self->acked_width_ = self->configured_width_;
            self->acked_height_ = self->configured_height_;
          },
  };
  xdg_surface_add_listener(xdg_surface_, &kXdgSurfaceListener, this);
  xdg_toplevel_add_listener(toplevel_, &kToplevelListener, this);
  xdg_toplevel_set_title(toplevel_, title.c_str());
  xdg_toplevel_set_app_id(toplevel_, "sagelight");
  if (input != nullptr) {
    connection_.Register(surface_, input, scale_);
  }
}

Toplevel::~Toplevel() {
  connection_.Unregister(surface_);
  xdg_toplevel_destroy(toplevel_);
  xdg_surface_destroy(xdg_surface_);
  wl_surface_destroy(surface_);
  Free(buffers_[0]);
  Free(buffers_[1]);
}

void Toplevel::SetFullscreen(const Output& output) {
  fullscreen_on_ = output.name;
  xdg_toplevel_set_fullscreen(toplevel_, output.proxy);
}

std::optional<std::pair<int, int>> Toplevel::Origin() const {
  const Output* output = fullscreen_on_ ? connection_.FindOutput(*fullscreen_on_) : nullptr;
  // The output's place as it is now: when outputs are laid out anew, the
  // compositor keeps a full-screen surface on its output.
  if (output == nullptr || acked_width_ != output->width / output->scale ||
      acked_height_ != output->height / output->scale) {
    return std::nullopt;
  }
  return std::pair(output->x, output->y);
}

void Toplevel::SetFixedSize(int width, int height) {
  xdg_toplevel_set_min_size(toplevel_, width, height);
  xdg_toplevel_set_max_size(toplevel_, width, height);
}

void Toplevel::SetParent(const Toplevel& parent) {
  xdg_toplevel_set_parent(toplevel_, parent.toplevel_);
}

void Toplevel::Map() { wl_surface_commit(surface_); }

void Toplevel::Free(Buffer& buffer) {
  if (buffer.buffer != nullptr) {
    wl_buffer_destroy(buffer.buffer);
    munmap(buffer.pixels, buffer.bytes);
  }
  buffer = Buffer{};
}

void Toplevel::Allocate(Buffer& buffer, int width, int height) {
  Free(buffer);
  const int stride = width * 4;
  const std::size_t bytes = static_cast<std::size_t>(stride) * static_cast<std::size_t>(height);
  const int fd = memfd_create("sagelight", MFD_CLOEXEC);
  if (fd < 0 || ftruncate(fd, static_cast<off_t>(bytes)) < 0) {
    if (fd >= 0) {
      close(fd);
    }
    throw rt::RuntimeError(rt::kErrOutOfMemory);
  }
  void* mapped = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  if (mapped == MAP_FAILED) {
    close(fd);
    throw rt::RuntimeError(rt::kErrOutOfMemory);
  }
  wl_shm_pool* pool = wl_shm_create_pool(connection_.shm(), fd, static_cast<std::int32_t>(bytes));
  buffer.buffer = wl_shm_pool_create_buffer(pool, 0, width, height, stride, WL_SHM_FORMAT_XRGB8888);
  wl_shm_pool_destroy(pool);
  close(fd);
  buffer.pixels = static_cast<std::uint32_t*>(mapped);
  buffer.bytes = bytes;
  buffer.width = width;
  buffer.height = height;
  wl_buffer_add_listener(buffer.buffer, &kBufferListener, &buffer.busy);
}

bool Toplevel::Paint(int width, int height,
                     const std::function<void(Canvas&, int buffer, bool fresh)>& paint) {
  width = std::max(1, width);
  height = std::max(1, height);
  int chosen = -1;
  for (int i = 0; i < 2 && chosen < 0; ++i) {
    if (!buffers_[i].busy && buffers_[i].buffer != nullptr && buffers_[i].width == width &&
        buffers_[i].height == height) {
      chosen = i;
    }
  }
  bool fresh = false;
  for (int i = 0; i < 2 && chosen < 0; ++i) {
    if (!buffers_[i].busy) {
      // A new buffer is all zeros, black: its pages cost nothing until drawn.
      Allocate(buffers_[i], width, height);
      chosen = i;
      fresh = true;
    }
  }
  if (chosen < 0) {
    return false;
  }
  Buffer& buffer = buffers_[chosen];
  Canvas canvas(buffer.pixels, buffer.width, buffer.height);
  paint(canvas, chosen, fresh);
  wl_surface_attach(surface_, buffer.buffer, 0, 0);
  wl_surface_damage_buffer(surface_, 0, 0, buffer.width, buffer.height);
  wl_surface_commit(surface_);
  buffer.busy = true;
  unanswered_ = false;
  return true;
}

}  // namespace sagelight::wayland
