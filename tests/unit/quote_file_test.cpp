#include "quotes/quote_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <string>

#include "quotes/collection.h"
#include "runtime/random.h"
#include "runtime/record_file.h"
#include "runtime/runtime.h"
#include "runtime/runtime_error.h"
#include "tests/unit/test_support.h"
#include "ui/platform.h"

namespace sagelight {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::WriteFile;

std::string Padded(std::string_view text) {
  std::string record(text.substr(0, 200));
  record.resize(200, ' ');
  return record;
}

std::int32_t ErrorOfCreation() {
  try {
    cQuoteFile store;
  } catch (const rt::RuntimeError& error) {
    return error.Number();
  }
  return 0;
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
                       Case{500, 2}, Case{501, 3}, Case{86200, 431}, Case{86300, 432}}) {
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
  // Missing, empty and 1 to 100 bytes all count 0 and are seeded from record 1.
  for (const int old_length : {-1, 0, 1, 57, 100}) {
    fs::remove(QuoteFile());
    if (old_length >= 0) {
      WriteFile(QuoteFile(), std::string(static_cast<std::size_t>(old_length), 'Z'));
    }
    ui::SetMousePointer(ui::kMousePointerDefault);
    cQuoteFile store;
    const std::string bytes = ReadFile(QuoteFile());
    ASSERT_EQ(bytes.size(), 86200U) << "old length " << old_length;
    for (std::size_t k = 0; k < kCollectionSize; ++k) {
      ASSERT_EQ(bytes.substr(k * 200, 200), Padded(kCollection[k])) << "record " << k + 1;
    }
    EXPECT_EQ(ui::MousePointer(), ui::kMousePointerDefault);
    EXPECT_EQ(rt::OpenFileCount(), 0);
  }
  const std::string seeded = ReadFile(QuoteFile());
  EXPECT_EQ(seeded.substr(170 * 200, 200), seeded.substr(250 * 200, 200));
  EXPECT_EQ(seeded.substr(38 * 200, 200), std::string(kCollection[38].substr(0, 200)));
  EXPECT_EQ(seeded.substr(40 * 200, 200), std::string(kCollection[40].substr(0, 200)));

  // 101 bytes count one record: never seeded, even though it holds only spaces.
  WriteFile(QuoteFile(), std::string(101, ' '));
  cQuoteFile store;
  EXPECT_EQ(fs::file_size(QuoteFile()), 101U);
}

TEST_F(QuoteFileTest, InsertTrimsSpacesOnlyAndCutsAtTwoHundred) {
  WriteFile(QuoteFile(), Padded("first"));
  cQuoteFile* store = &Store();
  std::string text = "   padded both sides   ";
  store->InsertQuote(text);
  EXPECT_EQ(text, "   padded both sides   ");  // the caller's text is left as it was
  store->InsertQuote(std::string(250, 'a'));
  store->InsertQuote("      ");
  store->InsertQuote("\ttab stays\t");
  const std::string bytes = ReadFile(QuoteFile());
  ASSERT_EQ(bytes.size(), 1000U);
  EXPECT_EQ(bytes.substr(200, 200), Padded("padded both sides"));
  EXPECT_EQ(bytes.substr(400, 200), std::string(200, 'a'));
  EXPECT_EQ(bytes.substr(600, 200), std::string(200, ' '));
  EXPECT_EQ(bytes.substr(800, 200), Padded("\ttab stays\t"));

  // Reading back: the top of the range picks the last record, r = 0 the first.
  const float top = std::nextafter(1.0F, 0.0F);
  ScriptRandom({0.0F, 0.2F, 0.4F, 0.6F, top});
  EXPECT_EQ(store->GetQuote(), "first");
  EXPECT_EQ(store->GetQuote(), "padded both sides");
  EXPECT_EQ(store->GetQuote(), std::string(200, 'a'));
  EXPECT_EQ(store->GetQuote(), "");
  EXPECT_EQ(store->GetQuote(), "\ttab stays\t");
}

TEST_F(QuoteFileTest, GetQuoteReadsOneRecordAndNeverWrites) {
  // 300 bytes count 2: record 2 lies half beyond the end and reads as what
  // is there; 86,300 bytes count 432, with record 432 half beyond the end.
  WriteFile(QuoteFile(), Padded("one") + "  two, cut short" + std::string(84, ' '));
  cQuoteFile& store = Store();
  ScriptRandom({0.75F});
  EXPECT_EQ(store.GetQuote(), "two, cut short");
  EXPECT_EQ(fs::file_size(QuoteFile()), 300U);

  std::string big;
  for (int k = 1; k <= 431; ++k) {
    big += Padded("saying " + std::to_string(k));
  }
  big += std::string(100, 'e');
  WriteFile(QuoteFile(), big);
  ScriptRandom({std::nextafter(1.0F, 0.0F), 0.0F, 0.5F});
  EXPECT_EQ(store.GetQuote(), std::string(100, 'e'));
  EXPECT_EQ(store.GetQuote(), "saying 1");
  EXPECT_EQ(store.GetQuote(), "saying 217");
  for (int i = 0; i < 50; ++i) {
    const std::string quote = store.GetQuote();
    EXPECT_TRUE(quote.rfind("saying ", 0) == 0 || quote == std::string(100, 'e')) << quote;
  }
  EXPECT_EQ(ReadFile(QuoteFile()), big);
  EXPECT_EQ(rt::OpenFileCount(), 0);

  // One record: always record 1.
  WriteFile(QuoteFile(), Padded("only"));
  for (int i = 0; i < 20; ++i) {
    EXPECT_EQ(store.GetQuote(), "only");
  }
}

TEST_F(QuoteFileTest, SixteenBitCountLimitsGetQuoteButNotCreation) {
  cQuoteFile& store = Store();
  fs::resize_file(QuoteFile(), 6553499);  // sparse: 32,767 records
  ScriptRandom({std::nextafter(1.0F, 0.0F)});
  EXPECT_EQ(store.GetQuote(), std::string(200, '\0'));  // record 32,767 of zeros

  fs::resize_file(QuoteFile(), 6553500);  // 32,768 records
  for (int i = 0; i < 3; ++i) {
    try {
      (void)store.GetQuote();
      ADD_FAILURE() << "a count above 32767 must overflow";
    } catch (const rt::RuntimeError& error) {
      EXPECT_EQ(error.Number(), rt::kErrOverflow);
      EXPECT_EQ(error.Description(), "Overflow");
    }
  }
  EXPECT_EQ(rt::OpenFileCount(), 0);  // failing operations still close the file
  cQuoteFile other;                   // creation counts in 32 bits: neither seeds nor refuses
  EXPECT_EQ(fs::file_size(QuoteFile()), 6553500U);

  // 2 GiB and more: the length itself does not fit 32 bits. Each failing
  // call still closes the file, so more calls than there are file numbers
  // all give the same error.
  fs::resize_file(QuoteFile(), (std::uintmax_t{1} << 31) + 200);
  for (int i = 0; i < rt::kMaxFileNumber + 45; ++i) {
    try {
      (void)store.GetQuote();
      ADD_FAILURE() << "a length beyond 32 bits must overflow";
      break;
    } catch (const rt::RuntimeError& error) {
      ASSERT_EQ(error.Number(), rt::kErrOverflow) << "call " << i + 1;
    }
  }
  EXPECT_EQ(rt::OpenFileCount(), 0);
  EXPECT_EQ(rt::FreeFile(), 1);
}

TEST_F(QuoteFileTest, FolderAndFileChangesBetweenOperations) {
  cQuoteFile& store = Store();
  // A file deleted while the saver runs is created anew, empty, and record 1
  // of an empty file reads as nothing.
  fs::remove(QuoteFile());
  EXPECT_EQ(store.GetQuote(), "");
  EXPECT_EQ(fs::file_size(QuoteFile()), 0U);

  // A missing folder is a path error, never a created folder.
  fs::remove_all(SystemFolder());
  EXPECT_EQ(ErrorOfCreation(), rt::kErrPathNotFound);
  try {
    (void)store.GetQuote();
    ADD_FAILURE() << "no folder, no quote";
  } catch (const rt::RuntimeError& error) {
    EXPECT_EQ(error.Description(), "Path not found");
  }
  EXPECT_FALSE(fs::exists(SystemFolder()));
}

TEST_F(QuoteFileTest, ASeedingThatCouldNotFinishWritesNothing) {
  // A child process under a file-size limit of 50.6 records: seeding it
  // would stop at the 51st, and a later start never completes a short
  // collection. Like the program, it ignores the limit's signal. It reports
  // the error number and the pointer shape.
  int report[2];
  ASSERT_EQ(pipe(report), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{50 * 200 + 120, 50 * 200 + 120};
    setrlimit(RLIMIT_FSIZE, &limit);
    const std::int32_t values[2] = {ErrorOfCreation(), ui::MousePointer()};
    (void)!write(report[1], values, sizeof values);
    _exit(0);
  }
  close(report[1]);
  std::int32_t values[2] = {-1, -1};
  EXPECT_EQ(read(report[0], values, sizeof values), static_cast<ssize_t>(sizeof values));
  close(report[0]);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_EQ(values[0], rt::kErrDiskFull);
  EXPECT_EQ(values[1], ui::kMousePointerDefault);
  EXPECT_EQ(fs::file_size(QuoteFile()), 0U);

  // The next start with room seeds it whole.
  cQuoteFile next;
  EXPECT_EQ(fs::file_size(QuoteFile()), 86200U);
}

TEST_F(QuoteFileTest, GetQuoteReseedsFromTheClockBeforeItDraws) {
  cQuoteFile& store = Store();
  for (int i = 0; i < 431; ++i) {
    store.InsertQuote("saying " + std::string(1, static_cast<char>('a' + i % 26)) +
                      std::string(1, static_cast<char>('a' + i / 26)));
  }
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
