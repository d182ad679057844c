#include "backends/text/text_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/code_page.h"

namespace sagelight::posix {
namespace {

using Lines = std::vector<std::u32string>;

// Ten pixels a character, as a monospaced face would measure.
int Monospaced(std::u32string_view text) { return static_cast<int>(text.size()) * 10; }

using rt::FromUtf8;
using rt::FromWindows1252;
using rt::ToUtf8;
using rt::ToWindows1252;

TEST(Windows1252Test, BytesThatDifferFromLatin1MapToTheirCharacters) {
  EXPECT_EQ(FromWindows1252("\x80\x85\x91\x92\x93\x94\x96\x97\x99\x9F"),
            U"\u20AC\u2026\u2018\u2019\u201C\u201D\u2013\u2014\u2122\u0178");
  // The five bytes the code page leaves open keep their own value.
  EXPECT_EQ(FromWindows1252("\x81\x8D\x8F\x90\x9D"), U"\u0081\u008D\u008F\u0090\u009D");
  EXPECT_EQ(FromWindows1252("Az ~\x7F\xA0\xE9\xFF"), U"Az ~\u007F\u00A0\u00E9\u00FF");
  EXPECT_EQ(ToUtf8(FromWindows1252("caf\xE9 \x80")), "caf\xC3\xA9 \xE2\x82\xAC");
  // Typed text comes back the other way: every byte of the code page
  // survives the round trip, and a character it lacks has no byte.
  for (int byte = 1; byte < 256; ++byte) {
    const std::string one(1, static_cast<char>(byte));
    EXPECT_EQ(ToWindows1252(FromUtf8(ToUtf8(FromWindows1252(one))).at(0)),
              static_cast<unsigned char>(byte));
  }
  EXPECT_EQ(ToWindows1252(U'\u0436'), std::nullopt);  // Cyrillic zhe
  EXPECT_EQ(FromUtf8("\xD0\xB6\xE2\x82\xAC\xF0\x9F\x99\x82"), U"\u0436\u20AC\U0001F642");
  EXPECT_EQ(FromUtf8("a\xC3"), U"a\uFFFD");  // cut short
}

TEST(BreakLinesTest, LineBreaksInTheTextStartNewLines) {
  EXPECT_EQ(BreakLines(U"Sagelight\r\n\r\nA saying", 1000, Monospaced),
            (Lines{U"Sagelight", U"", U"A saying"}));
  EXPECT_EQ(BreakLines(U"one\ntwo\rthree\r\n", 1000, Monospaced),
            (Lines{U"one", U"two", U"three", U""}));
}

TEST(BreakLinesTest, WrapsAtTheLastSpaceThatFits) {
  EXPECT_EQ(BreakLines(U"the quick brown fox jumps", 100, Monospaced),
            (Lines{U"the quick", U"brown fox", U"jumps"}));
  // A line exactly as wide as the label fits; the spaces at a break go.
  EXPECT_EQ(BreakLines(U"abcdefghij    klm", 100, Monospaced), (Lines{U"abcdefghij", U"klm"}));
  // Widths come from the measure, not from counting characters.
  const auto wide_w = [](std::u32string_view text) {
    int width = 0;
    for (const char32_t c : text) {
      width += c == U'W' ? 40 : 10;
    }
    return width;
  };
  EXPECT_EQ(BreakLines(U"aa WW aa aa", 120, wide_w), (Lines{U"aa WW", U"aa aa"}));
}

TEST(BreakLinesTest, WordsWiderThanTheLabelBreakInside) {
  EXPECT_EQ(BreakLines(U"abcdefghijklmnopqrstuvwxyz", 100, Monospaced),
            (Lines{U"abcdefghij", U"klmnopqrst", U"uvwxyz"}));
  EXPECT_EQ(BreakLines(U"ab abcdefghijklmno cd", 100, Monospaced),
            (Lines{U"ab", U"abcdefghij", U"klmno cd"}));
  // Even a label too narrow for one character moves on, a character a line.
  EXPECT_EQ(BreakLines(U"abc", 5, Monospaced), (Lines{U"a", U"b", U"c"}));
}

}  // namespace
}  // namespace sagelight::posix
