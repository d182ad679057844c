#include "ui/form.h"

#include <utility>

namespace sagelight::ui {

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

float Form::AbsoluteLeft(ElementId id) const {
  float left = 0;
  for (std::optional<ElementId> current = id; current;
       current = design_.elements[*current].parent) {
    left += state_.at(*current).left;
  }
  return left;
}

float Form::AbsoluteTop(ElementId id) const {
  float top = 0;
  for (std::optional<ElementId> current = id; current;
       current = design_.elements[*current].parent) {
    top += state_.at(*current).top;
  }
  return top;
}

std::optional<ElementId> Form::HitTest(float x, float y) const {
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
      const float left = AbsoluteLeft(*c);
      const float top = AbsoluteTop(*c);
      inside = x >= left && y >= top && x < left + state_[*c].width && y < top + state_[*c].height;
    }
    if (inside && (!hit || depth >= hit_depth)) {
      hit = id;
      hit_depth = depth;
    }
  }
  return hit;
}

}  // namespace sagelight::ui
