#pragma once

#include <string>

#include "ui/platform.h"

namespace sagelight::ui {

// Typed handles on the elements of a shown form, so the logic reads like the
// form it drives: pic.Move(x, y), Label1.Caption(text), Timer1.Enabled(false).
class Control {
 public:
  Control(Form*& form, ElementId id) : form_(form), id_(id) {}

 protected:
  [[nodiscard]] Form& form() const { return *form_; }
  [[nodiscard]] ElementId id() const { return id_; }

 private:
  Form*& form_;  // the form comes into being after its handles
  ElementId id_;
};

class PictureBox : public Control {
 public:
  using Control::Control;
  void Visible(bool visible) const { form().SetVisible(id(), visible); }
  [[nodiscard]] bool Visible() const { return form().Visible(id()); }
  void BackColor(Color color) const { form().SetBackColor(id(), color); }
  void Move(float left, float top) const { form().Move(id(), left, top); }
  [[nodiscard]] float Width() const { return form().Width(id()); }
  [[nodiscard]] float Height() const { return form().Height(id()); }
};

class Label : public Control {
 public:
  using Control::Control;
  void Caption(const std::string& caption) const { form().SetCaption(id(), caption); }
  [[nodiscard]] const std::string& Caption() const { return form().Caption(id()); }
};

class Timer : public Control {
 public:
  using Control::Control;
  void Enabled(bool enabled) const { form().SetEnabled(id(), enabled); }
  [[nodiscard]] bool Enabled() const { return form().Enabled(id()); }
};

}  // namespace sagelight::ui
