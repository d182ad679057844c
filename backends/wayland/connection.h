#pragma once

#include <wayland-client.h>
#include <wayland-cursor.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "ui/event_path.h"
#include "ui/platform.h"
#include "xdg-shell-client-protocol.h"

namespace sagelight::wayland {

// One output of the compositor, as it announces itself: its place in the
// compositor's space, its current mode in pixels and its scale.
struct Output {
  wl_output* proxy = nullptr;
  std::uint32_t name = 0;  // the registry's name for it
  int x = 0;
  int y = 0;
  int width = 0;  // pixels of the current mode, as it shows (rotation applied)
  int height = 0;
  int scale = 1;
  std::int32_t transform = WL_OUTPUT_TRANSFORM_NORMAL;
};

// What a surface of the program does with the input sent to it. Positions
// are in the surface's buffer pixels.
class InputTarget {
 public:
  InputTarget() = default;
  InputTarget(const InputTarget&) = delete;
  InputTarget& operator=(const InputTarget&) = delete;
  virtual ~InputTarget() = default;

  virtual void PointerMoved(const ui::PointerInput& /*at*/) {}
  virtual void PointerButton(ui::MouseButton /*button*/, bool /*pressed*/,
                             const ui::PointerInput& /*at*/) {}
  virtual void KeyPressed(xkb_keysym_t /*keysym*/, const ui::KeyInput& /*key*/) {}
};

// The process's connection to the compositor and what all its surfaces
// share: the globals, the outputs, the seat's keyboard and pointer, and the
// pointer's shape.
class Connection {
 public:
  // Connects to the compositor that WAYLAND_DISPLAY names and learns its
  // outputs; nullptr when none answers or it lacks what the program needs
  // (a compositor, shared memory, xdg-shell). A connection that breaks
  // later ends the process (status 2) with one line on standard error.
  static std::unique_ptr<Connection> Open();

  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  ~Connection();

  [[nodiscard]] wl_display* display() const { return display_; }
  [[nodiscard]] wl_compositor* compositor() const { return compositor_; }
  [[nodiscard]] wl_shm* shm() const { return shm_; }
  [[nodiscard]] xdg_wm_base* wm_base() const { return wm_base_; }
  [[nodiscard]] const std::vector<Output>& Outputs() const { return outputs_; }
  // The output that stands for the screen; nothing when there is none.
  [[nodiscard]] const Output* Primary() const;

  // Input for `surface` goes to `target` from now on, in pixels of a buffer
  // drawn at `scale`.
  void Register(wl_surface* surface, InputTarget* target, int scale);
  void Unregister(wl_surface* surface);

  // While `target` is set, keys typed into any of the program's surfaces
  // go to it: a modal box takes the program's keyboard, which compositors
  // may keep with the full-screen form (sway gives no focus to a surface
  // that opens over a full-screen one).
  void SetModalKeys(InputTarget* target) { modal_keys_ = target; }

  // The pointer's shape over the program's surfaces.
  void SetPointerShape(ui::PointerShape shape);

  // Dispatches what has already come in.
  void DispatchPending();
  // Waits until the compositor has handled every request sent so far.
  void Roundtrip();

  // The connection broke: say so and end.
  [[noreturn]] static void Lost();

 private:
  explicit Connection(wl_display* display);
  bool Bind();

  static void OnGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version);
  static void OnGlobalRemove(void* data, wl_registry* registry, std::uint32_t name);
  static void OnCapabilities(void* data, wl_seat* seat, std::uint32_t capabilities);
  static const wl_registry_listener kRegistryListener;
  static const wl_seat_listener kSeatListener;
  static const wl_output_listener kOutputListener;
  static const wl_pointer_listener kPointerListener;
  static const wl_keyboard_listener kKeyboardListener;
  static const xdg_wm_base_listener kWmBaseListener;

  Output* OutputOf(wl_output* proxy);
  InputTarget* TargetOf(wl_surface* surface, int& scale) const;
  [[nodiscard]] ui::PointerInput PointerHere() const;
  void ApplyCursor();
  void Keymap(std::uint32_t format, int fd, std::uint32_t size);
  void Key(std::uint32_t key, std::uint32_t state);

  wl_display* display_;
  wl_registry* registry_ = nullptr;
  wl_compositor* compositor_ = nullptr;
  wl_shm* shm_ = nullptr;
  xdg_wm_base* wm_base_ = nullptr;
  wl_seat* seat_ = nullptr;
  wl_pointer* pointer_ = nullptr;
  wl_keyboard* keyboard_ = nullptr;
  std::vector<Output> outputs_;

  struct Registered {
    InputTarget* target;
    int scale;
  };
  std::unordered_map<wl_surface*, Registered> targets_;
  InputTarget* modal_keys_ = nullptr;

  // The pointer: where it is, over which surface, what is held.
  wl_surface* pointer_surface_ = nullptr;
  std::uint32_t pointer_serial_ = 0;
  double pointer_x_ = 0;  // surface coordinates
  double pointer_y_ = 0;
  bool left_ = false;
  bool right_ = false;
  bool middle_ = false;
  ui::PointerShape shape_ = ui::PointerShape::kDefault;
  wl_cursor_theme* cursor_theme_ = nullptr;
  wl_surface* cursor_surface_ = nullptr;

  // The keyboard: its layout and state, and the surface it types into.
  wl_surface* keyboard_surface_ = nullptr;
  xkb_context* xkb_ = nullptr;
  xkb_keymap* keymap_ = nullptr;
  xkb_state* xkb_state_ = nullptr;
};

}  // namespace sagelight::wayland
