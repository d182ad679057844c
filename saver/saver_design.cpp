#include "saver/saver_design.h"

namespace sagelight {
namespace {

ui::FormDesign MakeDesign() {
  ui::FormDesign form;
  form.caption = "";
  form.border = false;
  form.maximized = true;
  form.back_color = ui::Color(0, 0, 0);
  form.font = ui::Font{"Arial", 8.25F, 400};
  form.left = 780;
  form.top = 1950;
  form.width = 10845;
  form.height = 5715;

  ui::ElementDesign pic;
  pic.name = "pic";
  pic.kind = ui::ElementKind::kPictureBox;
  pic.left = 2400;
  pic.top = 1020;
  pic.width = 4095;
  pic.height = 2535;
  pic.back_color = ui::Color(0, 128, 128);  // cyan: replaced before the panel is first shown
  pic.font = ui::Font{"MS Sans Serif", 8.25F, 400};
  pic.visible = false;

  ui::ElementDesign label2;
  label2.name = "Label2";
  label2.kind = ui::ElementKind::kLabel;
  label2.parent = kPic;
  label2.left = 60;
  label2.top = 2280;
  label2.width = 3975;
  label2.height = 195;
  label2.back_color = ui::Color(0, 0, 0);
  label2.fore_color = ui::Color(255, 255, 0);
  label2.alignment = ui::Alignment::kCenter;
  label2.caption = kCaptionLine;

  ui::ElementDesign label1;
  label1.name = "Label1";
  label1.kind = ui::ElementKind::kLabel;
  label1.parent = kPic;
  label1.left = 60;
  label1.top = 60;
  label1.width = 3975;
  label1.height = 2175;
  label1.back_color = ui::Color(0, 0, 0);
  label1.fore_color = ui::Color(255, 255, 255);
  label1.font = ui::Font{"Arial", 11.25F, 400};
  label1.alignment = ui::Alignment::kLeft;
  label1.caption = "xxx";
  label1.has_click_handler = true;

  ui::ElementDesign timer1;
  timer1.name = "Timer1";
  timer1.kind = ui::ElementKind::kTimer;
  timer1.interval_ms = 1000;
  timer1.enabled = true;
  timer1.visible = false;

  form.elements = {pic, label2, label1, timer1};
  return form;
}

}  // namespace

const ui::FormDesign& SaverDesign() {
  static const ui::FormDesign design = MakeDesign();
  return design;
}

}  // namespace sagelight
