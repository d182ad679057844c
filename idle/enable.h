// --enable and --disable: the systemd user unit and the XDG autostart entry
// of the current user, which the package installs switched off.
#pragma once

namespace sagelight_idle {

int Enable();
int Disable();

}  // namespace sagelight_idle
