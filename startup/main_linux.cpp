#include "platform/runtime.h"
#include "platform/x11/x11_platform.h"
#include "startup/module1.h"

int main(int argc, char** argv) {
  const auto platform = sagelight::x11::MakePlatform(argc, argv);
  sagelight::rt::Runtime runtime(*platform);
  return runtime.Run(&sagelight::Module1::Main);
}
