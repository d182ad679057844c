#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sagelight::rt {

// Remove leading and trailing spaces (code 32 only; tabs and line breaks stay).
std::string Trim(std::string_view text);

// The 1-based position of `needle` in `text`, compared case-sensitively,
// or 0 when it does not occur.
std::int32_t InStr(std::string_view text, std::string_view needle);

// Text of a fixed number of single-byte characters. Assigning left-aligns,
// pads with spaces and cuts after N characters; reading gives all N.
template <std::size_t N>
class FixedString {
 public:
  FixedString() { Clear(); }

  FixedString& operator=(std::string_view text) {
    const std::size_t kept = text.size() < N ? text.size() : N;
    text.copy(data_.data(), kept);
    for (std::size_t i = kept; i < N; ++i) {
      data_[i] = ' ';
    }
    return *this;
  }

  void Clear() {
    for (char& c : data_) {
      c = ' ';
    }
  }

  [[nodiscard]] std::string Value() const { return std::string(data_.data(), N); }
  [[nodiscard]] char* Bytes() { return data_.data(); }
  [[nodiscard]] const char* Bytes() const { return data_.data(); }
  static constexpr std::size_t kLength = N;

 private:
  std::array<char, N> data_{};
};

}  // namespace sagelight::rt
