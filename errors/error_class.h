#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "runtime/object.h"

namespace sagelight {

// The error reporter: shows one text in a message box. Clients reach it only
// by member name ("strError", "ShowIt") through a generic object reference.
class cErrorClass : public rt::Object {  // NOLINT(readability-identifier-naming)
 public:
  [[nodiscard]] const std::string& strError() const { return strError_; }  // NOLINT
  void strError(std::string value) { strError_ = std::move(value); }       // NOLINT
  void ShowIt();  // NOLINT(readability-identifier-naming)

  void LetProperty(std::string_view name, const std::string& value) override;
  std::string GetProperty(std::string_view name) override;
  void CallMethod(std::string_view name) override;

 private:
  std::string strError_;  // NOLINT(readability-identifier-naming)
};

}  // namespace sagelight
