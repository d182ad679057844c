#include <gtest/gtest.h>
#include <signal.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "errors/error_class.h"
#include "runtime/record_file.h"
#include "runtime/runtime_error.h"
#include "saver/saver_form.h"
#include "startup/module1.h"
#include "tests/unit/test_support.h"

namespace sagelight {
namespace {

namespace fs = std::filesystem;
using headless::HeadlessPlatform;

class StartUp : public testing::ProgramTest {};

TEST_F(StartUp, OnlyALowerCaseSwitchAnywhereInTheCommandLineRunsTheSaver) {
  struct Case {
    const char* command_line;
    bool runs;
  };
  for (const Case c : {Case{"/s", true}, Case{"/p 123 /s", true}, Case{"/S", false},
                       Case{"", false}, Case{"/c:1234", false}, Case{"s/", false}}) {
    fs::remove(QuoteFile());
    headless::Options options;
    options.command_line = c.command_line;
    HeadlessPlatform& program = Start(options);
    EXPECT_EQ(program.ShownForm() != nullptr, c.runs) << '"' << c.command_line << '"';
    EXPECT_EQ(program.Ended(), !c.runs) << '"' << c.command_line << '"';
    EXPECT_EQ(program.ExitStatus().value_or(0), 0);
    // Seeding comes before the command line is looked at, in every mode.
    EXPECT_EQ(fs::file_size(QuoteFile()), 86200U) << '"' << c.command_line << '"';
    EXPECT_EQ(rt::OpenFileCount(), 0);
    EXPECT_TRUE(program.MessageBoxes().empty());
  }
}

TEST_F(StartUp, ThePointerIsAnHourglassWhileSeedingOnly) {
  // What the file looks like at each change of the pointer: seeding starts
  // under the hourglass after the count has closed the file, and the
  // hourglass goes only when the last record is written.
  // The signals that end a session wait while the seeding runs, and only
  // then: a daemon's SIGTERM must still end a running saver.
  struct Seen {
    ui::PointerShape shape;
    std::uintmax_t size;
    int open_files;
    int held;  // how many of SIGTERM, SIGINT and SIGHUP are blocked
    bool operator==(const Seen&) const = default;
  };
  const auto held = [] {
    sigset_t mask;
    sigprocmask(SIG_BLOCK, nullptr, &mask);
    return sigismember(&mask, SIGTERM) + sigismember(&mask, SIGINT) + sigismember(&mask, SIGHUP);
  };
  std::vector<Seen> seen;
  Platform().OnPointerShape([&](ui::PointerShape shape) {
    seen.push_back({shape, fs::file_size(QuoteFile()), rt::OpenFileCount(), held()});
  });
  { const cQuoteFile store; }
  const std::vector<Seen> expected = {{ui::PointerShape::kHourglass, 0, 0, 3},
                                      {ui::PointerShape::kDefault, 86200, 0, 3}};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(held(), 0);
}

TEST_F(StartUp, APreviousInstanceEndsTheNewOneBeforeItTouchesAnything) {
  StartSaver();  // a process with both shared objects, which go when it ends
  fs::remove(QuoteFile());
  headless::Options options = SaverOptions();
  options.previous_instance = true;
  HeadlessPlatform& program = Start(options);
  EXPECT_EQ(StartStatus(), 0);
  EXPECT_EQ(program.ShownForm(), nullptr);
  EXPECT_FALSE(fs::exists(QuoteFile()));
  EXPECT_EQ(Module1::objError, nullptr);
  EXPECT_EQ(Module1::objQuotes, nullptr);
}

TEST_F(StartUp, AnErrorWhileSeedingIsReportedByTheRuntimeAndEndsWithNoWindow) {
  fs::remove_all(SystemFolder());
  ::testing::internal::CaptureStderr();
  HeadlessPlatform& program = StartSaver();
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(StartStatus(), 1);
  EXPECT_EQ(program.ShownForm(), nullptr);
  // The report names the file as this machine knows it.
  EXPECT_EQ(errors,
            "Sagelight: run-time error 76: Path not found (" + QuoteFile().string() + ")\n");
  ASSERT_EQ(program.MessageBoxes().size(), 1U);
  EXPECT_EQ(program.MessageBoxes()[0].prompt,
            "Run-time error '76':\r\n\r\nPath not found (" + QuoteFile().string() + ")");
  EXPECT_NE(Module1::objError, nullptr);  // created before the store failed
  EXPECT_EQ(Module1::objQuotes, nullptr);
}

TEST_F(StartUp, AnUntrappedErrorInAHandlerEndsTheProgramWithItsReport) {
  HeadlessPlatform& program = StartSaver();
  // A tick's report needs the reporter; without it the error in the handler
  // is nobody's to catch.
  Module1::objError = std::make_unique<rt::Object>();
  fs::remove_all(SystemFolder());
  ::testing::internal::CaptureStderr();
  program.Advance(1000);
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(program.ExitStatus(), 1);
  // The tick's error reaches standard error before the box it could not show.
  EXPECT_EQ(errors, "Sagelight: frmSaver.Timer1_Error: Path not found (" + QuoteFile().string() +
                        ")\nSagelight: run-time error 438: Object doesn't support this property "
                        "or method\n");
}

class ErrorReporter : public testing::ProgramTest {
 protected:
  std::string Show(const std::string& text) {
    cErrorClass reporter;
    rt::Object& by_name = reporter;
    by_name.LetProperty("strError", text);
    by_name.CallMethod("ShowIt");
    EXPECT_EQ(reporter.strError(), text);  // showing does not change it
    EXPECT_EQ(by_name.GetProperty("strError"), text);
    const headless::MessageBoxRecord& box = Platform().MessageBoxes().back();
    EXPECT_EQ(box.icon, ui::MessageIcon::kInformation);
    EXPECT_EQ(box.title, "");
    return box.prompt;
  }
};

TEST_F(ErrorReporter, LaysOutTheMessageWithAnAddedFullStopAndAnswersOnlyToItsTwoNames) {
  EXPECT_EQ(Show("frmSaver.Timer1_Error: Disk full"),
            "An error has occured: \r\nfrmSaver.Timer1_Error: Disk full.");
  EXPECT_EQ(Show("ends in a stop."), "An error has occured: \r\nends in a stop..");
  EXPECT_EQ(Show("  spaced  "), "An error has occured: \r\n  spaced  .");

  cErrorClass reporter;
  rt::Object& by_name = reporter;
  EXPECT_THROW(by_name.LetProperty("strErr", "x"), rt::RuntimeError);
  EXPECT_THROW((void)by_name.GetProperty("strErr"), rt::RuntimeError);
  EXPECT_THROW(by_name.CallMethod("showit"), rt::RuntimeError);
}

}  // namespace
}  // namespace sagelight
