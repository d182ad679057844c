#pragma once

// Where the session's Wayland compositor listens, known without the Wayland
// libraries: the X11 program asks before it hands a session over to the
// Wayland one, and the Wayland backend names the place when nobody answers.

#include <optional>
#include <string>

namespace sagelight::posix {

// The socket's path: WAYLAND_DISPLAY (wayland-0 when unset) in
// XDG_RUNTIME_DIR, or WAYLAND_DISPLAY itself where it is a path. Nothing
// where XDG_RUNTIME_DIR is needed and not set; `why` then says so.
std::optional<std::string> WaylandSocket(std::string& why);

// What is said when no compositor answers at `socket`.
std::string NoCompositorAt(const std::string& socket);

// Whether a compositor answers: one that handed the program its connection
// (WAYLAND_SOCKET), or one that accepts a connection at the socket, as a
// Wayland client would connect. When none does, `why` names the socket tried
// (or says why there was none to try).
bool CompositorAnswers(std::string& why);

}  // namespace sagelight::posix
