/* A fairer floor for a saver that shows text: map one black window over the
 * whole screen at once, wake once a second, and a second after the start and
 * every 20 s after that draw one coloured panel with a few lines of Xft text
 * at a new place, hidden again before the next. The font is opened when the
 * first panel is drawn, after the screen is black. idle_cost.sh measures
 * sagelight against it. */
#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <stdlib.h>
#include <string.h>

enum { kPanelWidth = 273, kPanelHeight = 169, kShowTick = 1, kHideTick = 18, kCycleTicks = 20 };

static const char* const kLines[] = {
    "Sagelight", "", "A few words of wisdom,", "as long as a saying is,", "broken into lines.",
};

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
  XClassHint class_hint = {"min_xft_window", "MinXftWindow"};
  XSetClassHint(display, window, &class_hint);
  XMapRaised(display, window);
  XFlush(display);

  XSetWindowAttributes child;
  child.background_pixel = 0x008080;
  child.event_mask = ExposureMask;
  const Window panel =
      XCreateWindow(display, window, 0, 0, kPanelWidth, kPanelHeight, 0, CopyFromParent,
                    InputOutput, CopyFromParent, CWBackPixel | CWEventMask, &child);
  XftDraw* draw = NULL;
  XftFont* font = NULL;
  XftColor white;

  struct pollfd readable = {ConnectionNumber(display), POLLIN, 0};
  int tick = 0;
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == Expose && event.xexpose.window == panel && event.xexpose.count == 0 &&
          font != NULL) {
        int top = 4 + font->ascent;
        for (size_t i = 0; i < sizeof kLines / sizeof kLines[0]; ++i) {
          XftDrawStringUtf8(draw, &white, font, 4, top, (const FcChar8*)kLines[i],
                            (int)strlen(kLines[i]));
          top += font->height;
        }
      }
    }
    if (poll(&readable, 1, 1000) != 0) {
      continue;
    }
    tick = tick + 1;
    if (tick == kShowTick) {
      if (font == NULL) {
        font = XftFontOpenName(display, screen, "Arial:size=11.25:dpi=96");
        draw = XftDrawCreate(display, panel, DefaultVisual(display, screen),
                             DefaultColormap(display, screen));
        XftColorAllocName(display, DefaultVisual(display, screen), DefaultColormap(display, screen),
                          "white", &white);
      }
      XMoveWindow(display, panel, rand() % (DisplayWidth(display, screen) - kPanelWidth),
                  rand() % (DisplayHeight(display, screen) - kPanelHeight));
      XMapWindow(display, panel);
    } else if (tick == kHideTick) {
      XUnmapWindow(display, panel);
    } else if (tick == kCycleTicks) {
      tick = 0;
    }
    XFlush(display);
  }
}
