#include "platform/ui.h"
#include "platform/x11/x11_platform.h"
#include "startup/module1.h"

int main(int argc, char** argv) {
  const auto platform = sagelight::x11::MakePlatform(argc, argv);
  return sagelight::ui::RunProgram(*platform, &sagelight::Module1::Main);
}
