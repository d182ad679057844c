#include "startup/module1.h"

#include "errors/error_class.h"
#include "runtime/runtime.h"
#include "runtime/text.h"
#include "saver/saver_form.h"
#include "ui/platform.h"

namespace sagelight::Module1 {

std::unique_ptr<rt::Object> objError;   // NOLINT(readability-identifier-naming)
std::unique_ptr<cQuoteFile> objQuotes;  // NOLINT(readability-identifier-naming)

void Main() {
  ui::Platform& app = ui::Current();
  if (app.PrevInstance()) {
    app.EndProgram(0);
  }
  // The shared objects last as long as the process.
  rt::Runtime::Current().AtEnd([] {
    objQuotes.reset();
    objError.reset();
  });
  objError = std::make_unique<cErrorClass>();
  objQuotes = std::make_unique<cQuoteFile>();
  if (rt::InStr(app.CommandLine(), "/s") > 0) {
    static const SaverModule kModule{objError, objQuotes, &EndSaver};
    frmSaver::Show(kModule);
  }
}

void EndSaver() {
  objQuotes.reset();
  objError.reset();
  // Ending closes every file the program still has open.
  ui::Current().EndProgram(0);
}

}  // namespace sagelight::Module1
