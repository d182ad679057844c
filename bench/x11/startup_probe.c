/* How fast a full-screen program gets going on X, timed from the server's
 * events rather than from screenshots. The probe watches the root window's
 * children, notes the monotonic clock just before it forks and execs the
 * program, and again as events arrive:
 *
 *   map    the program's full-screen window is mapped. The server paints a
 *          window's background as it maps it, so this is when the screen
 *          goes black;
 *   panel  the first window mapped inside it (a saver's panel of text);
 *
 * then, a second after the panel, the program's peak and current resident
 * memory (VmHWM and VmRSS from /proc/PID/status): by then both have drawn
 * their first text. It ends the program with SIGTERM and prints one line:
 *
 *   map_ms panel_ms hwm_kib rss_kib
 *
 * with -1 for what did not happen within 30 s; nothing, and status 1, when
 * the program ended before it showed. Usage (DISPLAY names the
 * server): startup_probe PROGRAM [ARGUMENT...]. startup_cost.sh runs it. */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double NowMs(void) {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return (double)now.tv_sec * 1000.0 + (double)now.tv_nsec / 1e6;
}

/* A field of /proc/PID/status in KiB, or -1. */
static long StatusKib(pid_t pid, const char* field) {
  char path[64];
  snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
  FILE* file = fopen(path, "r");
  if (file == NULL) {
    return -1;
  }
  char line[256];
  long value = -1;
  const size_t length = strlen(field);
  while (fgets(line, sizeof line, file) != NULL) {
    if (strncmp(line, field, length) == 0 && line[length] == ':') {
      value = strtol(line + length + 1, NULL, 10);
      break;
    }
  }
  fclose(file);
  return value;
}

/* Waits for the next event up to `deadline`; false when it passed or the
 * program ended (its status in *ended). */
static int NextEvent(Display* display, XEvent* event, double deadline, pid_t child, int* ended) {
  while (XPending(display) == 0) {
    const double left = deadline - NowMs();
    if (left <= 0 || waitpid(child, ended, WNOHANG) == child) {
      return 0;
    }
    struct pollfd readable = {ConnectionNumber(display), POLLIN, 0};
    poll(&readable, 1, left < 100 ? (int)left + 1 : 100);
  }
  XNextEvent(display, event);
  return 1;
}

int main(int argc, char** argv) {
  if (argc < 2) {
    fputs("usage: startup_probe PROGRAM [ARGUMENT...]\n", stderr);
    return 2;
  }
  Display* display = XOpenDisplay(NULL);
  if (display == NULL) {
    fputs("startup_probe: cannot open the display\n", stderr);
    return 2;
  }
  const int screen = DefaultScreen(display);
  const Window root = RootWindow(display, screen);
  const int width = DisplayWidth(display, screen);
  const int height = DisplayHeight(display, screen);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const double started = NowMs();
  const pid_t child = fork();
  if (child == 0) {
    close(ConnectionNumber(display));
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  if (child < 0) {
    perror("startup_probe: fork");
    return 2;
  }

  double mapped = -1;
  double panel = -1;
  Window full = None;
  const double deadline = started + 30000;
  XEvent event;
  int ended = -1;
  while ((mapped < 0 || panel < 0) && NextEvent(display, &event, deadline, child, &ended)) {
    const double at = NowMs();
    if (event.type != MapNotify) {
      continue;
    }
    if (event.xmap.event == root && mapped < 0) {
      XWindowAttributes attributes;
      if (XGetWindowAttributes(display, event.xmap.window, &attributes) != 0 &&
          attributes.width == width && attributes.height == height) {
        mapped = at - started;
        full = event.xmap.window;
        /* Its own children map inside it: watch those too. */
        XSelectInput(display, full, SubstructureNotifyMask);
      }
    } else if (full != None && event.xmap.event == full && panel < 0) {
      panel = at - started;
    }
  }
  if (panel >= 0) {
    usleep(1000 * 1000);
  }
  if (ended != -1) {
    fprintf(stderr, "startup_probe: %s ended with status %d before it showed\n", argv[1],
            WIFEXITED(ended) ? WEXITSTATUS(ended) : 128 + WTERMSIG(ended));
    return 1;
  }
  const long hwm = StatusKib(child, "VmHWM");
  const long rss = StatusKib(child, "VmRSS");
  kill(child, SIGTERM);
  waitpid(child, NULL, 0);
  printf("%.1f %.1f %ld %ld\n", mapped, panel, hwm, rss);
  XCloseDisplay(display);
  return mapped < 0 ? 1 : 0;
}
