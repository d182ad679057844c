#include "ui/text_layout.h"

#include <cstddef>

namespace sagelight::ui {
namespace {

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

}  // namespace sagelight::ui
