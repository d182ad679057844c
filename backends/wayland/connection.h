#pragma once

#include <wayland-client.h>
#include <wayland-cursor.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "ui/event_path.h"
#include "ui/platform.h"
#include "ui/stage.h"
#include "xdg-output-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

namespace sagelight::wayland {

// One output of the compositor, as it announces itself. Its place and size
// are in the layout's logical units, where xdg-output tells them; otherwise
// drawn from its own geometry, mode, transform and scale.
struct Output {
  wl_output* proxy = nullptr;
  zxdg_output_v1* logical = nullptr;  // its xdg-output, where offered
  std::uint32_t name = 0;             // the registry's name for it
  int x = 0;                          // its place in the layout
  int y = 0;
  int width = 0;  // buffer pixels as it shows: turned, at its scale
  int height = 0;
  int scale = 1;
  std::int32_t transform = WL_OUTPUT_TRANSFORM_NORMAL;
  bool ready = false;  // everything it announced of itself has come

  // As announced, before `done` settles the fields above.
  struct Announced {
    int x = 0;
    int y = 0;
    int mode_width = 0;  // the current mode, as the hardware scans it out
    int mode_height = 0;
    std::optional<std::pair<int, int>> logical_place;  // from xdg-output
    std::optional<std::pair<int, int>> logical_size;
  } announced;

  // The twips of one buffer pixel: 15 at scale 1, as at 96 dots per inch;
  // an output that doubles its pixels has twice as many to the inch.
  [[nodiscard]] double TwipsPerPixel() const { return 15.0 / scale; }
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

  // A surface full screen on an output knows where it lies in the layout
  // once the compositor has put it there: the pointer over it is judged on
  // the desktop, so that a surface moved under a resting pointer is no move.
  // Other surfaces (a box) never learn their place.
  [[nodiscard]] virtual bool FullScreen() const { return false; }
  // Its top-left corner in the layout's logical units; nothing while the
  // compositor is still placing it.
  [[nodiscard]] virtual std::optional<std::pair<int, int>> Origin() const { return std::nullopt; }
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
  static std::unique_ptr<Connection> Open(std::string& why);

  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  ~Connection();

  [[nodiscard]] wl_display* display() const { return display_; }
  [[nodiscard]] wl_compositor* compositor() const { return compositor_; }
  [[nodiscard]] wl_shm* shm() const { return shm_; }
  [[nodiscard]] xdg_wm_base* wm_base() const { return wm_base_; }
  // The outputs that have told all about themselves, in the order they came.
  [[nodiscard]] std::vector<const Output*> Outputs() const;
  [[nodiscard]] const Output* FindOutput(std::uint32_t name) const;
  // The output that stands for the screen; nothing when there is none.
  [[nodiscard]] const Output* Primary() const;
  // The outputs as monitors of the layout, in the order of Outputs().
  [[nodiscard]] std::vector<ui::Monitor> Monitors() const;
  // Whether an output came, went or changed since the last call.
  bool TakeOutputsChanged() { return std::exchange(outputs_changed_, false); }

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
  // Connects to that compositor, or says in `why` where none answered;
  // checked before libwayland tries, which would say so itself.
  static wl_display* Connect(std::string& why);
  explicit Connection(wl_display* display);
  bool Bind();

  static void OnGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version);
  static void OnGlobalRemove(void* data, wl_registry* registry, std::uint32_t name);
  static void OnCapabilities(void* data, wl_seat* seat, std::uint32_t capabilities);
  static const wl_registry_listener kRegistryListener;
  static const wl_seat_listener kSeatListener;
  static const wl_output_listener kOutputListener;
  static const zxdg_output_v1_listener kLogicalListener;
  static const wl_pointer_listener kPointerListener;
  static const wl_keyboard_listener kKeyboardListener;
  static const xdg_wm_base_listener kWmBaseListener;

  void AddOutput(std::uint32_t name, std::uint32_t version);
  void WatchLayout(Output& output);
  void RemoveOutput(std::uint32_t name);
  static void Settle(Output& output);
  Output* OutputOf(wl_output* proxy);
  Output* OutputOf(zxdg_output_v1* logical);
  InputTarget* TargetOf(wl_surface* surface, int& scale) const;
  [[nodiscard]] ui::PointerInput PointerHere() const;
  void PointerAt(wl_fixed_t x, wl_fixed_t y);
  void ApplyCursor();
  void Keymap(std::uint32_t format, int fd, std::uint32_t size);
  void Key(std::uint32_t key, std::uint32_t state);

  wl_display* display_;
  wl_registry* registry_ = nullptr;
  wl_compositor* compositor_ = nullptr;
  wl_shm* shm_ = nullptr;
  xdg_wm_base* wm_base_ = nullptr;
  zxdg_output_manager_v1* layout_ = nullptr;
  wl_seat* seat_ = nullptr;
  wl_pointer* pointer_ = nullptr;
  wl_keyboard* keyboard_ = nullptr;
  std::vector<Output> outputs_;
  bool outputs_changed_ = false;

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
  // Where the last position that counted lay in the layout.
  std::optional<std::pair<double, double>> pointer_layout_;
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
