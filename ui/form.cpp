#include "ui/form.h"

#include <cmath>
#include <utility>

namespace sagelight::ui {

int PixelScale::X(float twips) const {
  return static_cast<int>(std::lround(twips / twips_per_pixel_x));
}

int PixelScale::Y(float twips) const {
  return static_cast<int>(std::lround(twips / twips_per_pixel_y));
}

const Font& FormDesign::FontOf(ElementId id) const {
  for (std::optional<ElementId> at = id; at; at = elements.at(*at).parent) {
    if (elements[*at].font) {
      return *elements[*at].font;
    }
  }
  return font;
}

Form::Form(FormDesign design) : design_(std::move(design)) {
  state_.reserve(design_.elements.size());
  for (const ElementDesign& element : design_.elements) {
    ElementState state;
    state.visible = element.visible;
    state.enabled = element.enabled;
    state.back_color = element.back_color;
    state.left = static_cast<float>(element.left);
    state.top = static_cast<float>(element.top);
    state.width = static_cast<float>(element.width);
    state.height = static_cast<float>(element.height);
    state.caption = element.caption;
    state_.push_back(std::move(state));
  }
}

void Form::SetVisible(ElementId id, bool visible) {
  state_.at(id).visible = visible;
  Changed(id, Property::kVisible);
}

void Form::SetBackColor(ElementId id, Color color) {
  state_.at(id).back_color = color;
  Changed(id, Property::kBackColor);
}

void Form::Move(ElementId id, float left, float top) {
  ElementState& state = state_.at(id);
  state.left = left;
  state.top = top;
  Changed(id, Property::kPlace);
}

void Form::SetCaption(ElementId id, const std::string& caption) {
  // Window texts are C strings on the desktop the program comes from: a NUL
  // ends the text, and what follows it never shows.
  state_.at(id).caption = caption.substr(0, caption.find('\0'));
  Changed(id, Property::kCaption);
}

void Form::SetEnabled(ElementId id, bool enabled) {
  state_.at(id).enabled = enabled;
  if (timer_observer_ != nullptr) {
    timer_observer_->EnabledChanged(id);
  }
  Changed(id, Property::kEnabled);
}

bool Form::Showing(ElementId id) const {
  std::optional<ElementId> current = id;
  while (current) {
    if (!state_.at(*current).visible) {
      return false;
    }
    current = design_.elements.at(*current).parent;
  }
  return true;
}

PixelRect Form::Drawn(ElementId id, const PixelScale& scale) const {
  PixelRect rect{0, 0, scale.X(state_.at(id).width), scale.Y(state_.at(id).height)};
  for (std::optional<ElementId> at = id; at; at = design_.elements[*at].parent) {
    rect.left += scale.X(state_.at(*at).left);
    rect.top += scale.Y(state_.at(*at).top);
  }
  return rect;
}

std::optional<ElementId> Form::HitTest(int x, int y, const PixelScale& scale) const {
  // Later elements of a container lie above earlier ones, and children above
  // their container: the deepest, latest showing element that holds the
  // point wins. Each element is also clipped by its containers.
  std::optional<ElementId> hit;
  std::size_t hit_depth = 0;
  for (ElementId id = 0; id < design_.elements.size(); ++id) {
    if (design_.elements[id].kind == ElementKind::kTimer || !Showing(id)) {
      continue;
    }
    bool inside = true;
    std::size_t depth = 0;
    for (std::optional<ElementId> c = id; c && inside; c = design_.elements[*c].parent, ++depth) {
      inside = Drawn(*c, scale).Contains(x, y);
    }
    if (inside && (!hit || depth >= hit_depth)) {
      hit = id;
      hit_depth = depth;
    }
  }
  return hit;
}

}  // namespace sagelight::ui
