#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "runtime/convert.h"
#include "runtime/random.h"
#include "runtime/record_file.h"
#include "runtime/runtime_error.h"
#include "tests/unit/test_support.h"
#include "ui/stage.h"

namespace sagelight {
namespace {

namespace fs = std::filesystem;
using testing::ErrorOf;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

TEST(Conversions, LeavingTheRangeOverflowsAtItsVeryEdge) {
  EXPECT_EQ(rt::RoundToInt32(-2147483648.5), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(ErrorOf([] { rt::RoundToInt32(2147483647.5); }), rt::kErrOverflow);
  EXPECT_EQ(rt::FloorToInt16(-32768.0), -32768);
  EXPECT_EQ(ErrorOf([] { rt::FloorToInt16(32768.0); }), rt::kErrOverflow);
  EXPECT_EQ(ErrorOf([] { rt::NarrowToInt16(32768); }), rt::kErrOverflow);
  EXPECT_EQ(rt::AddInt16(32766, 1), 32767);
  EXPECT_EQ(ErrorOf([] { rt::AddInt16(32767, 1); }), rt::kErrOverflow);
  EXPECT_EQ(rt::SubtractInt16(3000, 4095), -1095);
  EXPECT_EQ(rt::SubtractInt32(2147483647, 1), 2147483646);
  EXPECT_EQ(ErrorOf([] { rt::SubtractInt32(-2147483647, 2); }), rt::kErrOverflow);
  EXPECT_EQ(rt::RoundToSingle(3.00000001), 3.0F);
  EXPECT_EQ(ErrorOf([] { rt::RoundToSingle(1e39); }), rt::kErrOverflow);
  EXPECT_EQ(ErrorOf([] { rt::RoundToSingle(std::nan("")); }), rt::kErrInvalidCall);
}

TEST(RandomNumbers, StayBelowOneReachBothEndsAndEveryReseedStartsANewSequence) {
  rt::StartGenerator(12345);
  float smallest = 1.0F;
  float largest = 0.0F;
  for (int i = 0; i < 200000; ++i) {
    const float r = rt::NextRandom();
    ASSERT_TRUE(r >= 0.0F && r < 1.0F) << r;
    smallest = std::min(smallest, r);
    largest = std::max(largest, r);
  }
  EXPECT_LT(smallest, 0.001F);
  EXPECT_GT(largest, 0.999F);
  // Many re-seeds fall within one reading of a coarse clock; each must still
  // lead to a new sequence, or the quote drawn after the panel's place would
  // follow from that place.
  std::set<float> firsts;
  for (int i = 0; i < 2000; ++i) {
    rt::Randomize();
    firsts.insert(rt::NextRandom());
  }
  EXPECT_GT(firsts.size(), 1990U);
}

class RecordFiles : public testing::ProgramTest {
 protected:
  TempDir dir_;
};

TEST_F(RecordFiles, OpenCreatesOrKeepsTheFileAndRecordsGoByNumber) {
  const fs::path path = dir_.Path() / "records.dat";
  EXPECT_EQ(rt::FreeFile(), 1);
  rt::OpenRandom(1, path.string(), 4);
  EXPECT_EQ(rt::FileLength(1), 0);
  EXPECT_EQ(rt::FreeFile(), 2);
  EXPECT_EQ(ErrorOf([&] { rt::OpenRandom(1, path.string(), 4); }), rt::kErrFileAlreadyOpen);
  for (const std::int16_t outside : {0, 256}) {
    EXPECT_EQ(ErrorOf([&] { rt::OpenRandom(outside, path.string(), 4); }), rt::kErrBadFileNumber);
  }
  rt::OpenRandom(255, (dir_.Path() / "last.dat").string(), 4);
  EXPECT_EQ(rt::OpenFileCount(), 2);

  rt::PutRecord(1, 3, "wxyz", 4);  // past the end: the file grows
  EXPECT_EQ(rt::FileLength(1), 12);
  rt::PutRecord(1, 4, "ab", 2);  // a short last record
  std::string buffer = "....";
  rt::GetRecord(1, 3, buffer.data(), 4);
  EXPECT_EQ(buffer, "wxyz");
  buffer = "    ";
  rt::GetRecord(1, 4, buffer.data(), 4);
  EXPECT_EQ(buffer, "ab  ");
  buffer = "    ";
  rt::GetRecord(1, 9, buffer.data(), 4);  // beyond the end: the buffer stays
  EXPECT_EQ(buffer, "    ");
  EXPECT_EQ(ErrorOf([&] { rt::GetRecord(1, 0, buffer.data(), 4); }), rt::kErrBadRecordNumber);
  rt::Close(1);
  EXPECT_EQ(ErrorOf([] { rt::Close(1); }), rt::kErrBadFileNumber);
  EXPECT_EQ(rt::FreeFile(), 1);
  rt::CloseAll();
  EXPECT_EQ(rt::OpenFileCount(), 0);
  EXPECT_EQ(ReadFile(path), std::string(8, '\0') + "wxyzab");

  // An existing file is opened as it is: neither truncated nor appended to.
  WriteFile(path, "0123456789");
  rt::OpenRandom(1, path.string(), 4);
  EXPECT_EQ(rt::FileLength(1), 10);
  rt::PutRecord(1, 2, "abcd", 4);
  rt::Close(1);
  EXPECT_EQ(ReadFile(path), "0123abcd89");
}

TEST_F(RecordFiles, SystemFailuresBecomeTheNearestFileErrorAndNameTheFile) {
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
      {"a file-size limit", dir / "one-record", [] { testing::LimitFileSize(300); },
       rt::kErrDiskFull},
      {"no file descriptor left", dir / "plain", no_free_descriptor, rt::kErrTooManyFiles},
  };
  const std::string record(200, 'w');
  for (const Case& c : cases) {
    // Every failure comes from one of the steps of a record write.
    const testing::ChildResult result = testing::InChild(c.prepare, [&] {
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

// Room is counted in whole blocks of the file system, of which /proc has
// none to give. (The file-size limit is met where the seeding checks room.)
TEST(RoomCheck, ABlockShortIsDiskFull) {
  EXPECT_EQ(ErrorOf([] { rt::CheckRoom("/proc/sagelight.quo", 0); }), 0);
  EXPECT_EQ(ErrorOf([] { rt::CheckRoom("/proc/sagelight.quo", 1); }), rt::kErrDiskFull);
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
      {{b}, std::nullopt, 0, {}},              // one, wherever it is
      {{b, a}, std::nullopt, 1, {0}},          // none marked: the one at the origin
      {{a, marked(b)}, std::nullopt, 1, {0}},  // the marked one, second
      {{marked(a), b}, std::nullopt, 0, {1}},  // the marked one, first
      {{b, c, Monitor{0, 768, 1024, 768, false}}, std::nullopt, 1, {0, 2}},  // none at the origin
      {{b, Monitor{-800, 0, 800, 600, false}, c}, std::nullopt, 1, {0, 2}},  // leftmost, topmost
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
