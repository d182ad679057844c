#pragma once

// Which installed face stands for a font of the program's design, and the
// line metrics Windows gives it: shared by the backends that draw text with
// fontconfig and FreeType, whatever puts the pixels on the screen.

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <optional>
#include <string>

#include "ui/form.h"

namespace sagelight::posix {

// The family that fontconfig draws `face` with: the face itself where it is
// installed, or a font that fontconfig's configuration names as a stand-in
// for it (Liberation Sans for Arial). A face that fontconfig only meets with
// its general fallback (MS Sans Serif on most Linux systems) is drawn with
// Arial's stand-in instead, the nearest sans face to the Windows originals.
std::string ResolveFace(const std::string& face);

// Whole pixels for a point size: 8.25 pt is 11 px and 11.25 pt 15 px at 96 dpi.
int PixelSize(float points, double dpi);

// What the program asks fontconfig for to draw `font` at `dpi`: the
// resolved family, the size in whole pixels, the weight and the slant. The
// caller destroys it.
FcPattern* FontPattern(const ui::Font& font, double dpi);

// Says once for the process, on standard error, that fontconfig offers no
// font, and with `consequence` what text looks like from now on.
void ReportNoFont(const char* consequence);

// Where a line's baseline lies below its top, and how far apart lines are.
struct LineMetrics {
  int ascent;
  int height;
};

// A label's line metrics as Windows computes them, from the font's own
// ascent and descent for Windows (its OS/2 table) at the face's current
// size, each rounded to whole pixels: 17 px lines for Arial at 15 px where
// FreeType's own rounding gives 18. Nothing for a font without that table.
std::optional<LineMetrics> WindowsLineMetrics(FT_Face face);

}  // namespace sagelight::posix
