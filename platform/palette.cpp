#include "platform/palette.h"

#include <array>

#include "platform/runtime_error.h"

namespace sagelight::rt {

ui::Color PaletteColor(std::int32_t index) {
  // As 0x00BBGGRR values.
  static constexpr std::array<std::uint32_t, 16> kTable = {
      0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
      0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  if (index < 0 || index > 15) {
    Raise(kErrInvalidCall);
  }
  return ui::Color::FromBgr(kTable[static_cast<std::size_t>(index)]);
}

}  // namespace sagelight::rt
