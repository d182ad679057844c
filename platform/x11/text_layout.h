#pragma once

// Window-system-free text handling for the X11 backend: the program's
// single-byte text as Unicode, and the line breaking of a fixed-size label.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sagelight::x11 {

// The program's texts are Windows-1252 bytes, on every platform.
std::u32string FromWindows1252(std::string_view bytes);

// UTF-8, for the window system's text properties.
std::string ToUtf8(std::u32string_view text);

// Measures the advance width of a run of text, in pixels.
using MeasureText = std::function<int(std::u32string_view)>;

// Breaks `text` into the lines a label `width` pixels wide shows: a new line
// at each CR LF (or a lone CR or LF), otherwise at the last space that lets
// the line fit. A word wider than the label is broken inside, after as many
// characters as fit (at least one, so the text always advances). The spaces
// at a break are dropped.
std::vector<std::u32string> BreakLines(std::u32string_view text, int width,
                                       const MeasureText& measure);

}  // namespace sagelight::x11
