#include <windows.h>

#include "backends/win32/win32_platform.h"
#include "runtime/runtime.h"
#include "startup/module1.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR command_line, int /*show*/) {
  const auto platform = sagelight::win32::MakePlatform(instance, command_line);
  const sagelight::rt::Runtime runtime;
  return platform->Run(&sagelight::Module1::Main);
}
