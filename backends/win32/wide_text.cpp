#include "backends/win32/wide_text.h"

#include "runtime/code_page.h"

namespace sagelight::win32 {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::wstring WideFromWindows1252(std::string_view bytes) {
  // Every Windows-1252 character lies below U+10000: one unit each.
  const std::u32string text = rt::FromWindows1252(bytes);
  return {text.begin(), text.end()};
}

std::optional<char32_t> Utf16Joiner::Add(wchar_t unit) {
  const auto value = static_cast<char32_t>(static_cast<char16_t>(unit));
  const char32_t high = high_;
  high_ = 0;
  if (IsHighSurrogate(value)) {
    high_ = value;
    return std::nullopt;
  }
  if (IsLowSurrogate(value)) {
    if (high == 0) {
      return kReplacement;
    }
    return 0x10000 + ((high - 0xD800) << 10) + (value - 0xDC00);
  }
  return value;
}

}  // namespace sagelight::win32
