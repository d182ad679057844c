#include "quotes/quote_file.h"

#include "quotes/collection.h"
#include "runtime/convert.h"
#include "runtime/quote_path.h"
#include "runtime/random.h"
#include "runtime/record_file.h"
#include "runtime/runtime.h"
#include "runtime/runtime_error.h"
#include "ui/platform.h"

namespace sagelight {
namespace {

// The quote file, open for the length of one operation. The count is the
// length over 200, rounded to the nearest, halves to even (so 100 bytes
// count 0 and 300 bytes count 2). An operation that fails after the open
// still closes the file, so a failing tick every 20 seconds cannot use up
// the file numbers over a long night.
class OpenQuoteFile {
 public:
  OpenQuoteFile() : number_(rt::FreeFile()) {
    rt::OpenRandom(number_, rt::MapPath(kQuoteFileName), kRecordLength);
    open_ = true;
    // A constructor that throws never reaches the destructor: a length that
    // cannot be counted (a file of 2 GiB or more) closes the file here.
    try {
      records_ = rt::RoundToInt32(static_cast<double>(rt::FileLength(number_)) / kRecordLength);
    } catch (...) {
      CloseQuietly();
      throw;
    }
  }
  OpenQuoteFile(const OpenQuoteFile&) = delete;
  OpenQuoteFile& operator=(const OpenQuoteFile&) = delete;
  ~OpenQuoteFile() { CloseQuietly(); }

  [[nodiscard]] std::int16_t Number() const { return number_; }
  [[nodiscard]] std::int32_t Records() const { return records_; }
  void Close() {
    open_ = false;
    rt::Close(number_);
  }

 private:
  void CloseQuietly() noexcept {
    if (open_) {
      open_ = false;
      try {
        rt::Close(number_);
      } catch (const rt::RuntimeError&) {
        // Already failing: the first error is the one to report.
      }
    }
  }

  std::int16_t number_;
  bool open_ = false;
  std::int32_t records_ = 0;
};

}  // namespace

cQuoteFile::cQuoteFile() {
  // A first seeding cut short would leave a short collection for good, as
  // a later start never completes one: the signals that end a session wait
  // from before the file can appear until the last record is written and
  // the file closed, a few milliseconds.
  const rt::HoldInterrupts hold;
  OpenQuoteFile file;
  const std::int32_t records = file.Records();
  file.Close();
  if (records == 0) {
    InitQuoteFile();
  }
}

void cQuoteFile::InitQuoteFile() {
  // Nothing written beats a part written: a start that cannot hold the
  // whole collection writes none of it, and the next start seeds it whole.
  rt::CheckRoom(rt::MapPath(kQuoteFileName),
                static_cast<std::int64_t>(kCollection.size()) * kRecordLength);
  ui::SetMousePointer(ui::kMousePointerHourglass);
  for (const std::string_view entry : kCollection) {
    const std::string text(entry);
    InsertQuote(text);
  }
  ui::SetMousePointer(ui::kMousePointerDefault);
}

void cQuoteFile::InsertQuote(const std::string& text) {
  OpenQuoteFile file;
  QuoteRecord record;
  record.text = rt::Trim(text);
  rt::PutRecord(file.Number(), file.Records() + 1, record.text.Bytes(), kRecordLength);
  file.Close();
}

std::string cQuoteFile::GetQuote() {
  rt::Randomize();
  OpenQuoteFile file;
  const std::int16_t m = rt::NarrowToInt16(file.Records());
  const float r = rt::NextRandom();
  const std::int16_t i = rt::FloorToInt16(static_cast<double>(static_cast<float>(m)) * r + 1.0);
  QuoteRecord record;
  record.text.Clear();
  rt::GetRecord(file.Number(), i, record.text.Bytes(), kRecordLength);
  std::string result = rt::Trim(record.text.Value());
  file.Close();
  return result;
}

}  // namespace sagelight
