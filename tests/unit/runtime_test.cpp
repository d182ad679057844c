#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "runtime/convert.h"
#include "runtime/object.h"
#include "runtime/random.h"
#include "runtime/record_file.h"
#include "runtime/runtime_error.h"
#include "runtime/text.h"
#include "tests/unit/test_support.h"
#include "ui/stage.h"

namespace sagelight {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

class RuntimeServices : public testing::ProgramTest {};

// Runs `action` and returns the number of the run-time error it raised, or 0.
template <typename Action>
std::int32_t ErrorOf(Action action) {
  try {
    action();
  } catch (const rt::RuntimeError& error) {
    return error.Number();
  }
  return 0;
}

TEST(Conversions, RoundHalvesToEvenAndOverflowAtTheEdges) {
  EXPECT_EQ(rt::RoundToInt16(2.5), 2);
  EXPECT_EQ(rt::RoundToInt16(3.5), 4);
  EXPECT_EQ(rt::RoundToInt16(-2.5), -2);
  EXPECT_EQ(rt::RoundToInt16(-3.5), -4);
  EXPECT_EQ(rt::RoundToInt16(2.5000001), 3);
  EXPECT_EQ(rt::RoundToInt16(32767.49), 32767);
  EXPECT_EQ(rt::RoundToInt16(-32768.5), -32768);
  EXPECT_EQ(ErrorOf([] { rt::RoundToInt16(32767.5); }), rt::kErrOverflow);
  EXPECT_EQ(ErrorOf([] { rt::RoundToInt16(-32768.51); }), rt::kErrOverflow);
  EXPECT_EQ(ErrorOf([] { rt::RoundToInt16(std::nan("")); }), rt::kErrOverflow);

  EXPECT_EQ(rt::RoundToInt32(431.5), 432);
  EXPECT_EQ(rt::RoundToInt32(0.5), 0);
  EXPECT_EQ(rt::RoundToInt32(-2147483648.5), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(ErrorOf([] { rt::RoundToInt32(2147483647.5); }), rt::kErrOverflow);
}

TEST(Conversions, FloorGoesTowardMinusInfinity) {
  EXPECT_EQ(rt::FloorToInt16(1.999), 1);
  EXPECT_EQ(rt::FloorToInt16(-0.5), -1);
  EXPECT_EQ(rt::FloorToInt16(-1093.9999), -1094);
  EXPECT_EQ(rt::FloorToInt16(32767.999), 32767);
  EXPECT_EQ(rt::FloorToInt16(-32768.0), -32768);
  EXPECT_EQ(ErrorOf([] { rt::FloorToInt16(-32768.001); }), rt::kErrOverflow);
  EXPECT_EQ(ErrorOf([] { rt::FloorToInt16(32768.0); }), rt::kErrOverflow);
}

TEST(Conversions, SixteenBitArithmeticNeverWraps) {
  EXPECT_EQ(rt::NarrowToInt16(32767), 32767);
  EXPECT_EQ(ErrorOf([] { rt::NarrowToInt16(32768); }), rt::kErrOverflow);
  EXPECT_EQ(rt::AddInt16(32766, 1), 32767);
  EXPECT_EQ(ErrorOf([] { rt::AddInt16(32767, 1); }), rt::kErrOverflow);
  EXPECT_EQ(rt::SubtractInt16(3000, 4095), -1095);
  EXPECT_EQ(ErrorOf([] { rt::SubtractInt16(-32768, 1); }), rt::kErrOverflow);
  EXPECT_EQ(rt::RoundToSingle(3.00000001), 3.0F);
  EXPECT_EQ(ErrorOf([] { rt::RoundToSingle(1e39); }), rt::kErrOverflow);
}

TEST_F(RuntimeServices, RandomNumbersStayBelowOneAndTheLargestGivesTheTopOfTheRange) {
  rt::StartGenerator(12345);
  float smallest = 1.0F;
  float largest = 0.0F;
  for (int i = 0; i < 200000; ++i) {
    const float r = rt::NextRandom();
    ASSERT_GE(r, 0.0F);
    ASSERT_LT(r, 1.0F);
    smallest = std::min(smallest, r);
    largest = std::max(largest, r);
  }
  EXPECT_LT(smallest, 0.001F);
  EXPECT_GT(largest, 0.999F);
}

TEST_F(RuntimeServices, RandomNumbersReseedsInQuickSuccessionDoNotReplay) {
  // Many re-seeds fall within one reading of a coarse clock; each must still
  // lead to a new sequence, or the quote drawn after the panel's place would
  // follow from that place.
  std::set<float> firsts;
  for (int i = 0; i < 2000; ++i) {
    rt::Randomize();
    firsts.insert(rt::NextRandom());
  }
  EXPECT_GT(firsts.size(), 1990U);

  rt::StartGenerator(7);
  rt::Randomize();
  const float a = rt::NextRandom();
  rt::StartGenerator(7);
  rt::Randomize();
  rt::Randomize();
  EXPECT_NE(rt::NextRandom(), a);
}

TEST(Text, TrimTakesSpacesOnlyAndFixedFieldsPadAndCut) {
  EXPECT_EQ(rt::Trim("  a  b  "), "a  b");
  EXPECT_EQ(rt::Trim("\ta b\r\n"), "\ta b\r\n");
  EXPECT_EQ(rt::Trim("     "), "");
  EXPECT_EQ(rt::Trim(""), "");

  rt::FixedString<5> field;
  EXPECT_EQ(field.Value(), "     ");
  field = "ab";
  EXPECT_EQ(field.Value(), "ab   ");
  field = "abcdefgh";
  EXPECT_EQ(field.Value(), "abcde");
  field = std::string_view("x\0y", 3);
  EXPECT_EQ(field.Value(), std::string("x\0y  ", 5));

  EXPECT_EQ(rt::InStr("/s", "/s"), 1);
  EXPECT_EQ(rt::InStr("-x /s", "/s"), 4);
  EXPECT_EQ(rt::InStr("/S", "/s"), 0);
  EXPECT_EQ(rt::InStr("", "/s"), 0);
}

TEST(LateBinding, UnknownMembersRaiseTheirOwnError) {
  rt::Object plain;
  EXPECT_EQ(ErrorOf([&] { plain.CallMethod("ShowIt"); }), rt::kErrNoSuchMember);
  EXPECT_EQ(ErrorOf([&] { plain.LetProperty("strError", "x"); }), rt::kErrNoSuchMember);
  EXPECT_EQ(rt::RuntimeError(rt::kErrNoSuchMember).Description(),
            "Object doesn't support this property or method");
}

class RecordFiles : public testing::ProgramTest {
 protected:
  TempDir dir_;
};

TEST_F(RecordFiles, OpenCreatesAMissingFileAndKeepsAnExistingOne) {
  const auto path = dir_.Path() / "new.dat";
  const std::int16_t number = rt::FreeFile();
  EXPECT_EQ(number, 1);
  rt::OpenRandom(number, path.string(), 200);
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(rt::FileLength(number), 0);
  EXPECT_EQ(rt::FreeFile(), 2);
  EXPECT_EQ(ErrorOf([&] { rt::OpenRandom(number, path.string(), 200); }), rt::kErrFileAlreadyOpen);
  rt::Close(number);
  EXPECT_EQ(rt::FreeFile(), 1);
  EXPECT_EQ(ErrorOf([&] { rt::Close(number); }), rt::kErrBadFileNumber);

  EXPECT_EQ(rt::OpenFileCount(), 0);

  // An existing file is opened as it is: neither truncated nor appended to.
  WriteFile(path, "0123456789");
  rt::OpenRandom(1, path.string(), 4);
  EXPECT_EQ(rt::FileLength(1), 10);
  rt::PutRecord(1, 2, "abcd", 4);
  rt::Close(1);
  EXPECT_EQ(ReadFile(path), "0123abcd89");
}

TEST_F(RecordFiles, WritesPastTheEndExtendAndReadsBeyondItLeaveTheBuffer) {
  const auto path = dir_.Path() / "records.dat";
  rt::OpenRandom(3, path.string(), 4);
  rt::PutRecord(3, 3, "wxyz", 4);
  EXPECT_EQ(rt::FileLength(3), 12);
  std::string buffer = "....";
  rt::GetRecord(3, 3, buffer.data(), 4);
  EXPECT_EQ(buffer, "wxyz");
  rt::PutRecord(3, 4, "ab", 2);  // a short last record
  buffer = "    ";
  rt::GetRecord(3, 4, buffer.data(), 4);
  EXPECT_EQ(buffer, "ab  ");
  buffer = "    ";
  rt::GetRecord(3, 9, buffer.data(), 4);
  EXPECT_EQ(buffer, "    ");
  EXPECT_EQ(ErrorOf([&] { rt::GetRecord(3, 0, buffer.data(), 4); }), rt::kErrBadRecordNumber);
  rt::OpenRandom(4, (dir_.Path() / "other.dat").string(), 4);
  EXPECT_EQ(rt::OpenFileCount(), 2);
  rt::CloseAll();
  EXPECT_EQ(rt::OpenFileCount(), 0);
  EXPECT_EQ(ReadFile(path), std::string(8, '\0') + "wxyzab");
}

// What a child process met: the run-time error's number (0 for none, -1
// when the child did not come back) and the file the error named.
struct ChildResult {
  std::int32_t number = -1;
  std::string file;
};

// Runs `prepare` (a limit or another user for this process only) and then
// `action` in a child process.
template <typename Prepare, typename Action>
ChildResult InChild(Prepare prepare, Action action) {
  int report[2];
  if (pipe(report) != 0) {
    return {};
  }
  const pid_t child = fork();
  if (child == 0) {
    close(report[0]);
    prepare();
    ChildResult result{0, ""};
    try {
      action();
    } catch (const rt::RuntimeError& error) {
      result = {error.Number(), error.File()};
    }
    (void)!write(report[1], &result.number, sizeof result.number);
    (void)!write(report[1], result.file.data(), result.file.size());
    _exit(0);
  }
  close(report[1]);
  ChildResult result;
  std::string bytes;
  char chunk[256];
  for (ssize_t got; (got = read(report[0], chunk, sizeof chunk)) > 0;) {
    bytes.append(chunk, static_cast<std::size_t>(got));
  }
  close(report[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (WIFEXITED(status) && bytes.size() >= sizeof result.number) {
    std::memcpy(&result.number, bytes.data(), sizeof result.number);
    result.file = bytes.substr(sizeof result.number);
  }
  return result;
}

TEST_F(RecordFiles, SystemFailuresBecomeTheNearestFileErrorAndNameTheFile) {
  namespace fs = std::filesystem;
  const fs::path dir = dir_.Path();
  WriteFile(dir / "plain", "x");
  fs::create_symlink(dir / "loop-b", dir / "loop-a");
  fs::create_symlink(dir / "loop-a", dir / "loop-b");
  WriteFile(dir / "no-permissions", "");
  fs::permissions(dir / "no-permissions", fs::perms::none);
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
  const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socket_path = (dir / "socket").string();
  ASSERT_LT(socket_path.size(), sizeof address.sun_path);
  socket_path.copy(address.sun_path, socket_path.size());
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  WriteFile(dir / "one-record", std::string(200, 'r'));
  fs::create_symlink("/dev/zero", dir / "zeros");

  auto nothing = [] {};
  // Root may open any file: a child that runs as root gives that up first.
  auto ordinary_user = [] {
    if (getuid() == 0) {
      (void)!setuid(65534);
    }
  };
  auto file_size_limit = [] {
    signal(SIGXFSZ, SIG_IGN);  // as the program does at its start
    const rlimit limit{300, 300};
    setrlimit(RLIMIT_FSIZE, &limit);
  };
  auto no_free_descriptor = [] {
    // The undefined-behaviour checker needs descriptors of its own the first
    // time it checks a type: let it meet the error's type while it can.
    try {
      rt::RaiseForFile(rt::kErrTooManyFiles, "warm-up");
    } catch (const rt::RuntimeError& error) {
      (void)error.File();
    }
    const int lowest_free = open("/dev/null", O_RDONLY);
    close(lowest_free);
    const rlimit limit{static_cast<rlim_t>(lowest_free), static_cast<rlim_t>(lowest_free)};
    setrlimit(RLIMIT_NOFILE, &limit);
  };
  struct Case {
    const char* what;
    fs::path path;
    std::function<void()> prepare;
    std::int32_t number;
  };
  // Records live in regular files only: a folder, a socket, a pipe or a
  // device (even through a link) is an access error, not a file.
  const Case cases[] = {
      {"a name too long", dir / std::string(300, 'n'), nothing, rt::kErrBadFileNumber},
      {"a missing folder", dir / "missing" / "f.dat", nothing, rt::kErrPathNotFound},
      {"a file as a folder", dir / "plain" / "f.dat", nothing, rt::kErrPathNotFound},
      {"a folder", dir, nothing, rt::kErrPathFileAccess},
      {"a loop of links", dir / "loop-a", nothing, rt::kErrPathFileAccess},
      {"a file without permissions", dir / "no-permissions", ordinary_user, rt::kErrPathFileAccess},
      {"a socket", dir / "socket", nothing, rt::kErrPathFileAccess},
      {"a pipe", dir / "fifo", nothing, rt::kErrPathFileAccess},
      {"a link to a device", dir / "zeros", nothing, rt::kErrPathFileAccess},
      {"a file-size limit", dir / "one-record", file_size_limit, rt::kErrDiskFull},
      {"no file descriptor left", dir / "plain", no_free_descriptor, rt::kErrTooManyFiles},
  };
  const std::string record(200, 'w');
  for (const Case& c : cases) {
    // Every failure comes from one of the steps of a record write.
    const ChildResult result = InChild(c.prepare, [&] {
      rt::OpenRandom(1, c.path.string(), 200);
      (void)rt::FileLength(1);
      rt::PutRecord(1, 2, record.data(), record.size());
      rt::Close(1);
    });
    EXPECT_EQ(result.number, c.number) << c.what;
    EXPECT_EQ(result.file, c.path.string()) << c.what;
  }
  close(listener);
  EXPECT_FALSE(fs::exists(dir / "missing"));
  // The record that the limit cut short is taken back whole.
  EXPECT_EQ(ReadFile(dir / "one-record"), std::string(200, 'r'));
}

TEST(FileErrors, EachSystemErrorHasTheNearestRunTimeError) {
  const std::pair<int, std::int32_t> table[] = {
      {ENOENT, rt::kErrPathNotFound},
      {ENOTDIR, rt::kErrPathNotFound},
      {ENAMETOOLONG, rt::kErrBadFileNumber},
      {EISDIR, rt::kErrPathFileAccess},
      {ELOOP, rt::kErrPathFileAccess},
      {EACCES, rt::kErrPathFileAccess},
      {ESPIPE, rt::kErrPathFileAccess},
      {ENXIO, rt::kErrDeviceUnavailable},
      {ENOSPC, rt::kErrDiskFull},
      {EFBIG, rt::kErrDiskFull},
      {EMFILE, rt::kErrTooManyFiles},
      {EPERM, rt::kErrPermissionDenied},
      {EBUSY, rt::kErrPermissionDenied},
      {ETXTBSY, rt::kErrPermissionDenied},
      {EAGAIN, rt::kErrPermissionDenied},
      {EROFS, rt::kErrPathFileAccess},
      {EINVAL, rt::kErrBadFileNumber},
      {EBADF, rt::kErrBadFileNumber},
      {ENODEV, rt::kErrDeviceUnavailable},
      {EDQUOT, rt::kErrDiskFull},
      {ENFILE, rt::kErrTooManyFiles},
      {ENOMEM, rt::kErrOutOfMemory},
      {EOVERFLOW, rt::kErrOverflow},
      {EIO, rt::kErrDeviceIo},
      // Codes that no file call should give keep the default.
      {EDOM, rt::kErrDeviceIo},
      {EXDEV, rt::kErrDeviceIo},
  };
  for (const auto& [error, number] : table) {
    EXPECT_EQ(rt::ErrorFromErrno(error), number) << std::strerror(error);
  }
  // Whatever a code maps to has a text of its own.
  for (int error = 1; error < 200; ++error) {
    EXPECT_NE(rt::DescribeError(rt::ErrorFromErrno(error)),
              rt::DescribeError(std::numeric_limits<std::int32_t>::max()))
        << error;
  }
}

TEST(Stage, FormOnThePrimaryCurtainsOnTheRestAndTheFormStaysWhileItsMonitorDoes) {
  using ui::Monitor;
  const Monitor a{0, 0, 1024, 768, false};      // at the origin
  const Monitor b{1024, 0, 1280, 1024, false};  // right of it
  const Monitor c{-800, 200, 800, 600, false};  // left of the origin
  const Monitor off{0, 0, 0, 0, true};          // marked, but showing nothing
  const auto marked = [](Monitor monitor) {
    monitor.primary = true;
    return monitor;
  };
  struct Case {
    std::vector<Monitor> monitors;
    std::optional<std::size_t> showing;
    std::optional<std::size_t> screen;
    std::vector<std::size_t> curtains;
  };
  const Case cases[] = {
      {{}, std::nullopt, std::nullopt, {}},
      {{b}, std::nullopt, 0, {}},  // one, wherever it is
      {{marked(a)}, std::nullopt, 0, {}},
      {{b, a}, std::nullopt, 1, {0}},          // none marked: the one at the origin
      {{a, marked(b)}, std::nullopt, 1, {0}},  // the marked one, second
      {{marked(a), b}, std::nullopt, 0, {1}},  // the marked one, first
      {{b, c, Monitor{0, 768, 1024, 768, false}}, std::nullopt, 1, {0, 2}},  // none at the origin
      {{b, Monitor{-800, 0, 800, 600, false}, c}, std::nullopt, 1, {0, 2}},  // leftmost, topmost
      {{a, b, marked(c)}, std::nullopt, 2, {0, 1}},
      {{b, marked(c), a}, std::nullopt, 1, {0, 2}},
      {{off, b, c}, std::nullopt, 2, {1}},
      {{marked(a), b, c}, 2, 2, {0, 1}},  // a monitor came: the form stays
      {{b, c}, 5, 1, {0}},                // its monitor went: to the primary
      {{b, off}, 1, 0, {}},               // its monitor went dark: likewise
  };
  for (const Case& test : cases) {
    const ui::StagePlan plan = ui::PlanStage(test.monitors, test.showing);
    EXPECT_EQ(plan.screen, test.screen) << &test - cases;
    EXPECT_EQ(plan.curtains, test.curtains) << &test - cases;
  }
}

}  // namespace
}  // namespace sagelight
