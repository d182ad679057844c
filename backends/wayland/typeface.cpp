#include "backends/wayland/typeface.h"

#include <fontconfig/fontconfig.h>

#include <cmath>

namespace sagelight::wayland {
namespace {

// How the user's fontconfig settings for the matched font want its glyphs
// hinted, as Xft reads the same settings on X11.
int LoadFlagsOf(FcPattern* match) {
  FcBool hinting = FcTrue;
  FcPatternGetBool(match, FC_HINTING, 0, &hinting);
  int style = FC_HINT_SLIGHT;
  FcPatternGetInteger(match, FC_HINT_STYLE, 0, &style);
  FcBool antialias = FcTrue;
  FcPatternGetBool(match, FC_ANTIALIAS, 0, &antialias);
  int flags = FT_LOAD_DEFAULT;
  if (hinting == FcFalse || style == FC_HINT_NONE) {
    flags |= FT_LOAD_NO_HINTING;
  } else if (style == FC_HINT_SLIGHT) {
    flags |= FT_LOAD_TARGET_LIGHT;
  } else if (antialias == FcFalse) {
    flags |= FT_LOAD_TARGET_MONO;
  }
  return flags;
}

int Pixels(FT_Pos value) { return static_cast<int>((value + 32) >> 6); }

}  // namespace

Typeface::Typeface(FT_Face face, int load_flags) : face_(face), load_flags_(load_flags) {}

Typeface::~Typeface() { FT_Done_Face(face_); }

const Typeface::Glyph& Typeface::GlyphOf(char32_t character) {
  const auto found = glyphs_.find(character);
  if (found != glyphs_.end()) {
    return found->second;
  }
  Glyph glyph;
  const FT_UInt index = FT_Get_Char_Index(face_, character);
  if (FT_Load_Glyph(face_, index, load_flags_) == 0) {
    const FT_GlyphSlot slot = face_->glyph;
    glyph.advance = Pixels(slot->advance.x);
    if (FT_Render_Glyph(slot, (load_flags_ & FT_LOAD_TARGET_MONO) == FT_LOAD_TARGET_MONO
                                  ? FT_RENDER_MODE_MONO
                                  : FT_RENDER_MODE_NORMAL) == 0) {
      const FT_Bitmap& bitmap = slot->bitmap;
      glyph.left = slot->bitmap_left;
      glyph.top = slot->bitmap_top;
      glyph.width = static_cast<int>(bitmap.width);
      glyph.height = static_cast<int>(bitmap.rows);
      glyph.coverage.resize(static_cast<std::size_t>(glyph.width) *
                            static_cast<std::size_t>(glyph.height));
      for (int y = 0; y < glyph.height; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        for (int x = 0; x < glyph.width; ++x) {
          const unsigned char value = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                          ? ((row[x / 8] >> (7 - x % 8)) & 1U) * 255U
                                          : row[x];
          glyph.coverage[static_cast<std::size_t>(y * glyph.width + x)] = value;
        }
      }
    }
  }
  return glyphs_.emplace(character, std::move(glyph)).first->second;
}

int Typeface::Measure(std::u32string_view text) {
  int width = 0;
  for (const char32_t character : text) {
    width += GlyphOf(character).advance;
  }
  return width;
}

posix::LineMetrics Typeface::FontMetrics() const {
  const FT_Size_Metrics& metrics = face_->size->metrics;
  const int ascent = static_cast<int>((metrics.ascender + 63) >> 6);
  const int descent = static_cast<int>((-metrics.descender + 63) >> 6);
  return {ascent, ascent + descent};
}

posix::LineMetrics Typeface::LabelMetrics() const {
  if (const std::optional<posix::LineMetrics> windows = posix::WindowsLineMetrics(face_)) {
    return *windows;
  }
  return FontMetrics();
}

void Typeface::Draw(Canvas& canvas, int left, int baseline, std::u32string_view text,
                    ui::Color color, const Rect& clip) {
  int pen = left;
  for (const char32_t character : text) {
    const Glyph& glyph = GlyphOf(character);
    if (!glyph.coverage.empty()) {
      canvas.Blend(pen + glyph.left, baseline - glyph.top, glyph.coverage.data(), glyph.width,
                   glyph.height, glyph.width, color, clip);
    }
    pen += glyph.advance;
  }
}

Typefaces::Typefaces() {
  if (FT_Init_FreeType(&library_) != 0) {
    library_ = nullptr;
  }
}

Typefaces::~Typefaces() {
  opened_.clear();
  if (library_ != nullptr) {
    FT_Done_FreeType(library_);
  }
}

Typeface* Typefaces::Open(const ui::Font& font, double dpi) {
  const auto key = std::make_tuple(font.face, font.points, font.weight, font.italic, dpi);
  const auto found = opened_.find(key);
  if (found != opened_.end()) {
    return found->second.get();
  }
  Typeface* typeface = nullptr;
  const int pixels = posix::PixelSize(font.points, dpi);
  FcPattern* pattern = posix::FontPattern(font, dpi);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  FcChar8* file = nullptr;
  int index = 0;
  if (library_ != nullptr && match != nullptr &&
      FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FT_Face face = nullptr;
    if (FT_New_Face(library_, reinterpret_cast<const char*>(file), index, &face) == 0) {
      if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels)) == 0) {
        auto opened = std::make_unique<Typeface>(face, LoadFlagsOf(match));
        typeface = opened.get();
        opened_.emplace(key, std::move(opened));
      } else {
        FT_Done_Face(face);
      }
    }
  }
  if (match != nullptr) {
    FcPatternDestroy(match);
  }
  if (typeface == nullptr) {
    posix::ReportNoFont("no text can be shown");
    opened_.emplace(key, nullptr);
  }
  return typeface;
}

}  // namespace sagelight::wayland
