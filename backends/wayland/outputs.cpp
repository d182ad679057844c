#include <algorithm>

#include "backends/wayland/connection.h"
#include "ui/stage.h"

// The outputs: what each tells of itself, and where it lies in the layout.
namespace sagelight::wayland {
namespace {

constexpr std::uint32_t kOutputVersion = 2;  // scale and done
// From version 3 on, xdg-output's news of an output ends with that
// output's own done, not one of its own.
constexpr std::uint32_t kLayoutVersion = 3;

}  // namespace

const wl_output_listener Connection::kOutputListener = {
    .geometry =
        +[](void* data, wl_output* proxy, std::int32_t x, std::int32_t y,
            std::int32_t /*physical_width*/, std::int32_t /*physical_height*/,
            std::int32_t /*subpixel*/, const char* /*make*/, const char* /*model*/,
            std::int32_t transform) {
          if (Output* output = static_cast<Connection*>(data)->OutputOf(proxy)) {
            output->announced.x = x;
            output->announced.y = y;
            output->transform = transform;
          }
        },
    .mode =
        +[](void* data, wl_output* proxy, std::uint32_t flags, std::int32_t width,
            std::int32_t height, std::int32_t /*refresh*/) {
          Output* output = static_cast<Connection*>(data)->OutputOf(proxy);
          if (output != nullptr && (flags & WL_OUTPUT_MODE_CURRENT) != 0) {
            output->announced.mode_width = width;
            output->announced.mode_height = height;
          }
        },
    .done =
        +[](void* data, wl_output* proxy) {
          auto* self = static_cast<Connection*>(data);
          Output* output = self->OutputOf(proxy);
          if (output == nullptr) {
            return;
          }
          Settle(*output);
          // Before version 3, xdg-output ends its news with a done of its
          // own, which may come later.
          if (output->logical == nullptr ||
              zxdg_output_v1_get_version(output->logical) >= kLayoutVersion ||
              output->announced.logical_size) {
            output->ready = true;
          }
          self->outputs_changed_ = true;
        },
    .scale =
        +[](void* data, wl_output* proxy, std::int32_t factor) {
          if (Output* output = static_cast<Connection*>(data)->OutputOf(proxy)) {
            output->scale = std::max(1, factor);
          }
        },
    .name = +[](void* /*data*/, wl_output* /*proxy*/, const char* /*name*/) {},
    .description = +[](void* /*data*/, wl_output* /*proxy*/, const char* /*description*/) {},
};

const zxdg_output_v1_listener Connection::kLogicalListener = {
    .logical_position =
        +[](void* data, zxdg_output_v1* logical, std::int32_t x, std::int32_t y) {
          if (Output* output = static_cast<Connection*>(data)->OutputOf(logical)) {
            output->announced.logical_place = std::pair(x, y);
          }
        },
    .logical_size =
        +[](void* data, zxdg_output_v1* logical, std::int32_t width, std::int32_t height) {
          if (Output* output = static_cast<Connection*>(data)->OutputOf(logical)) {
            output->announced.logical_size = std::pair(width, height);
          }
        },
    .done =
        +[](void* data, zxdg_output_v1* logical) {
          auto* self = static_cast<Connection*>(data);
          if (Output* output = self->OutputOf(logical)) {
            Settle(*output);
            output->ready = output->announced.mode_width > 0;
            self->outputs_changed_ = true;
          }
        },
    .name = +[](void* /*data*/, zxdg_output_v1* /*logical*/, const char* /*name*/) {},
    .description = +[](void* /*data*/, zxdg_output_v1* /*logical*/, const char* /*description*/) {},
};

void Connection::AddOutput(std::uint32_t name, std::uint32_t version) {
  if (version < kOutputVersion) {
    return;
  }
  Output output;
  output.name = name;
  output.proxy = static_cast<wl_output*>(
      wl_registry_bind(registry_, name, &wl_output_interface, kOutputVersion));
  wl_output_add_listener(output.proxy, &kOutputListener, this);
  outputs_.push_back(output);
  WatchLayout(outputs_.back());
}

void Connection::WatchLayout(Output& output) {
  if (layout_ == nullptr || output.logical != nullptr) {
    return;
  }
  output.logical = zxdg_output_manager_v1_get_xdg_output(layout_, output.proxy);
  zxdg_output_v1_add_listener(output.logical, &kLogicalListener, this);
}

void Connection::Settle(Output& output) {
  const Output::Announced& announced = output.announced;
  if (announced.logical_place) {
    output.x = announced.logical_place->first;
    output.y = announced.logical_place->second;
  } else {
    output.x = announced.x;
    output.y = announced.y;
  }
  if (announced.logical_size) {
    output.width = announced.logical_size->first * output.scale;
    output.height = announced.logical_size->second * output.scale;
  } else {
    // The mode is the hardware's; a quarter turn swaps its sides on the
    // desktop.
    const bool turned = (output.transform & 1) != 0;
    output.width = turned ? announced.mode_height : announced.mode_width;
    output.height = turned ? announced.mode_width : announced.mode_height;
  }
}

void Connection::RemoveOutput(std::uint32_t name) {
  std::erase_if(outputs_, [this, name](const Output& output) {
    if (output.name != name) {
      return false;
    }
    if (output.logical != nullptr) {
      zxdg_output_v1_destroy(output.logical);
    }
    wl_output_destroy(output.proxy);
    outputs_changed_ = true;
    return true;
  });
}

Output* Connection::OutputOf(wl_output* proxy) {
  const auto found = std::find_if(outputs_.begin(), outputs_.end(),
                                  [proxy](const Output& output) { return output.proxy == proxy; });
  return found != outputs_.end() ? &*found : nullptr;
}

Output* Connection::OutputOf(zxdg_output_v1* logical) {
  const auto found =
      std::find_if(outputs_.begin(), outputs_.end(),
                   [logical](const Output& output) { return output.logical == logical; });
  return found != outputs_.end() ? &*found : nullptr;
}

std::vector<const Output*> Connection::Outputs() const {
  std::vector<const Output*> ready;
  for (const Output& output : outputs_) {
    if (output.ready && output.width > 0 && output.height > 0) {
      ready.push_back(&output);
    }
  }
  return ready;
}

const Output* Connection::FindOutput(std::uint32_t name) const {
  for (const Output* output : Outputs()) {
    if (output->name == name) {
      return output;
    }
  }
  return nullptr;
}

std::vector<ui::Monitor> Connection::Monitors() const {
  std::vector<ui::Monitor> monitors;
  for (const Output* output : Outputs()) {
    // Monitors are compared in the layout's units, which an output's scale
    // divides.
    monitors.push_back(ui::Monitor{output->x, output->y, output->width / output->scale,
                                   output->height / output->scale, false});
  }
  return monitors;
}

const Output* Connection::Primary() const {
  const std::optional<std::size_t> primary = ui::PrimaryMonitor(Monitors());
  return primary ? Outputs()[*primary] : nullptr;
}

}  // namespace sagelight::wayland
