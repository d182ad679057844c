#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
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

const float kTopR = std::nextafter(1.0F, 0.0F);
const std::string kHeading = "Sagelight\r\n\r\n";

class SaverTest : public testing::ProgramTest {
 protected:
  HeadlessPlatform& Saver(headless::Options options = SaverOptions()) {
    saver_ = &Start(std::move(options));
    return *saver_;
  }
  [[nodiscard]] const ui::Form& Form() const { return *saver_->ShownForm(); }
  [[nodiscard]] bool PanelShowing() const { return Form().Showing(kPic); }
  [[nodiscard]] std::string Caption() const { return Form().Caption(kLabel1); }
  [[nodiscard]] static std::int32_t LastX() { return frmSaver::Instance()->LastX(); }
  void ExpectEndedCleanly() const {
    EXPECT_TRUE(saver_->Ended());
    EXPECT_EQ(saver_->ExitStatus(), 0);
    EXPECT_FALSE(Form().Enabled(kTimer1));
    EXPECT_EQ(Module1::objQuotes, nullptr);
    EXPECT_EQ(Module1::objError, nullptr);
    EXPECT_EQ(rt::OpenFileCount(), 0);
  }

 private:
  HeadlessPlatform* saver_ = nullptr;
};

TEST_F(SaverTest, ShowsASayingAtOneSecondForSeventeenOfEveryTwenty) {
  HeadlessPlatform& saver = Saver();
  saver.Advance(999);
  EXPECT_FALSE(PanelShowing());
  EXPECT_EQ(saver.TicksDelivered(), 0);
  saver.Advance(1);
  ASSERT_TRUE(PanelShowing());
  const std::string first = Caption();
  EXPECT_EQ(first.rfind(kHeading, 0), 0U);
  EXPECT_EQ(Form().Caption(kLabel2), kCaptionLine);

  saver.Advance(16999);  // 17.999 s
  EXPECT_TRUE(PanelShowing());
  EXPECT_EQ(Caption(), first);
  saver.Advance(1);  // 18 s
  EXPECT_FALSE(PanelShowing());
  saver.Advance(2999);  // 20.999 s
  EXPECT_FALSE(PanelShowing());
  EXPECT_EQ(intTick, 0);
  saver.Advance(1);  // 21 s
  EXPECT_TRUE(PanelShowing());
  EXPECT_EQ(intTick, 1);
  EXPECT_EQ(saver.TicksDelivered(), 21);
}

// A tick draws, in this order: the left, the top, the saying (inside
// GetQuote) and the colour. Every product of a draw is worked out in double
// precision; in single precision the third row would give 5636, 4496 and
// record 7. Screens as wide as the panel or narrower, and wider than 16 bits
// count in twips, place it too.
TEST_F(SaverTest, EachDrawHasItsPlaceAndPrecision) {
  struct Case {
    int width_px, height_px;
    std::initializer_list<float> draws;
    float left, top;
    std::size_t record;
    std::int16_t colour;
  };
  const Case cases[] = {
      {1024, 768, {0.0F, 0.0F, 0.0F, 0.0F}, 1, 1, 1, 2},
      {1024, 768, {kTopR, kTopR, kTopR, kTopR}, 11265, 8985, 431, 8},
      {1024,
       768,
       {0.5002219080924988F, 0.5002782344818115F, 0.013921113684773445F, 0.5F},
       5635,
       4495,
       6,
       5},
      {273, 169, {kTopR, kTopR, 0.5F, 0.5F}, 1, 1, 216, 5},        // exactly the panel
      {200, 768, {kTopR, 0.5F, 0.5F, 0.5F}, -1094, 4493, 216, 5},  // 1095 twips short
      {200, 768, {0.0F, 0.5F, 0.5F, 0.5F}, 1, 4493, 216, 5},
      {3840, 2160, {kTopR, kTopR, 0.5F, 0.5F}, 57600 - 4095, 32400 - 2535, 216, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.width_px << "x" << c.height_px << " " << c.left);
    headless::Options options = SaverOptions();
    options.screen_width_px = c.width_px;
    options.screen_height_px = c.height_px;
    HeadlessPlatform& saver = Saver(options);
    ScriptRandom(c.draws);
    saver.Advance(1000);
    ASSERT_TRUE(PanelShowing());
    EXPECT_EQ(Form().Left(kPic), c.left);
    EXPECT_EQ(Form().Top(kPic), c.top);
    EXPECT_EQ(Caption(), kHeading + std::string(kCollection[c.record - 1]));
    EXPECT_EQ(Form().BackColor(kPic), ui::Color::FromBgr(rt::PaletteColor(c.colour)));
  }
}

// Every run starts the generator afresh; the clock's re-seed before the
// place is drawn is what tells two runs' first panels apart.
TEST_F(SaverTest, EachRunDrawsItsFirstPlaceAfterAReseed) {
  std::set<std::pair<float, float>> places;
  for (int run = 0; run < 2; ++run) {
    Saver().Advance(1000);
    places.emplace(Form().Left(kPic), Form().Top(kPic));
  }
  EXPECT_EQ(places.size(), 2U);
}

TEST_F(SaverTest, AFailedTickShowsOneBoxAndTheCycleGoesOn) {
  const std::pair<std::function<void(HeadlessPlatform&)>, std::string> failures[] = {
      {[this](HeadlessPlatform&) { fs::resize_file(QuoteFile(), 6553500); }, "Overflow"},
      {[](HeadlessPlatform& saver) { saver.OnScreenQuery([] { throw std::bad_alloc(); }); },
       "Out of memory"},
      {[this](HeadlessPlatform&) { fs::remove_all(SystemFolder()); }, "Path not found"},
  };
  for (const auto& [fail, description] : failures) {
    fs::create_directories(SystemFolder());
    HeadlessPlatform& saver = Saver();
    fail(saver);
    saver.Advance(1000);
    ASSERT_EQ(saver.MessageBoxes().size(), 1U) << description;
    EXPECT_EQ(saver.MessageBoxes()[0].prompt,
              "An error has occured: \r\nfrmSaver.Timer1_Error: " + description + ".");
    EXPECT_FALSE(PanelShowing());
    EXPECT_EQ(Caption(), "xxx");
    saver.Advance(20000);  // the next attempt, at 21 s
    ASSERT_EQ(saver.MessageBoxes().size(), 2U) << description;
    EXPECT_EQ(saver.MessageBoxes()[1].opened_at_ms, 21000);
    EXPECT_FALSE(saver.Ended());
  }
  // The folder comes back, and in it the file, empty.
  HeadlessPlatform& saver = Platform();
  fs::create_directories(SystemFolder());
  saver.Advance(20000);
  EXPECT_TRUE(PanelShowing());
  EXPECT_EQ(Caption(), kHeading);
  // A NUL ends the saying shown, as it ends a window's text.
  std::string record = "Words" + std::string(1, '\0') + "hidden";
  record.resize(200, ' ');
  testing::WriteFile(QuoteFile(), record);
  saver.Advance(20000);
  EXPECT_EQ(Caption(), kHeading + "Words");
}

TEST_F(SaverTest, NoTicksRunWhileABoxIsOpenAndNoneBurstAfterIt) {
  headless::Options options = SaverOptions();
  options.message_box_open_ms = 5000;
  HeadlessPlatform& saver = Saver(options);
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
  saver.Advance(999);
  EXPECT_EQ(saver.TicksDelivered(), 2);
  saver.Advance(1);
  EXPECT_EQ(saver.TicksDelivered(), 3);
  ASSERT_EQ(saver.MessageBoxes().size(), 1U);
}

// On a screen wider than 16 bits count in twips. The first event only
// records, however far it is; so does one from the left or top edge, where
// the recorded 0 means "not yet".
TEST_F(SaverTest, PointerMovesEndTheSaverOnlyFromARecordedPosition) {
  headless::Options wide = SaverOptions();
  wide.screen_width_px = 3840;
  wide.screen_height_px = 2160;
  HeadlessPlatform& saver = Saver(wide);
  saver.MovePointer(50000.5F, 30000);
  EXPECT_FALSE(saver.Ended());
  EXPECT_EQ(LastX(), 50000);  // halves go to the even neighbour
  saver.MovePointer(50001.5F, 30000);
  EXPECT_EQ(LastX(), 50002);
  saver.MovePointer(50003, 29997);  // exactly 3 twips is no movement
  EXPECT_FALSE(saver.Ended());
  EXPECT_EQ(LastX(), 50003);
  for (int step = 1; step <= 100; ++step) {  // creeping never adds up
    saver.MovePointer(50003.0F + 3.0F * static_cast<float>(step), 29997);
  }
  EXPECT_FALSE(saver.Ended());
  EXPECT_EQ(LastX(), 50303);
  saver.MovePointer(50306.01F, 29997);  // a little more than 3 twips
  ExpectEndedCleanly();
  EXPECT_EQ(LastX(), 50303);  // nothing after the end ran

  struct Case {
    float x, y;
    bool recorded;
  };
  for (const Case c :
       {Case{0, 4000, false}, Case{4000, 0, false}, Case{1, 4000, true}, Case{4000, 1, true}}) {
    HeadlessPlatform& edge = Saver();
    edge.MovePointer(c.x, c.y);
    edge.MovePointer(c.x + 3, c.y + 4);
    EXPECT_EQ(edge.Ended(), c.recorded) << c.x << "," << c.y;
  }
}

// The panel is drawn at its place rounded to whole pixels: its first and last
// drawn columns and rows swallow the pointer, the pixels just beyond them are
// background, whichever way the place in twips rounds. The form itself takes
// the pointer from its first pixel to its last. A move that reaches the
// program ends the saver, as the one before was recorded far away.
TEST_F(SaverTest, ThePointerIsHitTestedAgainstThePanelAndTheFormAsDrawn) {
  const auto reaches = [this](int place, int x, int y) {
    HeadlessPlatform& saver = Saver();
    const auto r = [](int twips, float range) {
      return (static_cast<float>(twips) - 0.5F) / range;
    };
    ScriptRandom({r(place, 15360 - 4095), r(place - 900, 11520 - 2535), 0.5F, 0.5F});
    saver.Advance(1000);
    EXPECT_EQ(Form().Left(kPic), static_cast<float>(place));
    saver.MovePointerToPixel(700, 600);
    saver.MovePointerToPixel(x, y);
    return saver.Ended();
  };
  struct Probe {
    int dx, dy;  // from the panel's drawn top left corner, in pixels
    bool swallowed;
  };
  const Probe probes[] = {{0, 80, true},  {-1, 80, false},  {272, 80, true},  {273, 80, false},
                          {100, 0, true}, {100, -1, false}, {100, 168, true}, {100, 169, false}};
  for (const int place : {2407, 2413}) {  // 160.47 and 160.87 pixels
    const int left = static_cast<int>(std::lround(place / 15.0));
    const int top = static_cast<int>(std::lround((place - 900) / 15.0));
    for (const Probe& p : probes) {
      EXPECT_EQ(reaches(place, left + p.dx, top + p.dy), !p.swallowed)
          << place << " " << p.dx << "," << p.dy;
    }
  }
  struct Pixel {
    int x, y;
    bool over_form;
  };
  for (const Pixel p : {Pixel{0, 400, true}, Pixel{-1, 400, false}, Pixel{1023, 400, true},
                        Pixel{1024, 400, false}, Pixel{400, 0, true}, Pixel{400, -1, false},
                        Pixel{400, 767, true}, Pixel{400, 768, false}}) {
    EXPECT_EQ(reaches(2407, p.x, p.y), p.over_form) << p.x << "," << p.y;
  }
}

TEST_F(SaverTest, ThePanelSwallowsThePointerOnlyWhileItShows) {
  HeadlessPlatform& saver = Saver();
  ScriptRandom({0.0F, 0.0F, 0.5F, 0.5F});  // the panel at (1, 1)
  saver.MovePointer(6000, 5000);
  saver.Advance(1000);
  saver.MovePointer(2000, 1500);  // over the saying
  saver.MovePointer(6002, 5001);  // back next to where it left: the panel kept nothing
  EXPECT_FALSE(saver.Ended());
  saver.Advance(17000);  // hidden at 18 s: its place is background again
  saver.MovePointer(2000, 1500);
  ExpectEndedCleanly();
}

// Which key makes a character is the backend's to say; the event path hands
// on every character, control characters and DEL included, in any layout.
TEST_F(SaverTest, EveryCharacterEndsTheSaverOtherKeysDoNot) {
  for (const std::u32string text : {U"a", U" ", U"\x1B", U"\r", U"\b", U"\x7F", U"\x01", U"\u0436",
                                    U"\u03B1", U"\u05D0", U"\u20AC", U"\u00E9"}) {
    HeadlessPlatform& saver = Saver();
    saver.PressKeyWithoutCharacter();
    saver.Type(U"a", /*alt=*/true);  // a command to the window system
    EXPECT_FALSE(saver.Ended());
    rt::OpenRandom(rt::FreeFile(), (SystemFolder() / "other.dat").string(), 10);
    saver.Type(text);
    ExpectEndedCleanly();
  }
}

TEST_F(SaverTest, OnlyAClickOnTheSayingEndsTheSaver) {
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
  saver.ReleasePixel(100, 160);
  saver.ReleasePixel(100, 60);  // a release alone
  saver.PressPixel(100, 160);
  saver.ReleasePixel(100, 60);
  saver.PressPixel(100, 60, ui::MouseButton::kRight);
  saver.ReleasePixel(100, 60);
  EXPECT_FALSE(saver.Ended());
  saver.ClickPixel(100, 60);  // the saying, with no pointer movement before
  ExpectEndedCleanly();
}

}  // namespace
}  // namespace sagelight
