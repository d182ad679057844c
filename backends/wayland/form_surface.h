#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "backends/wayland/connection.h"
#include "backends/wayland/surface.h"
#include "backends/wayland/typeface.h"
#include "ui/event_path.h"
#include "ui/platform.h"

namespace sagelight::wayland {

// A shown form on a Wayland compositor: one frame-free surface, full-screen
// on the screen's output, whose buffer shows the form's background and
// every showing element at its place. All input on it goes to the event
// path, which decides what it hits.
class FormSurface final : public ui::Form, public InputTarget {
 public:
  FormSurface(const ui::FormDesign& design, Connection& connection, Typefaces& fonts,
              const Output& output);
  FormSurface(const FormSurface&) = delete;
  FormSurface& operator=(const FormSurface&) = delete;
  ~FormSurface() override;

  // Creates the surface and asks to show it; from now on input goes to
  // `path`.
  void Create(ui::EventPath& path);
  [[nodiscard]] const Toplevel& toplevel() const { return *toplevel_; }
  // Full-screen on another output, when its own went away.
  void MoveTo(const Output& output);

  // Draws what changed since the last call, once the compositor has sized
  // the surface and released the buffer.
  void Present();

  void PointerMoved(const ui::PointerInput& at) override;
  void PointerButton(ui::MouseButton button, bool pressed, const ui::PointerInput& at) override;
  void KeyPressed(xkb_keysym_t keysym, const ui::KeyInput& key) override;
  [[nodiscard]] bool FullScreen() const override;
  [[nodiscard]] std::optional<std::pair<int, int>> Origin() const override;

 protected:
  void Changed(ui::ElementId id, ui::Property what) override;

 private:
  struct Element {
    Typeface* font = nullptr;
    std::vector<std::u32string> lines;  // a label's caption as it shows
  };

  void LayOut(ui::ElementId id);
  // Where an element shows, clipped by its containers, and where its own
  // left edge lies (the text of a label starts there).
  [[nodiscard]] Rect AreaOf(ui::ElementId id) const;
  [[nodiscard]] int OriginLeft(ui::ElementId id) const;
  void Paint(Canvas& canvas, int buffer, bool fresh);

  Connection& connection_;
  Typefaces& fonts_;
  Output output_;
  ui::EventPath* path_ = nullptr;
  std::unique_ptr<Toplevel> toplevel_;
  std::vector<Element> elements_;
  bool dirty_ = true;
  Rect lit_[2];  // what the last drawing into each buffer painted besides the background
};

// A plain black surface full-screen on another output. Its pointer input
// is dropped; keys typed while the compositor gives it the keyboard (after
// a click on it) go to `keys`, the form, whose screen it darkens too.
class Curtain final : public InputTarget {
 public:
  Curtain(Connection& connection, const Output& output, InputTarget& keys);
  void Present();
  // The registry's name of the output it darkens.
  [[nodiscard]] std::uint32_t output() const { return output_; }

  void KeyPressed(xkb_keysym_t keysym, const ui::KeyInput& key) override;
  // Its pointer input is dropped, but a move over it still tells where the
  // pointer is on the desktop.
  [[nodiscard]] bool FullScreen() const override { return true; }
  [[nodiscard]] std::optional<std::pair<int, int>> Origin() const override;

 private:
  std::uint32_t output_;
  InputTarget& keys_;
  std::unique_ptr<Toplevel> toplevel_;
};

}  // namespace sagelight::wayland
