#include "errors/error_class.h"

#include "runtime/runtime.h"
#include "runtime/runtime_error.h"
#include "ui/platform.h"

namespace sagelight {

void cErrorClass::ShowIt() {
  const std::string message = "An error has occured: \r\n" + strError() + ".";
  (void)ui::MsgBox(message, ui::kMsgBoxInformation | ui::kMsgBoxOkOnly, std::string());
}

void cErrorClass::LetProperty(std::string_view name, const std::string& value) {
  if (name != "strError") {
    rt::Raise(rt::kErrNoSuchMember);
  }
  strError(value);
}

std::string cErrorClass::GetProperty(std::string_view name) {
  if (name != "strError") {
    rt::Raise(rt::kErrNoSuchMember);
  }
  return strError();
}

void cErrorClass::CallMethod(std::string_view name) {
  if (name != "ShowIt") {
    rt::Raise(rt::kErrNoSuchMember);
  }
  ShowIt();
}

}  // namespace sagelight
