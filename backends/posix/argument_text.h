#pragma once

#include <string>

namespace sagelight::posix {

// The command line's argument text, without the program's name: the
// arguments joined by single spaces, as a Windows program receives its
// command line.
std::string ArgumentText(int argc, char** argv);

}  // namespace sagelight::posix
