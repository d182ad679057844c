#include "quotes/quote_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <string>

#include "quotes/collection.h"
#include "runtime/random.h"
#include "runtime/record_file.h"
#include "runtime/runtime_error.h"
#include "tests/unit/test_support.h"
#include "ui/platform.h"

namespace sagelight {
namespace {

namespace fs = std::filesystem;
using testing::ErrorOf;
using testing::ReadFile;
using testing::WriteFile;

const float kTopR = std::nextafter(1.0F, 0.0F);

std::string Padded(std::string_view text) {
  std::string record(text.substr(0, 200));
  record.resize(200, ' ');
  return record;
}

class QuoteFileTest : public testing::ProgramTest {
 protected:
  // A store over an existing file, created without seeding.
  cQuoteFile& Store() {
    if (!fs::exists(QuoteFile())) {
      WriteFile(QuoteFile(), Padded("placeholder"));
    }
    if (!store_) {
      store_ = std::make_unique<cQuoteFile>();
    }
    return *store_;
  }

 private:
  std::unique_ptr<cQuoteFile> store_;
};

TEST_F(QuoteFileTest, CountRoundsTheLengthOverTwoHundredHalvesToEven) {
  // The count shows in where InsertQuote writes: record n + 1.
  struct Case {
    std::uintmax_t length;
    std::uintmax_t records;
  };
  cQuoteFile& store = Store();
  for (const Case c : {Case{0, 0}, Case{100, 0}, Case{101, 1}, Case{299, 1}, Case{300, 2},
                       Case{500, 2}, Case{501, 3}, Case{86300, 432}}) {
    WriteFile(QuoteFile(), std::string(c.length, 'q'));
    store.InsertQuote("marker");
    const std::string bytes = ReadFile(QuoteFile());
    ASSERT_EQ(bytes.size(), std::max<std::uintmax_t>(c.length, (c.records + 1) * 200))
        << "length " << c.length;
    EXPECT_EQ(bytes.substr(c.records * 200, 200), Padded("marker")) << "length " << c.length;
    EXPECT_EQ(rt::OpenFileCount(), 0);
  }
}

TEST_F(QuoteFileTest, CreationSeedsOnlyAFileThatCountsNoRecord) {
  // Missing, and 100 bytes that count 0: seeded from record 1.
  for (const bool missing : {true, false}) {
    fs::remove(QuoteFile());
    if (!missing) {
      WriteFile(QuoteFile(), std::string(100, 'Z'));
    }
    const cQuoteFile store;
    const std::string bytes = ReadFile(QuoteFile());
    ASSERT_EQ(bytes.size(), 86200U);
    for (std::size_t k = 0; k < kCollectionSize; ++k) {
      ASSERT_EQ(bytes.substr(k * 200, 200), Padded(kCollection[k])) << "record " << k + 1;
    }
    EXPECT_EQ(rt::OpenFileCount(), 0);
  }
  // 101 bytes count one record: never seeded, even though it holds only spaces.
  WriteFile(QuoteFile(), std::string(101, ' '));
  const cQuoteFile store;
  EXPECT_EQ(fs::file_size(QuoteFile()), 101U);
}

TEST_F(QuoteFileTest, ASeedingThatCouldNotFinishWritesNothing) {
  // A file-size limit of 50.6 records: seeding would stop at the 51st, and a
  // later start never completes a short collection.
  const testing::ChildResult limited = testing::InChild(
      [] { testing::LimitFileSize(50 * 200 + 120); }, [] { const cQuoteFile store; });
  EXPECT_EQ(limited.number, rt::kErrDiskFull);
  EXPECT_EQ(fs::file_size(QuoteFile()), 0U);
  // The next start with room seeds it whole.
  const cQuoteFile next;
  EXPECT_EQ(fs::file_size(QuoteFile()), 86200U);
}

TEST_F(QuoteFileTest, InsertTrimsSpacesOnlyAndCutsAtTwoHundredAndGetQuoteReadsItBack) {
  WriteFile(QuoteFile(), Padded("first"));
  cQuoteFile& store = Store();
  std::string text = "   padded both sides   ";
  store.InsertQuote(text);
  EXPECT_EQ(text, "   padded both sides   ");  // the caller's text is left as it was
  store.InsertQuote(std::string(250, 'a'));
  store.InsertQuote("      ");
  store.InsertQuote("\ttab stays\t");
  const std::string bytes = ReadFile(QuoteFile());
  ASSERT_EQ(bytes.size(), 1000U);
  EXPECT_EQ(bytes.substr(200, 200), Padded("padded both sides"));
  EXPECT_EQ(bytes.substr(400, 200), std::string(200, 'a'));
  EXPECT_EQ(bytes.substr(600, 200), std::string(200, ' '));
  EXPECT_EQ(bytes.substr(800, 200), Padded("\ttab stays\t"));

  // The record is floor(count x r) + 1: r = 0 picks the first, the top of
  // the range the last.
  ScriptRandom({0.0F, 0.2F, 0.4F, 0.6F, kTopR});
  EXPECT_EQ(store.GetQuote(), "first");
  EXPECT_EQ(store.GetQuote(), "padded both sides");
  EXPECT_EQ(store.GetQuote(), std::string(200, 'a'));
  EXPECT_EQ(store.GetQuote(), "");
  EXPECT_EQ(store.GetQuote(), "\ttab stays\t");
  EXPECT_EQ(ReadFile(QuoteFile()), bytes);  // reading never writes
  EXPECT_EQ(rt::OpenFileCount(), 0);
}

TEST_F(QuoteFileTest, ARecordBeyondTheEndReadsAsWhatIsThere) {
  // 300 bytes count 2: record 2 lies half beyond the end.
  WriteFile(QuoteFile(), Padded("one") + "  two, cut short" + std::string(84, ' '));
  cQuoteFile& store = Store();
  ScriptRandom({0.75F});
  EXPECT_EQ(store.GetQuote(), "two, cut short");
  EXPECT_EQ(fs::file_size(QuoteFile()), 300U);
  // Deleted while the saver runs: created anew, empty, and record 1 of an
  // empty file reads as nothing.
  fs::remove(QuoteFile());
  EXPECT_EQ(store.GetQuote(), "");
  EXPECT_EQ(fs::file_size(QuoteFile()), 0U);
  // A missing folder is a path error, never a created folder.
  fs::remove_all(SystemFolder());
  EXPECT_EQ(ErrorOf([] { const cQuoteFile other; }), rt::kErrPathNotFound);
  EXPECT_EQ(ErrorOf([&] { (void)store.GetQuote(); }), rt::kErrPathNotFound);
  EXPECT_FALSE(fs::exists(SystemFolder()));
}

TEST_F(QuoteFileTest, SixteenBitCountLimitsGetQuoteButNotCreation) {
  cQuoteFile& store = Store();
  fs::resize_file(QuoteFile(), 6553499);  // sparse: 32,767 records
  ScriptRandom({kTopR});
  EXPECT_EQ(store.GetQuote(), std::string(200, '\0'));  // record 32,767 of zeros

  fs::resize_file(QuoteFile(), 6553500);  // 32,768 records
  EXPECT_EQ(ErrorOf([&] { (void)store.GetQuote(); }), rt::kErrOverflow);
  EXPECT_EQ(rt::OpenFileCount(), 0);  // a failing operation still closes the file
  const cQuoteFile other;             // creation counts in 32 bits: neither seeds nor refuses
  EXPECT_EQ(fs::file_size(QuoteFile()), 6553500U);

  // 2 GiB and more: the length itself does not fit 32 bits. Each failing
  // call still closes the file, so more calls than there are file numbers
  // all give the same error.
  fs::resize_file(QuoteFile(), (std::uintmax_t{1} << 31) + 200);
  for (int i = 0; i < rt::kMaxFileNumber + 45; ++i) {
    ASSERT_EQ(ErrorOf([&] { (void)store.GetQuote(); }), rt::kErrOverflow) << "call " << i + 1;
  }
  EXPECT_EQ(rt::OpenFileCount(), 0);
}

TEST_F(QuoteFileTest, GetQuoteReseedsFromTheClockBeforeItDraws) {
  cQuoteFile store;  // seeds the collection
  // From the same state each time, only the clock's re-seed before the draw
  // can lead to different records.
  std::set<std::string> drawn;
  for (int i = 0; i < 50; ++i) {
    rt::StartGenerator(42);
    drawn.insert(store.GetQuote());
  }
  EXPECT_GT(drawn.size(), 10U);
}

}  // namespace
}  // namespace sagelight
