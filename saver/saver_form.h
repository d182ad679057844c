#pragma once

#include <cstdint>

#include "saver/saver_design.h"
#include "saver/saver_module.h"
#include "ui/controls.h"
#include "ui/platform.h"

namespace sagelight {

// The display cycle's tick counter: 0 to 20, process-wide.
extern std::int16_t intTick;  // NOLINT(readability-identifier-naming)

// The ticks of one display cycle at which something happens.
inline constexpr std::int16_t kShowTick = 1;     // a new saying shows
inline constexpr std::int16_t kHideTick = 18;    // the panel hides
inline constexpr std::int16_t kCycleTicks = 20;  // the count starts again

// The saver window: its display cycle and the three ways the user ends it.
// NOLINTBEGIN(readability-identifier-naming)
class frmSaver : public ui::FormEvents {
 public:
  explicit frmSaver(const SaverModule& module) : Module1(module) {}

  // Create the one instance and show it non-modally. It lasts as long as
  // the process.
  static void Show(const SaverModule& module);
  // The shown instance, or nullptr before Show().
  static frmSaver* Instance();

  void Timer1_Timer();
  void DoTrick();
  void Form_KeyPress(std::int16_t& KeyAscii);
  void Form_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void Label1_Click();

  [[nodiscard]] std::int32_t LastX() const { return intLastX; }
  [[nodiscard]] std::int32_t LastY() const { return intLastY; }

  ui::PictureBox pic{form_, kPic};
  ui::Label Label2{form_, kLabel2};
  ui::Label Label1{form_, kLabel1};
  ui::Timer Timer1{form_, kTimer1};

 private:
  void OnTimer(ui::ElementId timer) override;
  void OnClick(ui::ElementId element) override;
  void OnKeyPress(std::int16_t& key_ascii) override;
  void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;

  const SaverModule& Module1;
  ui::Form* form_ = nullptr;
  // 32-bit, like the places of DoTrick, for screens of any width.
  std::int32_t intLastX = 0;
  std::int32_t intLastY = 0;
};
// NOLINTEND(readability-identifier-naming)

}  // namespace sagelight
