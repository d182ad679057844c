#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <set>
#include <string>

#include "platform/convert.h"
#include "platform/monitors.h"
#include "platform/object.h"
#include "platform/palette.h"
#include "platform/random.h"
#include "platform/record_file.h"
#include "platform/runtime_error.h"
#include "platform/text.h"
#include "tests/unit/test_support.h"

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
  Runtime().Random().state = 12345;
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

  // The largest float below 1 must give m, never m + 1, in floor(m * r + 1).
  const float top = std::nextafter(1.0F, 0.0F);
  for (const int m : {1, 7, 431, 8985, 11265, 32767}) {
    EXPECT_EQ(rt::FloorToInt16(static_cast<double>(top) * m + 1.0), m) << m;
    EXPECT_EQ(rt::FloorToInt16(0.0 * m + 1.0), 1) << m;
  }
  ScriptRandom({top, 0.0F});
  EXPECT_EQ(rt::NextRandom(), top);
  EXPECT_EQ(rt::NextRandom(), 0.0F);
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

  Runtime().Random().state = 7;
  rt::Randomize();
  const float a = rt::NextRandom();
  Runtime().Random().state = 7;
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

TEST(Palette, ColoursTwoToEightAndOnlyIndicesOfTheTable) {
  EXPECT_EQ(rt::PaletteColor(2), ui::Color(0, 128, 0));
  EXPECT_EQ(rt::PaletteColor(3), ui::Color(0, 128, 128));
  EXPECT_EQ(rt::PaletteColor(4), ui::Color(128, 0, 0));
  EXPECT_EQ(rt::PaletteColor(5), ui::Color(128, 0, 128));
  EXPECT_EQ(rt::PaletteColor(6), ui::Color(128, 128, 0));
  EXPECT_EQ(rt::PaletteColor(7), ui::Color(192, 192, 192));
  EXPECT_EQ(rt::PaletteColor(8).Bgr(), 0x808080U);
  EXPECT_EQ(ErrorOf([] { rt::PaletteColor(16); }), rt::kErrInvalidCall);
  EXPECT_EQ(ErrorOf([] { rt::PaletteColor(-1); }), rt::kErrInvalidCall);
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

TEST_F(RecordFiles, OpenCreatesAMissingFileButNeverAMissingFolder) {
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

  const auto in_missing = dir_.Path() / "missing" / "new.dat";
  EXPECT_EQ(ErrorOf([&] { rt::OpenRandom(1, in_missing.string(), 200); }), rt::kErrPathNotFound);
  EXPECT_FALSE(std::filesystem::exists(dir_.Path() / "missing"));
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

TEST_F(RecordFiles, OperatingSystemFailuresBecomeFileErrors) {
  // /dev/full accepts the open and refuses every write with ENOSPC.
  if (!std::filesystem::exists("/dev/full")) {
    GTEST_SKIP() << "no /dev/full";
  }
  rt::OpenRandom(1, "/dev/full", 200);
  const std::string record(200, 'x');
  EXPECT_EQ(ErrorOf([&] { rt::PutRecord(1, 1, record.data(), record.size()); }), rt::kErrDiskFull);
  rt::Close(1);

  const auto locked = dir_.Path() / "locked";
  std::filesystem::create_directory(locked);
  std::filesystem::permissions(
      locked, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const bool root_ignores_permissions = [&] {
    WriteFile(locked / "probe", "x");
    return std::filesystem::exists(locked / "probe");
  }();
  if (!root_ignores_permissions) {
    EXPECT_EQ(ErrorOf([&] { rt::OpenRandom(1, (locked / "f.dat").string(), 200); }),
              rt::kErrPathFileAccess);
  }
  EXPECT_EQ(ErrorOf([&] { rt::OpenRandom(1, dir_.Path().string(), 200); }), rt::kErrPathFileAccess);
}

TEST(Monitors, TheScreenIsThePrimaryElseTheOneAtTheOriginElseTheFirst) {
  using ui::Monitor;
  const Monitor left{0, 0, 1024, 768, false};
  const Monitor right{1024, 0, 1280, 1024, false};
  const Monitor right_primary{1024, 0, 1280, 1024, true};
  const Monitor off{0, 0, 0, 0, true};
  EXPECT_EQ(ui::PrimaryMonitor({left, right_primary}), 1U);
  EXPECT_EQ(ui::PrimaryMonitor({right, left}), 1U);  // none marked: the one at the origin
  EXPECT_EQ(ui::PrimaryMonitor({right, Monitor{2304, 0, 800, 600, false}}), 0U);
  EXPECT_EQ(ui::PrimaryMonitor({off, right}), 1U);  // marked, but showing nothing
  EXPECT_EQ(ui::PrimaryMonitor({}), std::nullopt);
}

}  // namespace
}  // namespace sagelight
