#pragma once

// The colours of the runtime's message box, for backends that draw it
// themselves: a light face, a default OK button, and the two icons the
// program uses.

#include "ui/platform.h"

namespace sagelight::ui::box {

inline constexpr Color kFace = Color::FromBgr(0xF0F0F0);
inline constexpr Color kText = Color::FromBgr(0x000000);
inline constexpr Color kButtonFace = Color::FromBgr(0xE1E1E1);
inline constexpr Color kButtonPressed = Color::FromBgr(0xF7E4CC);
inline constexpr Color kDefaultButtonEdge = Color::FromBgr(0xD77800);
inline constexpr Color kInformationBlue = Color::FromBgr(0xD77800);
inline constexpr Color kCriticalRed = Color::FromBgr(0x2311E8);
inline constexpr Color kWhite = Color::FromBgr(0xFFFFFF);

}  // namespace sagelight::ui::box
