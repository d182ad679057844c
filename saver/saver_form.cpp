#include "saver/saver_form.h"

#include <cmath>
#include <cstdlib>
#include <memory>
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

// The recorded pointer position is 16-bit. A position beyond its range (a
// screen of more than 2184 pixels at 96 dpi) is recorded at the range's end
// rather than raising an error the user would only see on the way out.
std::int16_t RecordablePosition(float position) {
  if (position >= 32767.5F) {
    return 32767;
  }
  if (position < -32768.5F) {
    return -32768;
  }
  return rt::RoundToInt16(position);
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
        Module1.objError->LetProperty("strError", "frmSaver.Timer1_Error: " + error.Description());
        Module1.objError->CallMethod("ShowIt");
      });
}

void frmSaver::DoTrick() {
  ui::Platform& screen = ui::Current();
  const std::int16_t SW = rt::RoundToInt16(screen.ScreenWidth());   // NOLINT
  const std::int16_t SH = rt::RoundToInt16(screen.ScreenHeight());  // NOLINT
  const std::int16_t PW = rt::RoundToInt16(pic.Width());            // NOLINT
  const std::int16_t PH = rt::RoundToInt16(pic.Height());           // NOLINT

  rt::Randomize();
  const std::int16_t dW = rt::SubtractInt16(SW, PW);  // NOLINT
  const std::int16_t X =                              // NOLINT
      rt::FloorToInt16(static_cast<double>(rt::NextRandom()) * dW + 1.0);
  const std::int16_t dH = rt::SubtractInt16(SH, PH);  // NOLINT
  const std::int16_t Y =                              // NOLINT
      rt::FloorToInt16(static_cast<double>(rt::NextRandom()) * dH + 1.0);

  Label1.Caption("Sagelight\r\n\r\n" + rt::Trim(Module1.objQuotes->GetQuote()));

  const std::int16_t colour = rt::FloorToInt16(static_cast<double>(rt::NextRandom()) * 7.0 + 2.0);
  pic.BackColor(ui::Color::FromBgr(rt::PaletteColor(colour)));
  pic.Move(X, Y);
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
  intLastX = RecordablePosition(X);
  intLastY = RecordablePosition(Y);
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
