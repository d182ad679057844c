#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "backends/wayland/connection.h"
#include "runtime/code_page.h"

// The seat: the pointer and the keyboard, which surface each goes to, and
// the pointer's shape.
namespace sagelight::wayland {
namespace {

// The cursor size the user chose for the desktop, in pixels at scale 1.
int CursorSize() {
  const char* size = std::getenv("XCURSOR_SIZE");
  const int chosen = size != nullptr ? std::atoi(size) : 0;
  return chosen > 0 && chosen <= 256 ? chosen : 24;
}

}  // namespace

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
          self->ApplyCursor();
          // Arriving is a position like any other: the user's move onto the
          // surface, or the surface coming under a resting pointer.
          self->PointerAt(x, y);
        },
    .leave =
        +[](void* data, wl_pointer* /*pointer*/, std::uint32_t /*serial*/,
            wl_surface* /*surface*/) {
          auto* self = static_cast<Connection*>(data);
          self->pointer_surface_ = nullptr;
          self->left_ = self->right_ = self->middle_ = false;
        },
    .motion = +[](void* data, wl_pointer* /*pointer*/, std::uint32_t /*time*/, wl_fixed_t x,
                  wl_fixed_t y) { static_cast<Connection*>(data)->PointerAt(x, y); },
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

void Connection::PointerAt(wl_fixed_t x, wl_fixed_t y) {
  pointer_x_ = wl_fixed_to_double(x);
  pointer_y_ = wl_fixed_to_double(y);
  int scale = 1;
  InputTarget* target = TargetOf(pointer_surface_, scale);
  if (target == nullptr) {
    return;
  }
  if (target->FullScreen()) {
    // Compositors show a new surface somewhere first and move it to its
    // output later, and re-place surfaces when outputs come and go; the
    // pointer that rests meanwhile arrives at new places on the surface.
    // Only a new place on the desktop is the user's move.
    const std::optional<std::pair<int, int>> origin = target->Origin();
    if (!origin) {
      return;
    }
    const std::pair<double, double> layout{pointer_x_ + origin->first, pointer_y_ + origin->second};
    if (pointer_layout_ == layout) {
      return;
    }
    pointer_layout_ = layout;
  }
  target->PointerMoved(PointerHere());
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
  const xkb_keysym_t keysym = xkb_state_key_get_one_sym(xkb_state_, code);
  // xkbcommon types DEL for the Delete key, which types nothing on the
  // desktop the program comes from.
  const bool types_nothing = keysym == XKB_KEY_Delete || keysym == XKB_KEY_KP_Delete;
  if (length > 0 && !types_nothing) {
    text.resize(std::min(static_cast<std::size_t>(length), text.size() - 1));
    input.text = rt::FromUtf8(text);
  }
  target->KeyPressed(keysym, input);
}

}  // namespace sagelight::wayland
