#include "runtime/runtime.h"

#include <utility>

#include "runtime/random.h"
#include "runtime/record_file.h"
#include "runtime/runtime_error.h"

namespace sagelight::rt {
namespace {

Runtime* g_current = nullptr;

}  // namespace

Runtime::Runtime(RuntimeOptions options) : options_(std::move(options)), previous_(g_current) {
  g_current = this;
  StartGenerator(kFreshGeneratorState);
}

Runtime::~Runtime() {
  CloseAll();
  for (auto release = at_end_.rbegin(); release != at_end_.rend(); ++release) {
    (*release)();
  }
  g_current = previous_;
}

Runtime& Runtime::Current() {
  if (g_current == nullptr) {
    Raise(kErrInvalidCall);
  }
  return *g_current;
}

bool Runtime::Started() { return g_current != nullptr; }

void Runtime::AtEnd(std::function<void()> release) { at_end_.push_back(std::move(release)); }

}  // namespace sagelight::rt
