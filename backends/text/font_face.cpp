#include "backends/text/font_face.h"

#include <fontconfig/fontconfig.h>
#include FT_TRUETYPE_TABLES_H
#include <strings.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace sagelight::posix {
namespace {

// Families that fontconfig's configuration binds strongly to the request:
// the face itself and its declared aliases, before the weak general
// fallbacks that any unknown name receives.
std::vector<std::string> StrongFamilies(FcPattern* pattern) {
  std::vector<std::string> families;
  FcPatternIter iter;
  FcPatternIterStart(pattern, &iter);
  if (FcPatternFindIter(pattern, &iter, FC_FAMILY) == FcFalse) {
    return families;
  }
  const int count = FcPatternIterValueCount(pattern, &iter);
  for (int i = 0; i < count; ++i) {
    FcValue value;
    FcValueBinding binding = FcValueBindingWeak;
    if (FcPatternIterGetValue(pattern, &iter, i, &value, &binding) == FcResultMatch &&
        value.type == FcTypeString && binding != FcValueBindingWeak) {
      families.emplace_back(reinterpret_cast<const char*>(value.u.s));
    }
  }
  return families;
}

// The installed family that fontconfig matches for `face`, if it is the face
// or one of its declared aliases.
bool MatchesStrongly(const std::string& face, std::string& family) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  const std::vector<std::string> strong = StrongFamilies(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  bool found = false;
  FcChar8* matched = nullptr;
  if (match != nullptr && FcPatternGetString(match, FC_FAMILY, 0, &matched) == FcResultMatch) {
    for (const std::string& candidate : strong) {
      if (strcasecmp(candidate.c_str(), reinterpret_cast<const char*>(matched)) == 0) {
        family = candidate;
        found = true;
        break;
      }
    }
  }
  if (match != nullptr) {
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return found;
}

}  // namespace

std::string ResolveFace(const std::string& face) {
  std::string family;
  if (!face.empty() && MatchesStrongly(face, family)) {
    return family;
  }
  if (MatchesStrongly("Arial", family)) {
    return family;
  }
  return "sans-serif";
}

int PixelSize(float points, double dpi) {
  return static_cast<int>(std::lround(static_cast<double>(points) * dpi / 72.0));
}

std::optional<LineMetrics> WindowsLineMetrics(FT_Face face) {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 == nullptr || os2->version == 0xFFFF || face->units_per_EM == 0 ||
      face->size == nullptr) {
    return std::nullopt;
  }
  const double scale = static_cast<double>(face->size->metrics.y_ppem) / face->units_per_EM;
  const int ascent = static_cast<int>(std::lround(os2->usWinAscent * scale));
  const int descent = static_cast<int>(std::lround(os2->usWinDescent * scale));
  if (ascent <= 0 || descent < 0) {
    return std::nullopt;
  }
  return LineMetrics{ascent, ascent + descent};
}

FcPattern* FontPattern(const ui::Font& font, double dpi) {
  const std::string family = ResolveFace(font.face);
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddDouble(pattern, FC_PIXEL_SIZE, PixelSize(font.points, dpi));
  FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(font.weight));
  FcPatternAddInteger(pattern, FC_SLANT, font.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  return pattern;
}

void ReportNoFont(const char* consequence) {
  static bool reported = false;
  if (!reported) {
    reported = true;
    const std::string line =
        std::string("Sagelight: fontconfig offers no font; ") + consequence + "\n";
    std::fputs(line.c_str(), stderr);
  }
}

}  // namespace sagelight::posix
