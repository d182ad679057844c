#pragma once

// The Windows backend: the saver window and its panel as real windows, a
// message loop that sleeps until the next timer falls due, message boxes,
// the previous-instance test and the end of the process, all on the Win32
// API.

#include <windows.h>

#include <memory>

#include "ui/platform.h"

namespace sagelight::win32 {

// The backend for this process. `command_line` is the argument text without
// the program's name, as WinMain receives it.
std::unique_ptr<ui::Platform> MakePlatform(HINSTANCE instance, const char* command_line);

}  // namespace sagelight::win32
