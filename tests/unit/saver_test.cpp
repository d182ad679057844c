#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <utility>

#include "quotes/collection.h"
#include "runtime/palette.h"
#include "runtime/random.h"
#include "runtime/record_file.h"
#include "saver/saver_design.h"
#include "saver/saver_form.h"
#include "startup/module1.h"
#include "tests/unit/test_support.h"

namespace sagelight {
namespace {

namespace fs = std::filesystem;
using headless::HeadlessPlatform;

const std::set<ui::Color> kCycleColours = {ui::Color(0, 128, 0),    ui::Color(0, 128, 128),
                                           ui::Color(128, 0, 0),    ui::Color(128, 0, 128),
                                           ui::Color(128, 128, 0),  ui::Color(192, 192, 192),
                                           ui::Color(128, 128, 128)};
const float kTopR = std::nextafter(1.0F, 0.0F);

class DisplayCycle : public testing::ProgramTest {
 protected:
  static bool PanelShowing(const HeadlessPlatform& saver) {
    return saver.ShownForm()->Showing(kPic);
  }
  static std::string Caption(const HeadlessPlatform& saver) {
    return saver.ShownForm()->Caption(kLabel1);
  }
};

TEST_F(DisplayCycle, ShowsASayingAtOneSecondForSeventeenOfEveryTwenty) {
  HeadlessPlatform& saver = StartSaver();
  ASSERT_FALSE(StartStatus());
  const ui::Form& form = *saver.ShownForm();

  saver.Advance(999);
  EXPECT_FALSE(PanelShowing(saver));
  EXPECT_EQ(saver.TicksDelivered(), 0);
  saver.Advance(1);
  ASSERT_TRUE(PanelShowing(saver));
  const std::string first = Caption(saver);
  EXPECT_EQ(first.rfind("Sagelight\r\n\r\n", 0), 0U);
  EXPECT_GT(first.size(), std::string("Sagelight\r\n\r\n").size());
  EXPECT_EQ(form.Caption(kLabel2), kCaptionLine);

  saver.Advance(16999);  // 17.999 s
  EXPECT_TRUE(PanelShowing(saver));
  EXPECT_EQ(Caption(saver), first);
  saver.Advance(1);  // 18 s
  EXPECT_FALSE(PanelShowing(saver));
  saver.Advance(2999);  // 20.999 s
  EXPECT_FALSE(PanelShowing(saver));
  EXPECT_EQ(intTick, 0);
  saver.Advance(1);  // 21 s
  EXPECT_TRUE(PanelShowing(saver));
  EXPECT_EQ(intTick, 1);
  EXPECT_EQ(saver.TicksDelivered(), 21);
  EXPECT_TRUE(saver.MessageBoxes().empty());
}

TEST_F(DisplayCycle, EveryPanelIsWhollyOnScreenInACycleColourNeverAsDesigned) {
  HeadlessPlatform& saver = StartSaver();
  const ui::Form& form = *saver.ShownForm();
  std::set<ui::Color> seen;
  std::set<std::string> sayings;
  for (int cycle = 0; cycle < 300; ++cycle) {
    saver.Advance(cycle == 0 ? 1000 : 20000);
    ASSERT_TRUE(PanelShowing(saver));
    const float x = form.Left(kPic);
    const float y = form.Top(kPic);
    ASSERT_GE(x, 1.0F);
    ASSERT_GE(y, 1.0F);
    ASSERT_LE(x + form.Width(kPic), 15360.0F);
    ASSERT_LE(y + form.Height(kPic), 11520.0F);
    ASSERT_EQ(form.Width(kPic), 4095.0F);
    ASSERT_EQ(form.Height(kPic), 2535.0F);
    ASSERT_TRUE(kCycleColours.count(form.BackColor(kPic))) << form.BackColor(kPic).Bgr();
    ASSERT_NE(Caption(saver), "xxx");
    ASSERT_FALSE(x == 2400.0F && y == 1020.0F);
    seen.insert(form.BackColor(kPic));
    sayings.insert(Caption(saver));
  }
  EXPECT_EQ(seen.size(), 7U);
  EXPECT_GT(sayings.size(), 150U);  // about 216 distinct of 300 draws from 431
  EXPECT_EQ(rt::OpenFileCount(), 0);
}

TEST_F(DisplayCycle, TheEndsOfTheRandomRangeReachTheEdgesOfThePlacesAndColours) {
  HeadlessPlatform& saver = StartSaver();
  const ui::Form& form = *saver.ShownForm();
  // Draws of a tick: left, top, the saying, the colour.
  ScriptRandom({0.0F, 0.0F, 0.0F, 0.0F});
  saver.Advance(1000);
  EXPECT_EQ(form.Left(kPic), 1.0F);
  EXPECT_EQ(form.Top(kPic), 1.0F);
  EXPECT_EQ(form.BackColor(kPic), ui::Color::FromBgr(rt::PaletteColor(2)));
  EXPECT_EQ(Caption(saver), "Sagelight\r\n\r\n" + std::string(kCollection[0]));

  ScriptRandom({kTopR, kTopR, kTopR, kTopR});
  saver.Advance(20000);
  EXPECT_EQ(form.Left(kPic), 11265.0F);
  EXPECT_EQ(form.Top(kPic), 8985.0F);
  EXPECT_EQ(form.BackColor(kPic), ui::Color::FromBgr(rt::PaletteColor(8)));

  // In between, each draw in its place: the saying's draw before the
  // colour's, and every product of a draw worked out in double precision
  // (in single precision these give 5636, 4496 and record 7).
  ScriptRandom({0.5002219080924988F, 0.5002782344818115F, 0.013921113684773445F, 0.9F});
  saver.Advance(20000);
  EXPECT_EQ(form.Left(kPic), 5635.0F);
  EXPECT_EQ(form.Top(kPic), 4495.0F);
  EXPECT_EQ(Caption(saver), "Sagelight\r\n\r\n" + std::string(kCollection[5]));
  EXPECT_EQ(form.BackColor(kPic), ui::Color::FromBgr(rt::PaletteColor(8)));
}

// Every run starts the generator afresh; the clock's re-seed before the
// place is drawn is what tells two runs' first panels apart.
TEST_F(DisplayCycle, EachRunDrawsItsFirstPlaceAfterAReseed) {
  std::set<std::pair<float, float>> places;
  for (int run = 0; run < 2; ++run) {
    HeadlessPlatform& saver = StartSaver();
    saver.Advance(1000);
    places.emplace(saver.ShownForm()->Left(kPic), saver.ShownForm()->Top(kPic));
  }
  EXPECT_EQ(places.size(), 2U);
}

TEST_F(DisplayCycle, ScreensAsWideAsThePanelOrNarrower) {
  headless::Options options = SaverOptions();
  options.screen_width_px = 273;  // exactly the panel: dW = 0
  HeadlessPlatform& exact = Start(options);
  ScriptRandom({kTopR, 0.5F, 0.5F, 0.5F});
  exact.Advance(1000);
  EXPECT_EQ(exact.ShownForm()->Left(kPic), 1.0F);

  options.screen_width_px = 200;  // 3000 twips: dW = -1095
  HeadlessPlatform& narrow = Start(options);
  ScriptRandom({kTopR, 0.5F, 0.5F, 0.5F});
  narrow.Advance(1000);
  EXPECT_EQ(narrow.ShownForm()->Left(kPic), -1094.0F);
  ScriptRandom({0.0F, 0.5F, 0.5F, 0.5F});
  narrow.Advance(20000);
  EXPECT_EQ(narrow.ShownForm()->Left(kPic), 1.0F);
  EXPECT_TRUE(narrow.MessageBoxes().empty());
}

TEST_F(DisplayCycle, AFailedTickShowsOneBoxAndTheCycleGoesOn) {
  HeadlessPlatform& saver = StartSaver();
  fs::remove_all(SystemFolder());
  saver.Advance(1000);
  ASSERT_EQ(saver.MessageBoxes().size(), 1U);
  const headless::MessageBoxRecord& box = saver.MessageBoxes()[0];
  EXPECT_EQ(box.prompt, "An error has occured: \r\nfrmSaver.Timer1_Error: Path not found.");
  EXPECT_EQ(box.icon, ui::MessageIcon::kInformation);
  EXPECT_EQ(box.title, "");
  EXPECT_FALSE(PanelShowing(saver));
  EXPECT_EQ(Caption(saver), "xxx");
  EXPECT_EQ(intTick, 1);

  saver.Advance(17000);  // tick 18 hides what is already hidden
  EXPECT_EQ(intTick, 18);
  saver.Advance(2000);
  EXPECT_EQ(intTick, 0);
  EXPECT_EQ(saver.MessageBoxes().size(), 1U);
  saver.Advance(1000);  // 21 s: the next attempt
  EXPECT_EQ(saver.MessageBoxes().size(), 2U);
  EXPECT_EQ(saver.MessageBoxes()[1].opened_at_ms, 21000);

  fs::create_directories(SystemFolder());  // the file comes back empty
  saver.Advance(20000);
  EXPECT_TRUE(PanelShowing(saver));
  EXPECT_EQ(Caption(saver), "Sagelight\r\n\r\n");
  EXPECT_FALSE(saver.Ended());

  // A NUL ends the saying shown, as it ends a window's text.
  std::string record = "Words" + std::string(1, '\0') + "hidden";
  record.resize(200, ' ');
  testing::WriteFile(QuoteFile(), record);
  saver.Advance(20000);
  EXPECT_EQ(Caption(saver), "Sagelight\r\n\r\nWords");
}

TEST_F(DisplayCycle, TheQuoteCountOverflowsButScreensOfAnyWidthShowSayings) {
  HeadlessPlatform& saver = StartSaver();
  fs::resize_file(QuoteFile(), 6553500);
  saver.Advance(1000);
  ASSERT_EQ(saver.MessageBoxes().size(), 1U);
  EXPECT_EQ(saver.MessageBoxes()[0].prompt,
            "An error has occured: \r\nfrmSaver.Timer1_Error: Overflow.");
  EXPECT_FALSE(PanelShowing(saver));

  // 3840 x 2160 pixels are 57600 x 32400 twips: more than 16 bits hold.
  fs::resize_file(QuoteFile(), 86200);
  headless::Options options = SaverOptions();
  options.screen_width_px = 3840;
  options.screen_height_px = 2160;
  HeadlessPlatform& wide = Start(options);
  ScriptRandom({kTopR, kTopR, 0.5F, 0.5F});
  wide.Advance(1000);
  EXPECT_TRUE(wide.MessageBoxes().empty());
  ASSERT_TRUE(PanelShowing(wide));
  EXPECT_EQ(wide.ShownForm()->Left(kPic), 57600.0F - 4095.0F);
  EXPECT_EQ(wide.ShownForm()->Top(kPic), 32400.0F - 2535.0F);
  // A pointer recorded far right still tells a nudge from a move.
  wide.MovePointer(50000, 30000);
  wide.MovePointer(50003, 30000);
  EXPECT_EQ(frmSaver::Instance()->LastX(), 50003);
  EXPECT_FALSE(wide.Ended());
  wide.MovePointer(50007, 30000);
  EXPECT_TRUE(wide.Ended());
}

TEST_F(DisplayCycle, NoTicksRunWhileABoxIsOpenAndNoneBurstAfterIt) {
  headless::Options options = SaverOptions();
  options.message_box_open_ms = 5000;
  HeadlessPlatform& saver = Start(options);
  fs::remove_all(SystemFolder());
  // While the box is open from 1 s to 6 s nothing reaches the program: no
  // tick, no key, no pointer, no click.
  saver.OnMessageBox([&saver](const headless::MessageBoxRecord& /*box*/) {
    saver.TypeCharacter('q');
    saver.MovePointerToPixel(10, 10);
    saver.MovePointerToPixel(500, 500);
    saver.ClickPixel(100, 60);
  });
  saver.Advance(1000);
  EXPECT_EQ(saver.Now(), 6000);
  EXPECT_FALSE(saver.Ended());
  // The ticks that fell due meanwhile come as one, at once, and the next
  // one a second later.
  EXPECT_EQ(saver.TicksDelivered(), 2);
  EXPECT_EQ(intTick, 2);
  saver.Advance(999);
  EXPECT_EQ(saver.TicksDelivered(), 2);
  saver.Advance(1);
  EXPECT_EQ(saver.TicksDelivered(), 3);
  ASSERT_EQ(saver.MessageBoxes().size(), 1U);
}

TEST_F(DisplayCycle, MemoryRunningOutInATickIsReportedLikeAnyError) {
  HeadlessPlatform& saver = StartSaver();
  saver.OnScreenQuery([] { throw std::bad_alloc(); });
  saver.Advance(1000);
  ASSERT_EQ(saver.MessageBoxes().size(), 1U);
  EXPECT_EQ(saver.MessageBoxes()[0].prompt,
            "An error has occured: \r\nfrmSaver.Timer1_Error: Out of memory.");
  EXPECT_FALSE(saver.Ended());
  EXPECT_FALSE(PanelShowing(saver));
}

class Dismissal : public testing::ProgramTest {
 protected:
  HeadlessPlatform& Saver() {
    HeadlessPlatform& saver = StartSaver();
    saver_ = &saver;
    return saver;
  }
  [[nodiscard]] const frmSaver& Form() const { return *frmSaver::Instance(); }
  void ExpectEndedCleanly() const {
    EXPECT_TRUE(saver_->Ended());
    EXPECT_EQ(saver_->ExitStatus(), 0);
    EXPECT_FALSE(saver_->ShownForm()->Enabled(kTimer1));
    EXPECT_EQ(Module1::objQuotes, nullptr);
    EXPECT_EQ(Module1::objError, nullptr);
    EXPECT_EQ(rt::OpenFileCount(), 0);
  }

 private:
  HeadlessPlatform* saver_ = nullptr;
};

TEST_F(Dismissal, PointerMovesEndTheSaverOnlyFromARecordedPosition) {
  HeadlessPlatform& saver = Saver();
  saver.MovePointer(9000.5F, 7000);  // the first event only records, however far
  EXPECT_FALSE(saver.Ended());
  EXPECT_EQ(Form().LastX(), 9000);  // halves go to the even neighbour
  saver.MovePointer(9001.5F, 7000);
  EXPECT_EQ(Form().LastX(), 9002);
  saver.MovePointer(9003, 6997);  // exactly 3 twips is no movement
  EXPECT_FALSE(saver.Ended());
  EXPECT_EQ(Form().LastX(), 9003);
  saver.MovePointerToPixel(-1, 400);  // off the form, as a held button reports
  saver.MovePointerToPixel(1024, 400);
  saver.MovePointerToPixel(400, 768);
  EXPECT_FALSE(saver.Ended());
  for (int step = 1; step <= 100; ++step) {  // creeping never adds up
    saver.MovePointer(9003.0F + 3.0F * static_cast<float>(step), 6997);
  }
  EXPECT_FALSE(saver.Ended());
  EXPECT_EQ(Form().LastX(), 9303);
  saver.MovePointer(9306.01F, 6997);  // a little more than 3 twips
  ExpectEndedCleanly();
  EXPECT_EQ(Form().LastX(), 9303);  // nothing after the end ran
}

TEST_F(Dismissal, APositionOnTheLeftOrTopEdgeOnlyRecords) {
  HeadlessPlatform& saver = Saver();
  saver.MovePointer(0, 4000);
  saver.MovePointer(6000, 6000);  // the recorded x was 0: this only records
  EXPECT_FALSE(saver.Ended());
  saver.MovePointer(6015, 6000);
  ExpectEndedCleanly();

  HeadlessPlatform& top = Saver();
  top.MovePointer(6000, 0);
  top.MovePointer(6000, 3000);  // the recorded y was 0
  EXPECT_FALSE(top.Ended());
  top.MovePointer(6000, 3015);
  EXPECT_TRUE(top.Ended());
}

TEST_F(Dismissal, ThePanelSwallowsPointerMovesButNotTheWayBack) {
  HeadlessPlatform& saver = Saver();
  ScriptRandom({0.0F, 0.0F, 0.5F, 0.5F});  // the panel at (1, 1)
  saver.MovePointer(6000, 5000);
  saver.Advance(1000);
  ASSERT_TRUE(saver.ShownForm()->Showing(kPic));
  saver.MovePointer(100, 100);    // over the frame
  saver.MovePointer(2000, 1500);  // over the saying
  saver.MovePointer(2000, 2450);  // over the caption strip
  EXPECT_FALSE(saver.Ended());
  EXPECT_EQ(Form().LastX(), 6000);
  saver.MovePointer(6002, 5001);  // back on the background, next to where it left
  EXPECT_FALSE(saver.Ended());
  saver.MovePointer(100, 100);
  saver.MovePointer(7000, 5001);  // the first background event after the panel
  ExpectEndedCleanly();

  // Once the panel hides at 18 s the same place is background again.
  HeadlessPlatform& again = Saver();
  ScriptRandom({0.0F, 0.0F, 0.5F, 0.5F});
  again.MovePointer(2000, 1500);
  again.Advance(18000);
  again.MovePointer(2100, 1500);
  EXPECT_TRUE(again.Ended());
}

// The panel is drawn at its place rounded to whole pixels: its first and last
// drawn columns and rows swallow the pointer, the pixels just beyond them are
// background, whichever way the place in twips rounds. A pointer event that
// reaches the handler is the first, so it only records.
TEST_F(Dismissal, ThePointerIsHitTestedAgainstThePanelAsDrawn) {
  struct Probe {
    int dx, dy;  // from the panel's drawn top left corner, in pixels
    bool swallowed;
  };
  const Probe probes[] = {{0, 80, true},  {-1, 80, false},  {272, 80, true},  {273, 80, false},
                          {100, 0, true}, {100, -1, false}, {100, 168, true}, {100, 169, false}};
  const float d_w = 15360 - 4095;
  const float d_h = 11520 - 2535;
  for (const int place : {2407, 2413}) {  // 160.47 and 160.87 pixels
    for (const Probe& probe : probes) {
      SCOPED_TRACE(::testing::Message() << place << " " << probe.dx << "," << probe.dy);
      HeadlessPlatform& saver = Saver();
      const auto r = [](float twips, float range) { return (twips - 0.5F) / range; };
      ScriptRandom(
          {r(static_cast<float>(place), d_w), r(static_cast<float>(place - 900), d_h), 0.5F, 0.5F});
      saver.Advance(1000);
      ASSERT_EQ(saver.ShownForm()->Left(kPic), static_cast<float>(place));
      const int left = static_cast<int>(std::lround(place / 15.0));
      const int top = static_cast<int>(std::lround((place - 900) / 15.0));
      saver.MovePointerToPixel(left + probe.dx, top + probe.dy);
      EXPECT_EQ(Form().LastX() == 0, probe.swallowed);
    }
  }
}

TEST_F(Dismissal, CharacterKeysEndTheSaverOtherKeysDoNot) {
  for (const std::int16_t key : {std::int16_t{'a'}, std::int16_t{27}, std::int16_t{13},
                                 std::int16_t{' '}, std::int16_t{8}, std::int16_t{127}}) {
    HeadlessPlatform& saver = Saver();
    saver.PressKeyWithoutCharacter();
    saver.Advance(2000);
    EXPECT_FALSE(saver.Ended());
    saver.Type(U"a", /*alt=*/true);  // a command to the window system
    EXPECT_FALSE(saver.Ended());
    rt::OpenRandom(rt::FreeFile(), (SystemFolder() / "other.dat").string(), 10);
    saver.TypeCharacter(key);
    ExpectEndedCleanly();
    const int ticks = saver.TicksDelivered();
    saver.Advance(60000);  // no tick after the end
    EXPECT_EQ(saver.TicksDelivered(), ticks);
  }
}

TEST_F(Dismissal, LettersOfEveryLayoutEndTheSaver) {
  // Cyrillic, Greek, Hebrew, the euro sign, a letter typed with AltGr, and
  // the control character Ctrl with a letter types.
  for (const std::u32string text :
       {U"\u0436", U"\u03B1", U"\u05D0", U"\u20AC", U"\u00E9", U"\x01"}) {
    HeadlessPlatform& saver = Saver();
    saver.Type(text);
    ExpectEndedCleanly();
  }
}

TEST_F(Dismissal, OnlyAClickOnTheSayingEndsTheSaver) {
  HeadlessPlatform& saver = Saver();
  ScriptRandom({0.0F, 0.0F, 0.5F, 0.5F});  // the panel at (1, 1)
  saver.ClickPixel(600, 600);              // background
  saver.ClickPixel(100, 100);              // before the panel shows, this is background too
  saver.Advance(1000);
  saver.ClickPixel(1, 1);      // frame
  saver.ClickPixel(100, 160);  // caption strip
  saver.ClickPixel(272, 80);   // right frame
  // A click is a press and a release on the saying, with the left button.
  saver.PressPixel(100, 60);
  saver.ReleasePixel(100, 160);  // released on the caption strip
  saver.PressPixel(100, 160);
  saver.ReleasePixel(100, 60);  // pressed on the caption strip
  saver.PressPixel(100, 60, ui::MouseButton::kRight);
  saver.ReleasePixel(100, 60, ui::MouseButton::kRight);
  EXPECT_FALSE(saver.Ended());
  saver.ClickPixel(100, 60);  // the saying, with no pointer movement before
  ExpectEndedCleanly();
}

}  // namespace
}  // namespace sagelight
