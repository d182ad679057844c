#include "backends/posix/argument_text.h"

namespace sagelight::posix {

std::string ArgumentText(int argc, char** argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) {
      text += ' ';
    }
    text += argv[i];
  }
  return text;
}

}  // namespace sagelight::posix
