#include "platform/ui.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/runtime_error.h"

namespace sagelight::ui {

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

std::optional<ElementId> Form::Find(const std::string& name) const {
  for (ElementId id = 0; id < design_.elements.size(); ++id) {
    if (design_.elements[id].name == name) {
      return id;
    }
  }
  return std::nullopt;
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
  state_.at(id).caption = caption;
  Changed(id, Property::kCaption);
}

void Form::SetEnabled(ElementId id, bool enabled) {
  state_.at(id).enabled = enabled;
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

void Platform::EndProgram(int exit_status) {
  EndProcess(exit_status);
  std::abort();  // a backend whose end returned: never carry on past an end
}

namespace {
Platform* g_platform = nullptr;
std::int16_t g_mouse_pointer = kPointerDefault;
}  // namespace

void Install(Platform* platform) { g_platform = platform; }

Platform* Installed() { return g_platform; }

Platform& Current() {
  if (g_platform == nullptr) {
    rt::Raise(rt::kErrInvalidCall);
  }
  return *g_platform;
}

void SetMousePointer(std::int16_t shape) {
  g_mouse_pointer = shape;
  if (g_platform != nullptr) {
    g_platform->ApplyMousePointer(shape);
  }
}

std::int16_t MousePointer() { return g_mouse_pointer; }

void ReportUntrappedError(Platform& platform, std::int32_t number, const std::string& description) {
  // A file error names the file as this machine knows it (not the
  // program's c:\ path), or users could not find what to repair.
  const std::string file = rt::HandledErrorFile();
  const std::string text = file.empty() ? description : description + " (" + file + ")";
  // fputs rather than fprintf: the Windows build would carry a whole
  // printf implementation for this one line.
  const std::string line =
      "Sagelight: run-time error " + std::to_string(number) + ": " + text + "\n";
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
  if (platform.CanShowMessages()) {
    const std::string prompt = "Run-time error '" + std::to_string(number) + "':\r\n\r\n" + text;
    try {
      platform.MsgBox(prompt, kMsgBoxOkOnly | kMsgBoxCritical, "Sagelight");
    } catch (const rt::RuntimeError&) {
      // The line on standard error already carries the report.
    }
  }
}

int RunProgram(Platform& platform, void (*main)()) {
  Install(&platform);
  try {
    (void)platform.PrevInstance();
    main();
    platform.RunEventLoop();
  } catch (const rt::RuntimeError& error) {
    ReportUntrappedError(platform, error.Number(), error.Description());
    return 1;
  }
  return 0;
}

}  // namespace sagelight::ui
