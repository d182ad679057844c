#include "saver/saver_form.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>

#include "quotes/quote_file.h"
#include "runtime/convert.h"
#include "runtime/palette.h"
#include "runtime/random.h"
#include "runtime/runtime.h"
#include "runtime/runtime_error.h"
#include "runtime/text.h"
#include "ui/platform.h"

namespace sagelight {

std::int16_t intTick = 0;  // NOLINT(readability-identifier-naming)

namespace {

std::unique_ptr<frmSaver> g_instance;

// The box goes to whoever sits at the screen; a saver started by a daemon
// or a session also tells its log, with the file as this machine names it.
// Once for each error: a night of the same failure every 20 seconds would
// bury the log.
void Log(const std::string& report, const rt::RuntimeError& error) {
  static std::set<std::string> told;
  const std::string line =
      "Sagelight: " + report + (error.File().empty() ? "" : " (" + error.File() + ")") + "\n";
  if (told.insert(line).second) {
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
  }
}

}  // namespace

void frmSaver::Show(const SaverModule& module) {
  if (!g_instance) {
    g_instance = std::make_unique<frmSaver>(module);
    rt::Runtime::Current().AtEnd([] {
      g_instance.reset();
      intTick = 0;
    });
  }
  g_instance->form_ = &ui::Current().ShowForm(SaverDesign(), *g_instance);
}

frmSaver* frmSaver::Instance() { return g_instance.get(); }

[[noreturn]] void SaverModule::EndSaver() const {
  end_saver();
  std::abort();  // the start-up module's end never returns
}

void frmSaver::Timer1_Timer() {
  // Anything that goes wrong in a tick is shown and the cycle goes on; an
  // error while reporting is not ours to catch.
  rt::OnError(
      [this] {
        intTick = rt::AddInt16(intTick, 1);
        if (intTick == kShowTick) {
          DoTrick();
        }
        if (intTick == kHideTick) {
          pic.Visible(false);
        }
        if (intTick == kCycleTicks) {
          intTick = 0;
        }
      },
      [this](const rt::RuntimeError& error) {
        const std::string report = "frmSaver.Timer1_Error: " + error.Description();
        Log(report, error);
        Module1.objError->LetProperty("strError", report);
        Module1.objError->CallMethod("ShowIt");
      });
}

void frmSaver::DoTrick() {
  // Sizes and places are 32-bit: a screen of more than 2184 pixels at 96 dpi
  // is more than 32767 twips across, and today's monitors are that wide.
  ui::Platform& screen = ui::Current();
  const std::int32_t SW = rt::RoundToInt32(screen.ScreenWidth());   // NOLINT
  const std::int32_t SH = rt::RoundToInt32(screen.ScreenHeight());  // NOLINT
  const std::int32_t PW = rt::RoundToInt32(pic.Width());            // NOLINT
  const std::int32_t PH = rt::RoundToInt32(pic.Height());           // NOLINT

  rt::Randomize();
  const std::int32_t dW = rt::SubtractInt32(SW, PW);  // NOLINT
  const std::int32_t X =                              // NOLINT
      rt::FloorToInt32(static_cast<double>(rt::NextRandom()) * dW + 1.0);
  const std::int32_t dH = rt::SubtractInt32(SH, PH);  // NOLINT
  const std::int32_t Y =                              // NOLINT
      rt::FloorToInt32(static_cast<double>(rt::NextRandom()) * dH + 1.0);

  Label1.Caption("Sagelight\r\n\r\n" + rt::Trim(Module1.objQuotes->GetQuote()));

  const std::int16_t colour = rt::FloorToInt16(static_cast<double>(rt::NextRandom()) * 7.0 + 2.0);
  pic.BackColor(ui::Color::FromBgr(rt::PaletteColor(colour)));
  pic.Move(static_cast<float>(X), static_cast<float>(Y));
  pic.Visible(true);
}

void frmSaver::Form_KeyPress(std::int16_t& /*KeyAscii*/) {
  Timer1.Enabled(false);
  Module1.EndSaver();
}

void frmSaver::Form_MouseMove(std::int16_t /*Button*/, std::int16_t /*Shift*/, float X, float Y) {
  const float dX = rt::RoundToSingle(std::fabs(static_cast<double>(X) - intLastX));  // NOLINT
  const float dY = rt::RoundToSingle(std::fabs(static_cast<double>(Y) - intLastY));  // NOLINT
  if ((dX > 3.0F || dY > 3.0F) && intLastX >= 1 && intLastY >= 1) {
    Timer1.Enabled(false);
    Module1.EndSaver();
  }
  intLastX = rt::RoundToInt32(X);
  intLastY = rt::RoundToInt32(Y);
}

void frmSaver::Label1_Click() {
  Timer1.Enabled(false);
  Module1.EndSaver();
}

void frmSaver::OnTimer(ui::ElementId timer) {
  if (timer == kTimer1) {
    Timer1_Timer();
  }
}

void frmSaver::OnClick(ui::ElementId element) {
  if (element == kLabel1) {
    Label1_Click();
  }
}

void frmSaver::OnKeyPress(std::int16_t& key_ascii) { Form_KeyPress(key_ascii); }

void frmSaver::OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
  Form_MouseMove(button, shift, x, y);
}

}  // namespace sagelight
