#include "quotes/quote_file.h"

#include "platform/convert.h"
#include "platform/quote_path.h"
#include "platform/random.h"
#include "platform/record_file.h"
#include "platform/ui.h"
#include "quotes/collection.h"

namespace sagelight {
namespace {

// Open the quote file on a free file number and count its records: the
// length over 200, rounded to the nearest, halves to even (so 100 bytes
// count 0 and 300 bytes count 2).
std::int32_t OpenAndCount(std::int16_t& file_number) {
  file_number = rt::FreeFile();
  rt::OpenRandom(file_number, rt::MapPath(kQuoteFileName), kRecordLength);
  const std::int32_t length = rt::FileLength(file_number);
  return rt::RoundToInt32(static_cast<double>(length) / 200.0);
}

}  // namespace

cQuoteFile::cQuoteFile() {
  std::int16_t file_number = 0;
  const std::int32_t records = OpenAndCount(file_number);
  rt::Close(file_number);
  if (records == 0) {
    InitQuoteFile();
  }
}

void cQuoteFile::InitQuoteFile() {
  ui::SetMousePointer(ui::kPointerHourglass);
  for (const std::string_view entry : kCollection) {
    const std::string text(entry);
    InsertQuote(text);
  }
  ui::SetMousePointer(ui::kPointerDefault);
}

void cQuoteFile::InsertQuote(const std::string& text) {
  std::int16_t file_number = 0;
  const std::int32_t records = OpenAndCount(file_number);
  QuoteRecord record;
  record.text = rt::Trim(text);
  rt::PutRecord(file_number, records + 1, record.text.Bytes(), kRecordLength);
  rt::Close(file_number);
}

std::string cQuoteFile::GetQuote() {
  rt::Randomize();
  std::int16_t file_number = 0;
  const std::int32_t records = OpenAndCount(file_number);
  const std::int16_t m = rt::NarrowToInt16(records);
  const float r = rt::NextRandom();
  const std::int16_t i = rt::FloorToInt16(static_cast<double>(static_cast<float>(m)) * r + 1.0);
  QuoteRecord record;
  record.text.Clear();
  rt::GetRecord(file_number, i, record.text.Bytes(), kRecordLength);
  std::string result = rt::Trim(record.text.Value());
  rt::Close(file_number);
  return result;
}

}  // namespace sagelight
