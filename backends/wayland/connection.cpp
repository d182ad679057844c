#include "backends/wayland/connection.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <string>

#include "backends/posix/wayland_socket.h"

namespace sagelight::wayland {
namespace {

constexpr std::uint32_t kCompositorVersion = 4;  // buffer scale and damage in buffer pixels
constexpr std::uint32_t kSeatVersion = 3;        // release requests
constexpr std::uint32_t kLayoutVersion = 3;      // news of an output end with its own done

std::uint32_t VersionOf(std::uint32_t offered, std::uint32_t wanted) {
  return std::min(offered, wanted);
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

wl_display* Connection::Connect(std::string& why) {
  const std::optional<std::string> socket = posix::WaylandSocket(why);
  if (!socket) {
    return nullptr;
  }
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) {
    why = posix::NoCompositorAt(*socket);
  }
  return display;
}

std::unique_ptr<Connection> Connection::Open(std::string& why) {
  // Typed text comes as UTF-8 whatever the locale; the locale only matters
  // to the layout names xkbcommon falls back on.
  std::setlocale(LC_CTYPE, "");
  wl_display* display = Connect(why);
  if (display == nullptr) {
    return nullptr;
  }
  std::unique_ptr<Connection> connection(new Connection(display));
  if (!connection->Bind()) {
    why = "the Wayland compositor cannot show the saver";
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
  } else if (kind == wl_output_interface.name) {
    self->AddOutput(name, version);
  } else if (kind == zxdg_output_manager_v1_interface.name && self->layout_ == nullptr) {
    // Where wlroots places an output, only xdg-output tells: its wl_output
    // says 0,0 for every one.
    self->layout_ = static_cast<zxdg_output_manager_v1*>(wl_registry_bind(
        registry, name, &zxdg_output_manager_v1_interface, VersionOf(version, kLayoutVersion)));
    for (Output& output : self->outputs_) {
      self->WatchLayout(output);
    }
  }
}

void Connection::OnGlobalRemove(void* data, wl_registry* /*registry*/, std::uint32_t name) {
  // An output unplugged: the saver lets it go and shows on the others.
  static_cast<Connection*>(data)->RemoveOutput(name);
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
