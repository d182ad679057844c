#include "backends/wayland/connection.h"

#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "runtime/code_page.h"
#include "ui/monitors.h"

namespace sagelight::wayland {
namespace {

constexpr std::uint32_t kCompositorVersion = 4;  // buffer scale and damage in buffer pixels
constexpr std::uint32_t kOutputVersion = 2;      // scale and done
constexpr std::uint32_t kSeatVersion = 3;        // release requests

std::uint32_t VersionOf(std::uint32_t offered, std::uint32_t wanted) {
  return std::min(offered, wanted);
}

// The cursor size the user chose for the desktop, in pixels at scale 1.
int CursorSize() {
  const char* size = std::getenv("XCURSOR_SIZE");
  const int chosen = size != nullptr ? std::atoi(size) : 0;
  return chosen > 0 && chosen <= 256 ? chosen : 24;
}

}  // namespace

void Connection::Lost() { ui::EndLostConnection("Wayland compositor"); }

const wl_registry_listener Connection::kRegistryListener = {
    .global = &Connection::OnGlobal,
    .global_remove = &Connection::OnGlobalRemove,
};

const xdg_wm_base_listener Connection::kWmBaseListener = {
    .ping = +[](void* /*data*/, xdg_wm_base* base,
                std::uint32_t serial) { xdg_wm_base_pong(base, serial); },
};

const wl_output_listener Connection::kOutputListener = {
    .geometry =
        +[](void* data, wl_output* proxy, std::int32_t x, std::int32_t y,
            std::int32_t /*physical_width*/, std::int32_t /*physical_height*/,
            std::int32_t /*subpixel*/, const char* /*make*/, const char* /*model*/,
            std::int32_t transform) {
          if (Output* output = static_cast<Connection*>(data)->OutputOf(proxy)) {
            output->x = x;
            output->y = y;
            output->transform = transform;
          }
        },
    .mode =
        +[](void* data, wl_output* proxy, std::uint32_t flags, std::int32_t width,
            std::int32_t height, std::int32_t /*refresh*/) {
          Output* output = static_cast<Connection*>(data)->OutputOf(proxy);
          if (output != nullptr && (flags & WL_OUTPUT_MODE_CURRENT) != 0) {
            output->width = width;
            output->height = height;
          }
        },
    .done = +[](void* /*data*/, wl_output* /*proxy*/) {},
    .scale =
        +[](void* data, wl_output* proxy, std::int32_t factor) {
          if (Output* output = static_cast<Connection*>(data)->OutputOf(proxy)) {
            output->scale = std::max(1, factor);
          }
        },
    .name = +[](void* /*data*/, wl_output* /*proxy*/, const char* /*name*/) {},
    .description = +[](void* /*data*/, wl_output* /*proxy*/, const char* /*description*/) {},
};

const wl_seat_listener Connection::kSeatListener = {
    .capabilities = &Connection::OnCapabilities,
    .name = +[](void* /*data*/, wl_seat* /*seat*/, const char* /*name*/) {},
};

const wl_pointer_listener Connection::kPointerListener = {
    .enter =
        +[](void* data, wl_pointer* /*pointer*/, std::uint32_t serial, wl_surface* surface,
            wl_fixed_t x, wl_fixed_t y) {
          auto* self = static_cast<Connection*>(data);
          self->pointer_surface_ = surface;
          self->pointer_serial_ = serial;
          self->pointer_x_ = wl_fixed_to_double(x);
          self->pointer_y_ = wl_fixed_to_double(y);
          self->ApplyCursor();
          // Arriving is the first position the surface learns, as a move
          // into a window reports one on other window systems.
          int scale = 1;
          if (InputTarget* target = self->TargetOf(surface, scale)) {
            target->PointerMoved(self->PointerHere());
          }
        },
    .leave =
        +[](void* data, wl_pointer* /*pointer*/, std::uint32_t /*serial*/,
            wl_surface* /*surface*/) {
          auto* self = static_cast<Connection*>(data);
          self->pointer_surface_ = nullptr;
          self->left_ = self->right_ = self->middle_ = false;
        },
    .motion =
        +[](void* data, wl_pointer* /*pointer*/, std::uint32_t /*time*/, wl_fixed_t x,
            wl_fixed_t y) {
          auto* self = static_cast<Connection*>(data);
          self->pointer_x_ = wl_fixed_to_double(x);
          self->pointer_y_ = wl_fixed_to_double(y);
          int scale = 1;
          if (InputTarget* target = self->TargetOf(self->pointer_surface_, scale)) {
            target->PointerMoved(self->PointerHere());
          }
        },
    .button =
        +[](void* data, wl_pointer* /*pointer*/, std::uint32_t /*serial*/, std::uint32_t /*time*/,
            std::uint32_t button, std::uint32_t state) {
          auto* self = static_cast<Connection*>(data);
          const bool pressed = state == WL_POINTER_BUTTON_STATE_PRESSED;
          ui::MouseButton which = ui::MouseButton::kOther;
          switch (button) {
            case BTN_LEFT:
              which = ui::MouseButton::kLeft;
              self->left_ = pressed;
              break;
            case BTN_RIGHT:
              which = ui::MouseButton::kRight;
              self->right_ = pressed;
              break;
            case BTN_MIDDLE:
              which = ui::MouseButton::kMiddle;
              self->middle_ = pressed;
              break;
            default:
              break;
          }
          int scale = 1;
          if (InputTarget* target = self->TargetOf(self->pointer_surface_, scale)) {
            target->PointerButton(which, pressed, self->PointerHere());
          }
        },
    .axis = +[](void* /*data*/, wl_pointer* /*pointer*/, std::uint32_t /*time*/,
                std::uint32_t /*axis*/, wl_fixed_t /*value*/) {},
    .frame = +[](void* /*data*/, wl_pointer* /*pointer*/) {},
    .axis_source = +[](void* /*data*/, wl_pointer* /*pointer*/, std::uint32_t /*source*/) {},
    .axis_stop = +[](void* /*data*/, wl_pointer* /*pointer*/, std::uint32_t /*time*/,
                     std::uint32_t /*axis*/) {},
    .axis_discrete = +[](void* /*data*/, wl_pointer* /*pointer*/, std::uint32_t /*axis*/,
                         std::int32_t /*discrete*/) {},
    .axis_value120 = +[](void* /*data*/, wl_pointer* /*pointer*/, std::uint32_t /*axis*/,
                         std::int32_t /*value120*/) {},
};

const wl_keyboard_listener Connection::kKeyboardListener = {
    .keymap = +[](void* data, wl_keyboard* /*keyboard*/, std::uint32_t format, std::int32_t fd,
                  std::uint32_t size) { static_cast<Connection*>(data)->Keymap(format, fd, size); },
    .enter =
        +[](void* data, wl_keyboard* /*keyboard*/, std::uint32_t /*serial*/, wl_surface* surface,
            wl_array* /*keys*/) { static_cast<Connection*>(data)->keyboard_surface_ = surface; },
    .leave =
        +[](void* data, wl_keyboard* /*keyboard*/, std::uint32_t /*serial*/, wl_surface* surface) {
          auto* self = static_cast<Connection*>(data);
          if (self->keyboard_surface_ == surface) {
            self->keyboard_surface_ = nullptr;
          }
        },
    .key = +[](void* data, wl_keyboard* /*keyboard*/, std::uint32_t /*serial*/,
               std::uint32_t /*time*/, std::uint32_t key,
               std::uint32_t state) { static_cast<Connection*>(data)->Key(key, state); },
    .modifiers =
        +[](void* data, wl_keyboard* /*keyboard*/, std::uint32_t /*serial*/,
            std::uint32_t depressed, std::uint32_t latched, std::uint32_t locked,
            std::uint32_t group) {
          auto* self = static_cast<Connection*>(data);
          if (self->xkb_state_ != nullptr) {
            xkb_state_update_mask(self->xkb_state_, depressed, latched, locked, 0, 0, group);
          }
        },
    .repeat_info = +[](void* /*data*/, wl_keyboard* /*keyboard*/, std::int32_t /*rate*/,
                       std::int32_t /*delay*/) {},
};

std::unique_ptr<Connection> Connection::Open() {
  // Typed text comes as UTF-8 whatever the locale; the locale only matters
  // to the layout names xkbcommon falls back on.
  std::setlocale(LC_CTYPE, "");
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) {
    return nullptr;
  }
  std::unique_ptr<Connection> connection(new Connection(display));
  if (!connection->Bind()) {
    return nullptr;
  }
  return connection;
}

Connection::Connection(wl_display* display)
    : display_(display), xkb_(xkb_context_new(XKB_CONTEXT_NO_FLAGS)) {}

bool Connection::Bind() {
  registry_ = wl_display_get_registry(display_);
  wl_registry_add_listener(registry_, &kRegistryListener, this);
  // The globals, then what the outputs and the seat announce of themselves.
  if (wl_display_roundtrip(display_) < 0 || wl_display_roundtrip(display_) < 0) {
    return false;
  }
  if (compositor_ == nullptr || shm_ == nullptr || wm_base_ == nullptr) {
    std::fputs(
        "Sagelight: the Wayland compositor offers no xdg-shell, shared memory or "
        "compositor\n",
        stderr);
    return false;
  }
  return true;
}

Connection::~Connection() {
  if (xkb_state_ != nullptr) {
    xkb_state_unref(xkb_state_);
  }
  if (keymap_ != nullptr) {
    xkb_keymap_unref(keymap_);
  }
  xkb_context_unref(xkb_);
  if (cursor_surface_ != nullptr) {
    wl_surface_destroy(cursor_surface_);
  }
  if (cursor_theme_ != nullptr) {
    wl_cursor_theme_destroy(cursor_theme_);
  }
  wl_display_disconnect(display_);
}

void Connection::OnGlobal(void* data, wl_registry* registry, std::uint32_t name,
                          const char* interface, std::uint32_t version) {
  auto* self = static_cast<Connection*>(data);
  const std::string_view kind(interface);
  if (kind == wl_compositor_interface.name && version >= kCompositorVersion) {
    self->compositor_ = static_cast<wl_compositor*>(wl_registry_bind(
        registry, name, &wl_compositor_interface, VersionOf(version, kCompositorVersion)));
  } else if (kind == wl_shm_interface.name) {
    self->shm_ = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
  } else if (kind == xdg_wm_base_interface.name) {
    self->wm_base_ =
        static_cast<xdg_wm_base*>(wl_registry_bind(registry, name, &xdg_wm_base_interface, 1));
    xdg_wm_base_add_listener(self->wm_base_, &kWmBaseListener, self);
  } else if (kind == wl_seat_interface.name && self->seat_ == nullptr) {
    self->seat_ = static_cast<wl_seat*>(
        wl_registry_bind(registry, name, &wl_seat_interface, VersionOf(version, kSeatVersion)));
    wl_seat_add_listener(self->seat_, &kSeatListener, self);
  } else if (kind == wl_output_interface.name && version >= 2) {
    Output output;
    output.name = name;
    output.proxy = static_cast<wl_output*>(
        wl_registry_bind(registry, name, &wl_output_interface, kOutputVersion));
    wl_output_add_listener(output.proxy, &kOutputListener, self);
    self->outputs_.push_back(output);
  }
}

void Connection::OnGlobalRemove(void* data, wl_registry* /*registry*/, std::uint32_t name) {
  // An output unplugged: the saver goes on on the others; its surface there
  // is gone with it.
  auto* self = static_cast<Connection*>(data);
  std::erase_if(self->outputs_, [name](const Output& output) {
    if (output.name == name) {
      wl_output_destroy(output.proxy);
      return true;
    }
    return false;
  });
}

void Connection::OnCapabilities(void* data, wl_seat* seat, std::uint32_t capabilities) {
  auto* self = static_cast<Connection*>(data);
  const bool pointer = (capabilities & WL_SEAT_CAPABILITY_POINTER) != 0;
  const bool keyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
  if (pointer && self->pointer_ == nullptr) {
    self->pointer_ = wl_seat_get_pointer(seat);
    wl_pointer_add_listener(self->pointer_, &kPointerListener, self);
  } else if (!pointer && self->pointer_ != nullptr) {
    wl_pointer_release(self->pointer_);
    self->pointer_ = nullptr;
    self->pointer_surface_ = nullptr;
  }
  if (keyboard && self->keyboard_ == nullptr) {
    self->keyboard_ = wl_seat_get_keyboard(seat);
    wl_keyboard_add_listener(self->keyboard_, &kKeyboardListener, self);
  } else if (!keyboard && self->keyboard_ != nullptr) {
    wl_keyboard_release(self->keyboard_);
    self->keyboard_ = nullptr;
    self->keyboard_surface_ = nullptr;
  }
}

Output* Connection::OutputOf(wl_output* proxy) {
  const auto found = std::find_if(outputs_.begin(), outputs_.end(),
                                  [proxy](const Output& output) { return output.proxy == proxy; });
  return found != outputs_.end() ? &*found : nullptr;
}

const Output* Connection::Primary() const {
  std::vector<ui::Monitor> monitors;
  monitors.reserve(outputs_.size());
  for (const Output& output : outputs_) {
    // A quarter turn swaps the mode's sides on the screen.
    const bool turned = (output.transform & 1) != 0;
    monitors.push_back(ui::Monitor{output.x, output.y, turned ? output.height : output.width,
                                   turned ? output.width : output.height, false});
  }
  const std::optional<std::size_t> primary = ui::PrimaryMonitor(monitors);
  return primary ? &outputs_[*primary] : nullptr;
}

void Connection::Register(wl_surface* surface, InputTarget* target, int scale) {
  targets_[surface] = Registered{target, scale};
}

void Connection::Unregister(wl_surface* surface) {
  targets_.erase(surface);
  if (pointer_surface_ == surface) {
    pointer_surface_ = nullptr;
  }
  if (keyboard_surface_ == surface) {
    keyboard_surface_ = nullptr;
  }
}

InputTarget* Connection::TargetOf(wl_surface* surface, int& scale) const {
  const auto found = targets_.find(surface);
  if (surface == nullptr || found == targets_.end()) {
    return nullptr;
  }
  scale = found->second.scale;
  return found->second.target;
}

ui::PointerInput Connection::PointerHere() const {
  int scale = 1;
  TargetOf(pointer_surface_, scale);
  ui::PointerInput at;
  at.x = pointer_x_ * scale;
  at.y = pointer_y_ * scale;
  at.left = left_;
  at.right = right_;
  at.middle = middle_;
  if (xkb_state_ != nullptr) {
    at.shift =
        xkb_state_mod_name_is_active(xkb_state_, XKB_MOD_NAME_SHIFT, XKB_STATE_MODS_EFFECTIVE) > 0;
    at.ctrl =
        xkb_state_mod_name_is_active(xkb_state_, XKB_MOD_NAME_CTRL, XKB_STATE_MODS_EFFECTIVE) > 0;
    at.alt =
        xkb_state_mod_name_is_active(xkb_state_, XKB_MOD_NAME_ALT, XKB_STATE_MODS_EFFECTIVE) > 0;
  }
  return at;
}

void Connection::SetPointerShape(ui::PointerShape shape) {
  shape_ = shape;
  ApplyCursor();
}

void Connection::ApplyCursor() {
  if (pointer_ == nullptr || pointer_surface_ == nullptr ||
      targets_.find(pointer_surface_) == targets_.end()) {
    return;
  }
  int scale = 1;
  TargetOf(pointer_surface_, scale);
  if (cursor_theme_ == nullptr) {
    // The desktop's theme; libwayland-cursor carries a plain one of its own
    // where none is installed.
    cursor_theme_ = wl_cursor_theme_load(std::getenv("XCURSOR_THEME"), CursorSize() * scale, shm_);
    cursor_surface_ = wl_compositor_create_surface(compositor_);
  }
  wl_cursor* cursor = nullptr;
  if (cursor_theme_ != nullptr) {
    if (shape_ == ui::PointerShape::kHourglass) {
      cursor = wl_cursor_theme_get_cursor(cursor_theme_, "watch");
    }
    if (cursor == nullptr) {
      cursor = wl_cursor_theme_get_cursor(cursor_theme_, "left_ptr");
    }
  }
  if (cursor == nullptr || cursor->image_count == 0) {
    return;  // the compositor's own pointer stays
  }
  wl_cursor_image* image = cursor->images[0];
  wl_buffer* buffer = wl_cursor_image_get_buffer(image);
  if (buffer == nullptr) {
    return;
  }
  wl_surface_set_buffer_scale(cursor_surface_, scale);
  wl_surface_attach(cursor_surface_, buffer, 0, 0);
  wl_surface_damage_buffer(cursor_surface_, 0, 0, static_cast<std::int32_t>(image->width),
                           static_cast<std::int32_t>(image->height));
  wl_surface_commit(cursor_surface_);
  wl_pointer_set_cursor(pointer_, pointer_serial_, cursor_surface_,
                        static_cast<std::int32_t>(image->hotspot_x) / scale,
                        static_cast<std::int32_t>(image->hotspot_y) / scale);
}

void Connection::Keymap(std::uint32_t format, int fd, std::uint32_t size) {
  if (format != WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1 || size == 0) {
    close(fd);
    return;
  }
  void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
  close(fd);
  if (text == MAP_FAILED) {
    return;
  }
  // The text ends with a NUL within `size`.
  xkb_keymap* keymap = xkb_keymap_new_from_buffer(
      xkb_, static_cast<const char*>(text), strnlen(static_cast<const char*>(text), size),
      XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
  munmap(text, size);
  if (keymap == nullptr) {
    return;
  }
  if (xkb_state_ != nullptr) {
    xkb_state_unref(xkb_state_);
  }
  if (keymap_ != nullptr) {
    xkb_keymap_unref(keymap_);
  }
  keymap_ = keymap;
  xkb_state_ = xkb_state_new(keymap_);
}

void Connection::Key(std::uint32_t key, std::uint32_t state) {
  if (state != WL_KEYBOARD_KEY_STATE_PRESSED || xkb_state_ == nullptr) {
    return;
  }
  int scale = 1;
  InputTarget* target = TargetOf(keyboard_surface_, scale);
  if (target == nullptr) {
    return;
  }
  if (modal_keys_ != nullptr) {
    target = modal_keys_;
  }
  // Evdev numbers keys 8 below X's key codes, which xkbcommon uses.
  const xkb_keycode_t code = key + 8;
  ui::KeyInput input;
  // Alt is the modifier that Alt_L sets; AltGr, which types characters on
  // many layouts, is another (Mod5) and does not count.
  input.alt =
      xkb_state_mod_name_is_active(xkb_state_, XKB_MOD_NAME_ALT, XKB_STATE_MODS_EFFECTIVE) > 0;
  std::string text(64, '\0');
  const int length = xkb_state_key_get_utf8(xkb_state_, code, text.data(), text.size());
  if (length > 0) {
    text.resize(std::min(static_cast<std::size_t>(length), text.size() - 1));
    input.text = rt::FromUtf8(text);
  }
  target->KeyPressed(xkb_state_key_get_one_sym(xkb_state_, code), input);
}

void Connection::DispatchPending() {
  if (wl_display_dispatch_pending(display_) < 0) {
    Lost();
  }
}

void Connection::Roundtrip() {
  if (wl_display_roundtrip(display_) < 0) {
    Lost();
  }
}

}  // namespace sagelight::wayland
