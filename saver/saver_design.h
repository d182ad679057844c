#pragma once

#include "ui/platform.h"

namespace sagelight {

// Element ids of the saver window, in creation order.
inline constexpr ui::ElementId kPic = 0;
inline constexpr ui::ElementId kLabel2 = 1;
inline constexpr ui::ElementId kLabel1 = 2;
inline constexpr ui::ElementId kTimer1 = 3;

// The caption strip's fixed line.
inline constexpr const char* kCaptionLine = "A quiet word for an idle screen";

// The saver window as designed: a borderless black window over the whole
// screen, a hidden quote panel with the saying's label and the caption strip,
// and a one-second timer.
const ui::FormDesign& SaverDesign();

}  // namespace sagelight
