#pragma once

#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>

#include <string>
#include <string_view>

#include "platform/ui.h"

namespace sagelight::x11 {

// The family that fontconfig draws `face` with: the face itself where it is
// installed, or a font that fontconfig's configuration names as a stand-in
// for it (Liberation Sans for Arial). A face that fontconfig only meets with
// its general fallback (MS Sans Serif on most Linux systems) is drawn with
// Arial's stand-in instead, the nearest sans face to the Windows originals.
std::string ResolveFace(const std::string& face);

// The font in the resolved face at the design's point size for `dpi`;
// nullptr only when Xft can open no font at all. That is said once on
// standard error, and text is then written in the core font below.
XftFont* OpenFont(Display* display, int screen, const ui::Font& font, double dpi);

// Where a line's baseline lies below its top, and how far apart lines are.
struct LineMetrics {
  int ascent;
  int height;
};

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

// Whole pixels for a point size: 8.25 pt is 11 px and 11.25 pt 15 px at 96 dpi.
int PixelSize(float points, double dpi);

}  // namespace sagelight::x11
