#include "runtime/palette.h"

#include <array>

#include "runtime/runtime_error.h"

namespace sagelight::rt {

std::uint32_t PaletteColor(std::int32_t index) {
  static constexpr std::array<std::uint32_t, 16> kTable = {
      0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
      0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  if (index < 0 || index > 15) {
    Raise(kErrInvalidCall);
  }
  return kTable[static_cast<std::size_t>(index)];
}

}  // namespace sagelight::rt
