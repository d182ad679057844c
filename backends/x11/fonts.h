#pragma once

#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>

#include <string>
#include <string_view>

#include "backends/text/font_face.h"
#include "ui/platform.h"

namespace sagelight::x11 {

// The font in the resolved face at the design's point size for `dpi`;
// nullptr only when Xft can open no font at all. That is said once on
// standard error, and text is then written in the core font below.
XftFont* OpenFont(Display* display, int screen, const ui::Font& font, double dpi);

// The face and the line metrics come from what the POSIX backends share.
using posix::LineMetrics;
using posix::PixelSize;
using posix::ResolveFace;

// The advance width of `text` in pixels, in `font` or, without one, in the
// core font below.
int TextWidth(Display* display, XftFont* font, std::u32string_view text);

// A label's line metrics as Windows computes them, from the font's own
// ascent and descent for Windows (its OS/2 table), each rounded to whole
// pixels: 17 px lines for Arial at 15 px where Xft's rounding gives 18.
// Fonts without such a table keep Xft's figures.
LineMetrics LineMetricsOf(XftFont* font);

// Text for when fontconfig gives no font at all: the X server's own core
// font "fixed", which servers carry built in. Its width in pixels, its line
// metrics, and drawing it on the drawable of `draw` in `color` with its
// baseline at `baseline`. Without that font too, text has no width and
// nothing is drawn.
int CoreTextWidth(Display* display, std::u32string_view text);
LineMetrics CoreLineMetrics(Display* display);
void DrawCoreText(XftDraw* draw, const XftColor& color, int left, int baseline,
                  std::u32string_view text);

}  // namespace sagelight::x11
