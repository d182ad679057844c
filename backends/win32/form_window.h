#pragma once

#include <windows.h>

#include <vector>

#include "backends/win32/wide_text.h"
#include "ui/event_path.h"
#include "ui/platform.h"

namespace sagelight::win32 {

// A shown form on Windows: one top-level window over the whole screen, and
// a child window for each picture box and label at its design geometry.
// The children answer every hit test as transparent, so Windows hands all
// pointer messages to the form's window in its own client coordinates, and
// no click ever gives a child the keyboard focus; the event path decides
// what a pointer event hit.
class FormWindow final : public ui::Form {
 public:
  FormWindow(const ui::FormDesign& design, ui::Platform& platform, HINSTANCE instance);
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;
  ~FormWindow() override;

  // Creates and shows the windows, active and with the keyboard focus; from
  // now on their input goes to `path`.
  void Create(ui::EventPath& path, HCURSOR cursor);

  // The form's top-level window; nullptr once it is gone.
  [[nodiscard]] HWND window() const { return window_; }

  // The pointer's shape over the form.
  void ApplyCursor(HCURSOR cursor) { cursor_ = cursor; }

 protected:
  void Changed(ui::ElementId id, ui::Property what) override;

 private:
  struct Element {
    HWND window = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;  // labels only
  };

  static LRESULT CALLBACK FormProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK ElementProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT FormMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT ElementMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  void CreateElement(ui::ElementId id);
  [[nodiscard]] HFONT MakeFont(const ui::Font& font) const;
  [[nodiscard]] HBRUSH FillBrush(ui::ElementId id) const;
  void PaintForm();
  void PaintElement(HWND window, ui::ElementId id);
  void Pointer(UINT message, WPARAM wparam, LPARAM lparam);
  void Character(WPARAM wparam, bool alt);

  ui::Platform& platform_;
  HINSTANCE instance_;
  ui::EventPath* path_ = nullptr;
  HWND window_ = nullptr;
  HBRUSH brush_ = nullptr;
  HCURSOR cursor_ = nullptr;
  std::vector<Element> elements_;
  Utf16Joiner typed_;
};

}  // namespace sagelight::win32
