#include <windows.h>

#include "platform/runtime.h"
#include "platform/win32/win32_platform.h"
#include "startup/module1.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR command_line, int /*show*/) {
  const auto platform = sagelight::win32::MakePlatform(instance, command_line);
  sagelight::rt::Runtime runtime(*platform);
  return runtime.Run(&sagelight::Module1::Main);
}
