#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "backends/text/font_face.h"
#include "backends/wayland/surface.h"
#include "ui/platform.h"

namespace sagelight::wayland {

// One font of the design at one size, as FreeType renders it: the face
// fontconfig picks for it (the same as on X11), glyphs hinted as the user's
// fontconfig settings ask, and advances in whole pixels.
class Typeface {
 public:
  Typeface(FT_Face face, int load_flags);
  Typeface(const Typeface&) = delete;
  Typeface& operator=(const Typeface&) = delete;
  ~Typeface();

  // The advance width of a run of text, in pixels.
  int Measure(std::u32string_view text);
  // A label's line metrics as Windows gives them.
  [[nodiscard]] posix::LineMetrics LabelMetrics() const;
  // The font's own ascent and line height.
  [[nodiscard]] posix::LineMetrics FontMetrics() const;
  // Writes `text` with its baseline at `baseline`, inside `clip` only.
  void Draw(Canvas& canvas, int left, int baseline, std::u32string_view text, ui::Color color,
            const Rect& clip);

 private:
  struct Glyph {
    int advance = 0;
    int left = 0;  // the bitmap's place relative to the pen
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<unsigned char> coverage;
  };
  const Glyph& GlyphOf(char32_t character);

  FT_Face face_;
  int load_flags_;
  std::unordered_map<char32_t, Glyph> glyphs_;
};

// The fonts of the program, opened once each for the life of the process.
class Typefaces {
 public:
  Typefaces();
  Typefaces(const Typefaces&) = delete;
  Typefaces& operator=(const Typefaces&) = delete;
  ~Typefaces();

  // The font at the design's point size for `dpi`; nullptr when fontconfig
  // offers no font at all, which is said once on standard error.
  Typeface* Open(const ui::Font& font, double dpi);

 private:
  FT_Library library_ = nullptr;
  std::map<std::tuple<std::string, float, int, bool, double>, std::unique_ptr<Typeface>> opened_;
};

}  // namespace sagelight::wayland
