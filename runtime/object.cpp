#include "runtime/object.h"

#include "runtime/runtime_error.h"

namespace sagelight::rt {

void Object::LetProperty(std::string_view /*name*/, const std::string& /*value*/) {
  Raise(kErrNoSuchMember);
}

std::string Object::GetProperty(std::string_view /*name*/) { Raise(kErrNoSuchMember); }

void Object::CallMethod(std::string_view /*name*/) { Raise(kErrNoSuchMember); }

}  // namespace sagelight::rt
