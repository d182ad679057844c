#pragma once

#include <cstdint>

namespace sagelight::rt {

// The 16-entry colour table, as the program's colour values 0x00BBGGRR; an
// index outside 0..15 is an invalid call.
std::uint32_t PaletteColor(std::int32_t index);

}  // namespace sagelight::rt
