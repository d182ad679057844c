#pragma once

#include <string>
#include <string_view>

namespace sagelight::rt {

// An object reached by member name at run time, through a reference that
// knows nothing of its class. A name the object lacks raises error 438.
class Object {
 public:
  Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object() = default;

  virtual void LetProperty(std::string_view name, const std::string& value);
  virtual std::string GetProperty(std::string_view name);
  virtual void CallMethod(std::string_view name);
};

}  // namespace sagelight::rt
