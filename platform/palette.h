#pragma once

#include <cstdint>

#include "platform/ui.h"

namespace sagelight::rt {

// The 16-entry colour table; an index outside 0..15 is an invalid call.
ui::Color PaletteColor(std::int32_t index);

}  // namespace sagelight::rt
