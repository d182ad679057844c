#pragma once

// Text between the program and Windows' wide-character API: the program's
// texts are Windows-1252 bytes whatever the system's code page, and typed
// characters arrive as UTF-16, one unit per message.

#include <optional>
#include <string>
#include <string_view>

namespace sagelight::win32 {

// Program text (quote bytes above all) as UTF-16 for drawing and for boxes.
std::wstring WideFromWindows1252(std::string_view bytes);

// Joins the UTF-16 units that character messages hand over one at a time:
// a character beyond the first 65536 comes as two messages, the high
// surrogate first.
class Utf16Joiner {
 public:
  // The character that this unit completes, if any. A low surrogate
  // without its high one gives U+FFFD; a high one without its low one is
  // dropped.
  std::optional<char32_t> Add(wchar_t unit);

 private:
  char32_t high_ = 0;  // a high surrogate waiting for its partner
};

}  // namespace sagelight::win32
