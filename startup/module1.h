#pragma once

#include <memory>

#include "quotes/quote_file.h"
#include "runtime/object.h"

// The start-up module: the program's entry procedure, its orderly end and
// the two objects the rest of the program shares.
namespace sagelight::Module1 {  // NOLINT(readability-identifier-naming)

// The error reporter, reached by member name only.
extern std::unique_ptr<rt::Object> objError;  // NOLINT(readability-identifier-naming)
// The quote store.
extern std::unique_ptr<cQuoteFile> objQuotes;  // NOLINT(readability-identifier-naming)

// Called once by the runtime when the process starts.
void Main();  // NOLINT(readability-identifier-naming)

// Release the shared objects, close every file and end the process from
// inside the call.
[[noreturn]] void EndSaver();  // NOLINT(readability-identifier-naming)

}  // namespace sagelight::Module1
