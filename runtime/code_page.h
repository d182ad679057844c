#pragma once

// The program's texts are Windows-1252 bytes on every platform; windows
// draw Unicode, and keys type Unicode.

#include <optional>
#include <string>
#include <string_view>

namespace sagelight::rt {

std::u32string FromWindows1252(std::string_view bytes);

// The byte that stands for `character` in Windows-1252, if any.
std::optional<unsigned char> ToWindows1252(char32_t character);

// UTF-8, for the window system's text properties.
std::string ToUtf8(std::u32string_view text);

// UTF-8 as the window system hands out typed text; a malformed sequence
// gives U+FFFD and moves on by one byte.
std::u32string FromUtf8(std::string_view utf8);

}  // namespace sagelight::rt
