/* The least a full-screen saver can do on X: map one black window over the
 * whole screen and wake once a second. idle_cost.sh measures sagelight
 * against it. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>

int main(void) {
  Display* display = XOpenDisplay(NULL);
  if (display == NULL) {
    return 1;
  }
  const int screen = DefaultScreen(display);
  XSetWindowAttributes attributes;
  attributes.background_pixel = BlackPixel(display, screen);
  attributes.override_redirect = False;
  attributes.event_mask = KeyPressMask | PointerMotionMask | StructureNotifyMask;
  const Window window = XCreateWindow(
      display, RootWindow(display, screen), 0, 0, (unsigned)DisplayWidth(display, screen),
      (unsigned)DisplayHeight(display, screen), 0, CopyFromParent, InputOutput, CopyFromParent,
      CWBackPixel | CWEventMask, &attributes);
  XClassHint class_hint = {"min_window", "MinWindow"};
  XSetClassHint(display, window, &class_hint);
  XMapRaised(display, window);
  XFlush(display);
  struct pollfd readable = {ConnectionNumber(display), POLLIN, 0};
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
    }
    poll(&readable, 1, 1000);
  }
}
