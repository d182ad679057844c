#pragma once

#include <cstdint>
#include <string>

#include "runtime/text.h"

namespace sagelight {

inline constexpr const char* kQuoteFileName = "c:\\windows\\system\\Sagelight.quo";
inline constexpr std::int32_t kRecordLength = 200;

// One record of the quote file: the saying, left-aligned, padded with
// spaces to 200 single-byte characters.
struct QuoteRecord {
  rt::FixedString<kRecordLength> text;
};

// The quote store. It keeps nothing between operations: each one opens the
// file, counts its records from the length, does its one read or write and
// closes it again, so the file may change under it between calls. Errors
// pass to the caller untouched.
class cQuoteFile {  // NOLINT(readability-identifier-naming)
 public:
  // Counts the records and, when there are none, seeds the file from the
  // built-in collection.
  cQuoteFile();
  cQuoteFile(const cQuoteFile&) = delete;
  cQuoteFile& operator=(const cQuoteFile&) = delete;
  ~cQuoteFile() = default;

  // Append the built-in collection, one record per saying, under the
  // hourglass pointer.
  void InitQuoteFile();  // NOLINT(readability-identifier-naming)
  // Append the trimmed text as the next record.
  void InsertQuote(const std::string& text);  // NOLINT(readability-identifier-naming)
  // One record chosen at random, without leading and trailing spaces.
  std::string GetQuote();  // NOLINT(readability-identifier-naming)
};

}  // namespace sagelight
