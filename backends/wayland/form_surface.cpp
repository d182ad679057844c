#include "backends/wayland/form_surface.h"

#include <algorithm>

#include "runtime/code_page.h"
#include "ui/text_layout.h"

namespace sagelight::wayland {

FormSurface::FormSurface(const ui::FormDesign& design, Connection& connection, Typefaces& fonts,
                         const Output& output)
    : ui::Form(design),
      connection_(connection),
      fonts_(fonts),
      output_(output),
      elements_(design.elements.size()) {}

FormSurface::~FormSurface() = default;

void FormSurface::Create(ui::EventPath& path) {
  path_ = &path;
  const ui::FormDesign& design = Design();
  const double dpi = 96.0 * output_.scale;
  for (ui::ElementId id = 0; id < design.elements.size(); ++id) {
    if (design.elements[id].kind == ui::ElementKind::kLabel) {
      elements_[id].font = fonts_.Open(design.FontOf(id), dpi);
      LayOut(id);
    }
  }
  toplevel_ = std::make_unique<Toplevel>(connection_, design.caption, this, output_.scale);
  if (design.maximized) {
    toplevel_->SetFullscreen(output_);
  } else {
    toplevel_->SetFixedSize(path.PixelsX(static_cast<float>(design.width)) / output_.scale,
                            path.PixelsY(static_cast<float>(design.height)) / output_.scale);
  }
  toplevel_->Map();
}

void FormSurface::MoveTo(const Output& output) {
  output_ = output;
  if (toplevel_ && Design().maximized) {
    toplevel_->SetFullscreen(output_);
    dirty_ = true;
  }
}

void FormSurface::LayOut(ui::ElementId id) {
  Element& element = elements_[id];
  Typeface* font = element.font;
  element.lines = ui::BreakLines(
      rt::FromWindows1252(Caption(id)), path_->PixelsX(Width(id)),
      [font](std::u32string_view run) { return font != nullptr ? font->Measure(run) : 0; });
}

Rect FormSurface::AreaOf(ui::ElementId id) const {
  // Each element lies at its own place inside its container, in whole
  // pixels, as a child window would.
  Rect area{path_->PixelsX(Left(id)), path_->PixelsY(Top(id)), path_->PixelsX(Width(id)),
            path_->PixelsY(Height(id))};
  const std::optional<ui::ElementId> parent = Design().elements[id].parent;
  if (parent) {
    const Rect outer = AreaOf(*parent);
    area.left += outer.left;
    area.top += outer.top;
    area = area.Intersect(outer);
  }
  return area;
}

int FormSurface::OriginLeft(ui::ElementId id) const {
  int left = 0;
  for (std::optional<ui::ElementId> at = id; at; at = Design().elements[*at].parent) {
    left += path_->PixelsX(Left(*at));
  }
  return left;
}

void FormSurface::Changed(ui::ElementId /*id*/, ui::Property what) {
  if (path_ == nullptr) {
    return;
  }
  if (what == ui::Property::kCaption) {
    for (ui::ElementId id = 0; id < elements_.size(); ++id) {
      if (Design().elements[id].kind == ui::ElementKind::kLabel) {
        LayOut(id);
      }
    }
  }
  if (what != ui::Property::kEnabled) {
    dirty_ = true;
  }
}

void FormSurface::Present() {
  if (!toplevel_ || !toplevel_->Configured() || (!dirty_ && !toplevel_->Unanswered())) {
    return;
  }
  int width = toplevel_->ConfiguredWidth() * output_.scale;
  int height = toplevel_->ConfiguredHeight() * output_.scale;
  if (width == 0 || height == 0) {
    width = output_.width;
    height = output_.height;
  }
  if (toplevel_->Paint(width, height, [this](Canvas& canvas, int buffer, bool fresh) {
        Paint(canvas, buffer, fresh);
      })) {
    dirty_ = false;
  }
}

void FormSurface::Paint(Canvas& canvas, int buffer, bool fresh) {
  const ui::FormDesign& design = Design();
  // A black background is drawn by what the buffer already holds: a new
  // buffer is all zeros, which is black, and costs no memory until written;
  // an older one needs only what its last drawing lit made dark again.
  if (design.back_color != ui::Color()) {
    canvas.Fill(canvas.Bounds(), design.back_color);
  } else if (!fresh) {
    canvas.Fill(lit_[buffer], design.back_color);
  }
  Rect& lit = lit_[buffer];
  lit = Rect{};
  // Containers come before what they hold, so each element paints over its
  // container.
  for (ui::ElementId id = 0; id < design.elements.size(); ++id) {
    const ui::ElementDesign& element = design.elements[id];
    if (element.kind == ui::ElementKind::kTimer || !Showing(id)) {
      continue;
    }
    const Rect area = AreaOf(id);
    if (area.Empty()) {
      continue;
    }
    if (element.opaque || element.kind == ui::ElementKind::kPictureBox) {
      canvas.Fill(area, BackColor(id));
    }
    if (!element.parent) {
      lit = area.Intersect(canvas.Bounds());
    }
    const Element& state = elements_[id];
    if (state.font == nullptr) {
      continue;
    }
    const posix::LineMetrics metrics = state.font->LabelMetrics();
    int top = area.top;
    // Lines below the label's foot are cut off; the one that straddles it
    // is clipped.
    for (const std::u32string& line : state.lines) {
      if (top >= area.top + area.height) {
        break;
      }
      int left = OriginLeft(id);
      if (element.alignment == ui::Alignment::kCenter) {
        left += (path_->PixelsX(Width(id)) - state.font->Measure(line)) / 2;
      }
      state.font->Draw(canvas, left, top + metrics.ascent, line, element.fore_color, area);
      top += metrics.height;
    }
  }
}

bool FormSurface::FullScreen() const { return Design().maximized; }

std::optional<std::pair<int, int>> FormSurface::Origin() const {
  return toplevel_ ? toplevel_->Origin() : std::nullopt;
}

void FormSurface::PointerMoved(const ui::PointerInput& at) { path_->PointerMoved(at); }

void FormSurface::PointerButton(ui::MouseButton button, bool pressed, const ui::PointerInput& at) {
  if (pressed) {
    path_->ButtonPressed(button, at);
  } else {
    path_->ButtonReleased(button, at);
  }
}

void FormSurface::KeyPressed(xkb_keysym_t /*keysym*/, const ui::KeyInput& key) { path_->Key(key); }

Curtain::Curtain(Connection& connection, const Output& output, InputTarget& keys)
    : output_(output.name),
      keys_(keys),
      toplevel_(std::make_unique<Toplevel>(connection, "", this, 1)) {
  toplevel_->SetFullscreen(output);
  toplevel_->Map();
}

std::optional<std::pair<int, int>> Curtain::Origin() const { return toplevel_->Origin(); }

void Curtain::KeyPressed(xkb_keysym_t keysym, const ui::KeyInput& key) {
  keys_.KeyPressed(keysym, key);
}

void Curtain::Present() {
  if (!toplevel_->Configured() || !toplevel_->Unanswered()) {
    return;
  }
  // A buffer of zeros is black and is never written: it costs no memory.
  const int width = std::max(1, toplevel_->ConfiguredWidth());
  const int height = std::max(1, toplevel_->ConfiguredHeight());
  toplevel_->Paint(width, height, [](Canvas& /*canvas*/, int /*buffer*/, bool /*fresh*/) {});
}

}  // namespace sagelight::wayland
