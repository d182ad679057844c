#pragma once

// The line breaking of a fixed-size label, for backends that draw text
// themselves; it knows nothing of the window system but a measure of width.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sagelight::ui {

// Measures the advance width of a run of text, in pixels.
using MeasureText = std::function<int(std::u32string_view)>;

// Breaks `text` into the lines a label `width` pixels wide shows: a new line
// at each CR LF (or a lone CR or LF), otherwise at the last space that lets
// the line fit. A word wider than the label is broken inside, after as many
// characters as fit (at least one, so the text always advances). The spaces
// at a break are dropped.
std::vector<std::u32string> BreakLines(std::u32string_view text, int width,
                                       const MeasureText& measure);

}  // namespace sagelight::ui
