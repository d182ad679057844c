#include "ui/text_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "runtime/code_page.h"
#include "ui/message_box_layout.h"

namespace sagelight::ui {
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

// A new line at each line break, else at the last space that lets the line
// fit (the spaces at a break go), else inside a word wider than the label;
// widths come from the measure, not from counting characters.
TEST(BreakLinesTest, BreaksWhereTheTextOrTheLabelSays) {
  const MeasureText wide_w = [](std::u32string_view text) {
    return static_cast<int>(text.size() + 3 * std::count(text.begin(), text.end(), U'W')) * 10;
  };
  struct Case {
    std::u32string_view text;
    int width;
    Lines lines;
  };
  const Case cases[] = {
      {U"Sagelight\r\n\r\nA saying", 1000, {U"Sagelight", U"", U"A saying"}},
      {U"one\ntwo\rthree\r\n", 1000, {U"one", U"two", U"three", U""}},
      {U"the quick brown fox jumps", 100, {U"the quick", U"brown fox", U"jumps"}},
      {U"abcdefghij    klm", 100, {U"abcdefghij", U"klm"}},
      {U"abcdefghijklmnopqrstuvwxyz", 100, {U"abcdefghij", U"klmnopqrst", U"uvwxyz"}},
      {U"ab abcdefghijklmno cd", 100, {U"ab", U"abcdefghij", U"klmno cd"}},
      {U"abc", 5, {U"a", U"b", U"c"}},  // too narrow for one: a character a line
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BreakLines(c.text, c.width, Monospaced), c.lines) << ToUtf8(std::u32string(c.text));
  }
  EXPECT_EQ(BreakLines(U"aa WW aa aa", 120, wide_w), (Lines{U"aa WW", U"aa aa"}));
}

// The box at 10 px a character and 16 px a line: its size in the display's
// pixels, and how many lines of the prompt it shows. Whatever the text, the
// box stays on the screen with every line and the button inside it.
TEST(MessageBoxLayoutTest, FitsItsTextOnTheScreen) {
  struct Case {
    const char* what;
    std::string prompt;
    MessageIcon icon;
    double scale;
    int screen_width, screen_height;
    std::size_t lines;
    int width, height;
  };
  std::string tall;
  while (tall.size() < 600) {
    tall += "line\r\n";
  }
  const Case cases[] = {
      {"short: the narrowest box", "Hello", MessageIcon::kInformation, 1, 1024, 768, 1, 160, 91},
      {"no icon but information and critical", "Hello", MessageIcon::kQuestion, 1, 1024, 768, 1,
       160, 16 + 59},
      {"a long word wraps inside", std::string(100, 'x'), MessageIcon::kCritical, 1, 1024, 768, 2,
       56 + 640 + 12, 32 + 59},
      {"wider than the screen", "Run-time error '53': File not found", MessageIcon::kCritical, 1,
       150, 400, 5, 150, 80 + 59},
      {"a tall text keeps to the screen", tall, MessageIcon::kNone, 1, 1024, 200, 8, 160,
       8 * 16 + 59},
      {"twice the pixels at 192 dpi", "Hello", MessageIcon::kInformation, 2, 2048, 1536, 1, 320,
       182},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const MessageBoxLayout box = LayOutMessageBox(c.prompt, c.icon,
                                                  {.scale = c.scale,
                                                   .screen_width = c.screen_width,
                                                   .screen_height = c.screen_height,
                                                   .line_height = 16,
                                                   .measure = Monospaced});
    EXPECT_EQ(box.lines.size(), c.lines);
    EXPECT_EQ(box.width, c.width);
    EXPECT_EQ(box.height, c.height);
    for (const std::u32string& line : box.lines) {
      EXPECT_LE(box.text_left + Monospaced(line), box.width);
    }
    EXPECT_EQ(box.button.left, (box.width - box.button.width) / 2);
    EXPECT_LE(box.button.top + box.button.height, box.height);
    EXPECT_GE(box.button.top, box.text_top + static_cast<int>(box.lines.size()) * 16);
  }
}

// What closes the box: a key that means OK, or a click that goes down and
// up on the button; the button looks pushed while held over it.
TEST(MessageBoxLayoutTest, KeysAndClicksOnTheButtonCloseIt) {
  const BoxRect button{40, 50, 75, 23};
  for (const BoxKey key : {BoxKey::kEnter, BoxKey::kEscape, BoxKey::kSpace, BoxKey::kOther}) {
    BoxInput input(button);
    input.KeyPressed(key);
    EXPECT_EQ(input.Closed(), key != BoxKey::kOther);
  }
  struct Click {
    const char* what;
    double down_x, up_x;
    bool closes;
  };
  for (const Click& c :
       {Click{"on the button", 50, 100, true}, Click{"released beside it", 50, 10, false},
        Click{"pressed beside it", 10, 50, false}}) {
    SCOPED_TRACE(c.what);
    BoxInput input(button);
    EXPECT_EQ(input.LeftPressed(c.down_x, 60), c.down_x >= 40);
    EXPECT_EQ(input.ButtonDown(), c.down_x >= 40);
    input.LeftReleased(c.up_x, 60);
    EXPECT_EQ(input.Closed(), c.closes);
    EXPECT_FALSE(input.ButtonDown());
  }
  BoxInput input(button);
  input.LeftPressed(50, 60);
  EXPECT_TRUE(input.PointerMoved(50, 90));  // out: drawn raised
  EXPECT_FALSE(input.PointerMoved(0, 0));
  EXPECT_TRUE(input.PointerMoved(45, 55));  // back in
  input.LeftReleased(45, 55);
  EXPECT_TRUE(input.Closed());
}

}  // namespace
}  // namespace sagelight::ui
