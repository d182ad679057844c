#pragma once

#include <memory>
#include <string>

#include "ui/platform.h"

namespace sagelight::x11 {

// The backend for Linux desktops: Xlib windows, Xft text and fontconfig
// faces. The display is opened only when the program first needs it, so a
// start that shows nothing runs without one.
// `fallback` says why the program runs on X rather than on the Wayland
// compositor the session names; it is said with the display's outcome, on
// one line, when the display is first opened.
std::unique_ptr<ui::Platform> MakePlatform(int argc, char** argv, std::string fallback = {});

}  // namespace sagelight::x11
