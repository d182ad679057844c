#include <signal.h>

#include "platform/runtime.h"
#include "platform/x11/x11_platform.h"
#include "startup/module1.h"

int main(int argc, char** argv) {
  // A write beyond the file-size limit must fail with its error ("Disk
  // full") rather than kill the process without a word.
  signal(SIGXFSZ, SIG_IGN);
  // A daemon that hosts the saver ends it with SIGTERM: the process must go
  // at once and without a word, even when its parent left the signal ignored.
  signal(SIGTERM, SIG_DFL);
  const auto platform = sagelight::x11::MakePlatform(argc, argv);
  sagelight::rt::Runtime runtime(*platform);
  return runtime.Run(&sagelight::Module1::Main);
}
