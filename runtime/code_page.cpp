#include "runtime/code_page.h"

#include <array>
#include <cstddef>

namespace sagelight::rt {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five bytes it
// leaves undefined map to the C1 controls of the same value, as Windows
// itself converts them.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

std::u32string FromWindows1252(std::string_view bytes) {
  std::u32string text;
  text.reserve(bytes.size());
  for (const char byte : bytes) {
    const auto value = static_cast<unsigned char>(byte);
    text.push_back(value >= 0x80 && value <= 0x9F ? kHighControls[value - 0x80]
                                                  : static_cast<char32_t>(value));
  }
  return text;
}

std::optional<unsigned char> ToWindows1252(char32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
    return static_cast<unsigned char>(character);
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == character) {
      return static_cast<unsigned char>(0x80 + i);
    }
  }
  return std::nullopt;
}

std::string ToUtf8(std::u32string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (const char32_t c : text) {
    if (c < 0x80) {
      utf8.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      utf8.push_back(static_cast<char>(0xC0 | (c >> 6)));
      utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      utf8.push_back(static_cast<char>(0xE0 | (c >> 12)));
      utf8.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      utf8.push_back(static_cast<char>(0xF0 | (c >> 18)));
      utf8.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return utf8;
}

std::u32string FromUtf8(std::string_view utf8) {
  std::u32string text;
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    std::size_t extra = 0;
    char32_t value = 0;
    if (lead < 0x80) {
      value = lead;
    } else if ((lead & 0xE0U) == 0xC0U) {
      extra = 1;
      value = lead & 0x1FU;
    } else if ((lead & 0xF0U) == 0xE0U) {
      extra = 2;
      value = lead & 0x0FU;
    } else if ((lead & 0xF8U) == 0xF0U) {
      extra = 3;
      value = lead & 0x07U;
    } else {
      text.push_back(kReplacement);
      ++i;
      continue;
    }
    bool valid = i + extra < utf8.size();
    for (std::size_t k = 1; valid && k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      valid = (next & 0xC0U) == 0x80U;
      value = (value << 6) | (next & 0x3FU);
    }
    if (!valid) {
      text.push_back(kReplacement);
      ++i;
      continue;
    }
    text.push_back(value);
    i += extra + 1;
  }
  return text;
}

}  // namespace sagelight::rt
