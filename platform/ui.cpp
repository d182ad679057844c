#include "platform/ui.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/event_path.h"
#include "platform/runtime_error.h"

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
  if (path_ != nullptr) {
    path_->EnabledChanged(id);
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

Platform::Platform() = default;

Platform::~Platform() = default;

void Platform::EndProgram(int exit_status) {
  EndProcess(exit_status);
  std::abort();  // a backend whose end returned: never carry on past an end
}

void Platform::MsgBox(const std::string& prompt, MessageIcon icon, const std::string& title) {
  // The gate closes even when the box fails to show.
  class Gate {
   public:
    explicit Gate(EventPath* path) : path_(path) {
      if (path_ != nullptr) {
        path_->BoxOpened();
      }
    }
    Gate(const Gate&) = delete;
    Gate& operator=(const Gate&) = delete;
    ~Gate() {
      if (path_ != nullptr) {
        path_->BoxClosed();
      }
    }

   private:
    EventPath* path_;
  };
  const Gate gate(path_.get());
  ShowMessageBox(prompt, icon, title);
}

EventPath& Platform::StartEventPath(Form& form, FormEvents& events, double twips_per_pixel_x,
                                    double twips_per_pixel_y) {
  path_ = std::make_unique<EventPath>(*this, form, events, twips_per_pixel_x, twips_per_pixel_y);
  return *path_;
}

void Platform::StopEventPath() { path_.reset(); }

void ReportUntrappedError(Platform& platform, const rt::RuntimeError& error) {
  // A file error names the file as this machine knows it (not the
  // program's c:\ path), or users could not find what to repair.
  const std::int32_t number = error.Number();
  const std::string& file = error.File();
  const std::string text =
      file.empty() ? error.Description() : error.Description() + " (" + file + ")";
  // fputs rather than fprintf: the Windows build would carry a whole
  // printf implementation for this one line.
  const std::string line =
      "Sagelight: run-time error " + std::to_string(number) + ": " + text + "\n";
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
  if (platform.CanShowMessages()) {
    const std::string prompt = "Run-time error '" + std::to_string(number) + "':\r\n\r\n" + text;
    try {
      platform.MsgBox(prompt, MessageIcon::kCritical, "Sagelight");
    } catch (const rt::RuntimeError&) {
      // The line on standard error already carries the report.
    }
  }
}

}  // namespace sagelight::ui
