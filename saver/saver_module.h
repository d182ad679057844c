#pragma once

#include <memory>

#include "quotes/quote_file.h"
#include "runtime/object.h"

namespace sagelight {

// What the saver window uses of the program's start-up module: the two
// shared objects and the orderly end. The start-up module hands it over
// when it shows the window, so the window never depends on the module that
// shows it.
struct SaverModule {
  std::unique_ptr<rt::Object>& objError;   // NOLINT(readability-identifier-naming)
  std::unique_ptr<cQuoteFile>& objQuotes;  // NOLINT(readability-identifier-naming)
  void (*end_saver)();

  // Release the shared objects, close every file and end the process from
  // inside the call.
  [[noreturn]] void EndSaver() const;  // NOLINT(readability-identifier-naming)
};

}  // namespace sagelight
