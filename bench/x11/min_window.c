/* The least a full-screen saver can do on X: map one black window over the
 * whole screen at once and wake once a second. Built with WITH_TEXT it is a
 * fairer floor for a saver that shows text: a second after the start and
 * every 20 s after that it draws one coloured panel with a few lines of Xft
 * text at a new place, hidden again before the next; the font is opened when
 * the first panel is drawn, after the screen is black. idle_cost.sh measures
 * sagelight against both. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#ifdef WITH_TEXT
#include <X11/Xft/Xft.h>
#include <stdlib.h>
#include <string.h>

enum { kPanelWidth = 273, kPanelHeight = 169, kShowTick = 1, kHideTick = 18, kCycleTicks = 20 };

static const char* const kLines[] = {
    "Sagelight", "", "A few words of wisdom,", "as long as a saying is,", "broken into lines.",
};

struct Panel {
  Window window;
  XftDraw* draw;
  XftFont* font;
  XftColor white;
  int tick;
};

static void Paint(const struct Panel* panel, const XEvent* event) {
  if (event->type != Expose || event->xexpose.window != panel->window ||
      event->xexpose.count != 0 || panel->font == NULL) {
    return;
  }
  int top = 4 + panel->font->ascent;
  for (size_t i = 0; i < sizeof kLines / sizeof kLines[0]; ++i) {
    XftDrawStringUtf8(panel->draw, &panel->white, panel->font, 4, top, (const FcChar8*)kLines[i],
                      (int)strlen(kLines[i]));
    top += panel->font->height;
  }
}

static void Tick(Display* display, int screen, struct Panel* panel) {
  panel->tick = panel->tick + 1;
  if (panel->tick == kShowTick) {
    if (panel->font == NULL) {
      panel->font = XftFontOpenName(display, screen, "Arial:size=11.25:dpi=96");
      panel->draw = XftDrawCreate(display, panel->window, DefaultVisual(display, screen),
                                  DefaultColormap(display, screen));
      XftColorAllocName(display, DefaultVisual(display, screen), DefaultColormap(display, screen),
                        "white", &panel->white);
    }
    XMoveWindow(display, panel->window, rand() % (DisplayWidth(display, screen) - kPanelWidth),
                rand() % (DisplayHeight(display, screen) - kPanelHeight));
    XMapWindow(display, panel->window);
  } else if (panel->tick == kHideTick) {
    XUnmapWindow(display, panel->window);
  } else if (panel->tick == kCycleTicks) {
    panel->tick = 0;
  }
  XFlush(display);
}
#endif

int main(void) {
  Display* display = XOpenDisplay(NULL);
  if (display == NULL) {
    return 1;
  }
  const int screen = DefaultScreen(display);
  XSetWindowAttributes attributes;
  attributes.background_pixel = BlackPixel(display, screen);
  attributes.override_redirect = True;
  attributes.event_mask = KeyPressMask | PointerMotionMask | StructureNotifyMask;
  const Window window = XCreateWindow(
      display, RootWindow(display, screen), 0, 0, (unsigned)DisplayWidth(display, screen),
      (unsigned)DisplayHeight(display, screen), 0, CopyFromParent, InputOutput, CopyFromParent,
      CWBackPixel | CWOverrideRedirect | CWEventMask, &attributes);
  XClassHint class_hint = {"min_window", "MinWindow"};
  XSetClassHint(display, window, &class_hint);
  XMapRaised(display, window);
  XFlush(display);
#ifdef WITH_TEXT
  XSetWindowAttributes child;
  child.background_pixel = 0x008080;
  child.event_mask = ExposureMask;
  struct Panel panel = {0};
  panel.window = XCreateWindow(display, window, 0, 0, kPanelWidth, kPanelHeight, 0, CopyFromParent,
                               InputOutput, CopyFromParent, CWBackPixel | CWEventMask, &child);
#endif
  struct pollfd readable = {ConnectionNumber(display), POLLIN, 0};
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
#ifdef WITH_TEXT
      Paint(&panel, &event);
#endif
    }
    if (poll(&readable, 1, 1000) == 0) {
#ifdef WITH_TEXT
      Tick(display, screen, &panel);
#endif
    }
  }
}
