#include "backends/x11/fonts.h"

#include <optional>
#include <vector>

namespace sagelight::x11 {
namespace {

// The core font, loaded once for the process's one connection.
XFontStruct* CoreFont(Display* display) {
  static Display* loaded_for = nullptr;
  static XFontStruct* font = nullptr;
  if (loaded_for != display) {
    loaded_for = display;
    font = XLoadQueryFont(display, "fixed");
  }
  return font;
}

// Characters as the core font indexes them: one row of 256 for a Latin-1
// font, rows of 256 for a Unicode one; what it cannot hold shows as '?'.
std::vector<XChar2b> CoreCharacters(const XFontStruct& font, std::u32string_view text) {
  const char32_t last = font.max_byte1 == 0 ? 0xFF : 0xFFFF;
  std::vector<XChar2b> characters;
  characters.reserve(text.size());
  for (char32_t c : text) {
    if (c > last) {
      c = U'?';
    }
    characters.push_back(
        XChar2b{static_cast<unsigned char>(c >> 8U), static_cast<unsigned char>(c & 0xFFU)});
  }
  return characters;
}

}  // namespace

LineMetrics LineMetricsOf(XftFont* font) {
  LineMetrics metrics{font->ascent, font->ascent + font->descent};
  FT_Face face = XftLockFace(font);
  if (face == nullptr) {
    return metrics;
  }
  if (const std::optional<LineMetrics> windows = posix::WindowsLineMetrics(face)) {
    metrics = *windows;
  }
  XftUnlockFace(font);
  return metrics;
}

XftFont* OpenFont(Display* display, int screen, const ui::Font& font, double dpi) {
  FcPattern* pattern = posix::FontPattern(font, dpi);
  FcResult result = FcResultNoMatch;
  FcPattern* match = XftFontMatch(display, screen, pattern, &result);
  FcPatternDestroy(pattern);
  XftFont* opened = match != nullptr ? XftFontOpenPattern(display, match) : nullptr;
  if (opened == nullptr) {
    if (match != nullptr) {
      FcPatternDestroy(match);
    }
    opened = XftFontOpen(display, screen, FC_FAMILY, FcTypeString, "sans-serif", FC_PIXEL_SIZE,
                         FcTypeDouble, static_cast<double>(PixelSize(font.points, dpi)), nullptr);
  }
  if (opened == nullptr) {
    posix::ReportNoFont(CoreFont(display) != nullptr
                            ? "writing in the X server's font \"fixed\""
                            : "the X server has no \"fixed\" either: no text can be shown");
  }
  return opened;
}

int TextWidth(Display* display, XftFont* font, std::u32string_view text) {
  if (font == nullptr) {
    return CoreTextWidth(display, text);
  }
  std::vector<FcChar32> glyphs(text.begin(), text.end());
  XGlyphInfo extents{};
  XftTextExtents32(display, font, glyphs.data(), static_cast<int>(glyphs.size()), &extents);
  return extents.xOff;
}

int CoreTextWidth(Display* display, std::u32string_view text) {
  XFontStruct* font = CoreFont(display);
  if (font == nullptr) {
    return 0;
  }
  const std::vector<XChar2b> characters = CoreCharacters(*font, text);
  return XTextWidth16(font, characters.data(), static_cast<int>(characters.size()));
}

LineMetrics CoreLineMetrics(Display* display) {
  const XFontStruct* font = CoreFont(display);
  return font != nullptr ? LineMetrics{font->ascent, font->ascent + font->descent} : LineMetrics{};
}

void DrawCoreText(XftDraw* draw, const XftColor& color, int left, int baseline,
                  std::u32string_view text) {
  Display* display = XftDrawDisplay(draw);
  XFontStruct* font = CoreFont(display);
  if (font == nullptr) {
    return;
  }
  const Drawable drawable = XftDrawDrawable(draw);
  XGCValues values{};
  values.foreground = color.pixel;
  values.font = font->fid;
  GC gc = XCreateGC(display, drawable, GCForeground | GCFont, &values);
  const std::vector<XChar2b> characters = CoreCharacters(*font, text);
  XDrawString16(display, drawable, gc, left, baseline, characters.data(),
                static_cast<int>(characters.size()));
  XFreeGC(display, gc);
}

}  // namespace sagelight::x11
