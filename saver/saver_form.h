#pragma once

#include <cstdint>

#include "platform/controls.h"
#include "platform/ui.h"
#include "saver/saver_design.h"

namespace sagelight {

// The display cycle's tick counter: 0 to 20, process-wide.
extern std::int16_t intTick;  // NOLINT(readability-identifier-naming)

// The saver window: its display cycle and the three ways the user ends it.
// NOLINTBEGIN(readability-identifier-naming)
class frmSaver : public ui::FormEvents {
 public:
  // Create the one instance and show it non-modally.
  static void Show();
  // The shown instance, or nullptr before Show().
  static frmSaver* Instance();
  // Forget the instance (a new process in the tests).
  static void Discard();

  void Timer1_Timer();
  void DoTrick();
  void Form_KeyPress(std::int16_t& KeyAscii);
  void Form_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void Label1_Click();

  [[nodiscard]] std::int16_t LastX() const { return intLastX; }
  [[nodiscard]] std::int16_t LastY() const { return intLastY; }

  ui::PictureBox pic{form_, kPic};
  ui::Label Label2{form_, kLabel2};
  ui::Label Label1{form_, kLabel1};
  ui::Timer Timer1{form_, kTimer1};

 private:
  void OnTimer(ui::ElementId timer) override;
  void OnClick(ui::ElementId element) override;
  void OnKeyPress(std::int16_t& key_ascii) override;
  void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;

  ui::Form* form_ = nullptr;
  std::int16_t intLastX = 0;
  std::int16_t intLastY = 0;
};
// NOLINTEND(readability-identifier-naming)

}  // namespace sagelight
