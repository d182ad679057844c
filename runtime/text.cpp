#include "runtime/text.h"

namespace sagelight::rt {

std::string Trim(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return {};
  }
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::int32_t InStr(std::string_view text, std::string_view needle) {
  const auto at = text.find(needle);
  return at == std::string_view::npos ? 0 : static_cast<std::int32_t>(at) + 1;
}

}  // namespace sagelight::rt
