#include "backends/desktop/desktop_platform.h"

#include <cstdlib>

namespace sagelight::posix {

DesktopPlatform::DesktopPlatform(int argc, char** argv) : process_(argc, argv) {}

bool DesktopPlatform::PrevInstance() { return process_.PrevInstance(); }

std::string DesktopPlatform::CommandLine() { return process_.CommandLine(); }

bool DesktopPlatform::CanShowMessages() { return Connected(); }

void DesktopPlatform::RunEventLoop() { posix::RunEventLoop(*this); }

void DesktopPlatform::EndProcess(int exit_status) { std::_Exit(exit_status); }

int DesktopPlatform::RunTimers() { return RunDueTimers(); }

}  // namespace sagelight::posix
