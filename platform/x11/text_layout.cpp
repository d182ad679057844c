#include "platform/x11/text_layout.h"

#include <array>
#include <cstddef>

namespace sagelight::x11 {
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

void BreakParagraph(std::u32string_view paragraph, int width, const MeasureText& measure,
                    std::vector<std::u32string>& lines) {
  if (paragraph.empty()) {
    lines.emplace_back();
    return;
  }
  const std::size_t size = paragraph.size();
  std::size_t pos = 0;
  while (pos < size) {
    // The longest run from `pos` that ends at the end of a word and fits.
    std::size_t fit_end = 0;
    for (std::size_t end = pos + 1; end <= size; ++end) {
      const bool word_ends = (end == size || paragraph[end] == U' ') && paragraph[end - 1] != U' ';
      if (!word_ends) {
        continue;
      }
      if (measure(paragraph.substr(pos, end - pos)) > width) {
        break;
      }
      fit_end = end;
    }
    if (fit_end == 0) {
      // Not even the first word fits: break it after as many characters as
      // fit, one at least.
      std::size_t count = 1;
      while (pos + count < size && paragraph[pos + count] != U' ' &&
             measure(paragraph.substr(pos, count + 1)) <= width) {
        ++count;
      }
      fit_end = pos + count;
    }
    lines.emplace_back(paragraph.substr(pos, fit_end - pos));
    pos = fit_end;
    while (pos < size && paragraph[pos] == U' ') {
      ++pos;
    }
  }
}

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

std::vector<std::u32string> BreakLines(std::u32string_view text, int width,
                                       const MeasureText& measure) {
  std::vector<std::u32string> lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find_first_of(U"\r\n", start);
    BreakParagraph(text.substr(start, end == std::u32string_view::npos ? end : end - start), width,
                   measure, lines);
    if (end == std::u32string_view::npos) {
      break;
    }
    const bool crlf = text[end] == U'\r' && end + 1 < text.size() && text[end + 1] == U'\n';
    start = end + (crlf ? 2 : 1);
  }
  return lines;
}

}  // namespace sagelight::x11
