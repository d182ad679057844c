/* Windows of other clients that the end-to-end tests need:
 *   x11_helper dock X Y W H   a panel that asks to stay above everything, with a strut
 *   x11_helper host X Y W H   a plain window, as a screen-saver daemon makes for a saver
 *   x11_helper destroy ID     destroys someone else's window
 * dock and host print the window's id once it is mapped and then run until
 * they are killed. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static Display* display;

static void set_atoms(Window window, const char* property, const char** names, int count) {
  Atom atoms[4];
  for (int i = 0; i < count; ++i) {
    atoms[i] = XInternAtom(display, names[i], False);
  }
  XChangeProperty(display, window, XInternAtom(display, property, False), XA_ATOM, 32,
                  PropModeReplace, (const unsigned char*)atoms, count);
}

static _Noreturn void show(int dock, int x, int y, int width, int height) {
  const int screen = DefaultScreen(display);
  XColor colour;
  XAllocNamedColor(display, DefaultColormap(display, screen), dock ? "#ff8000" : "#203080",
                   &colour, &colour);
  XSetWindowAttributes attributes;
  attributes.background_pixel = colour.pixel;
  attributes.event_mask = StructureNotifyMask;
  const Window window =
      XCreateWindow(display, RootWindow(display, screen), x, y, (unsigned)width, (unsigned)height,
                    0, CopyFromParent, InputOutput, CopyFromParent, CWBackPixel | CWEventMask,
                    &attributes);
  XSizeHints size = {0};
  size.flags = USPosition | USSize;
  size.x = x;
  size.y = y;
  size.width = width;
  size.height = height;
  XSetWMNormalHints(display, window, &size);
  XClassHint class_hint = {dock ? "testdock" : "testhost", "Test"};
  XSetClassHint(display, window, &class_hint);
  if (dock) {
    const char* type[] = {"_NET_WM_WINDOW_TYPE_DOCK"};
    set_atoms(window, "_NET_WM_WINDOW_TYPE", type, 1);
    const char* state[] = {"_NET_WM_STATE_ABOVE", "_NET_WM_STATE_STICKY"};
    set_atoms(window, "_NET_WM_STATE", state, 2);
    /* A strut along the top edge over the dock's own width. */
    long strut[12] = {0};
    strut[2] = y + height;
    strut[8] = x;
    strut[9] = x + width - 1;
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_STRUT_PARTIAL", False),
                    XA_CARDINAL, 32, PropModeReplace, (const unsigned char*)strut, 12);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_STRUT", False), XA_CARDINAL,
                    32, PropModeReplace, (const unsigned char*)strut, 4);
  }
  XMapWindow(display, window);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && event.xmap.window == window) {
      printf("%lu\n", (unsigned long)window);
      fflush(stdout);
    }
  }
}

static int destroy_failed;

static int on_error(Display* failing, XErrorEvent* error) {
  (void)failing;
  (void)error;
  destroy_failed = 1;
  return 0;
}

int main(int argc, char** argv) {
  display = XOpenDisplay(NULL);
  if (display == NULL) {
    fputs("x11_helper: no display\n", stderr);
    return 2;
  }
  if (argc == 6 && (strcmp(argv[1], "dock") == 0 || strcmp(argv[1], "host") == 0)) {
    show(strcmp(argv[1], "dock") == 0, atoi(argv[2]), atoi(argv[3]), atoi(argv[4]),
                atoi(argv[5]));
  }
  if (argc == 3 && strcmp(argv[1], "destroy") == 0) {
    XSetErrorHandler(on_error);
    XDestroyWindow(display, (Window)strtoul(argv[2], NULL, 0));
    XSync(display, False);
    return destroy_failed;
  }
  fputs("usage: x11_helper dock|host X Y W H | destroy ID\n", stderr);
  return 2;
}
