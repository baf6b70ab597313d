/* Starts a program and reports, in milliseconds, when a window of it is first mapped and when it first
 * shows pixels that are not all one colour (the first painted frame). Polls the X server every 0.5 ms.
 *   first_paint_probe PROGRAM [ARGS...]     (DISPLAY: a server with no other top-level windows mapped)
 * Prints "mapped_ms painted_ms" and kills the program. Built by bench/app/first_paint.sh. */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double NowMs(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static int Ignore(Display* d, XErrorEvent* e) {
  (void)d;
  (void)e;
  return 0; /* a window that went away between the query and the read */
}

/* 1: some viewable top-level window; 2: and it shows more than one colour. */
static int Look(Display* d) {
  Window root = DefaultRootWindow(d), parent, *children = NULL;
  unsigned int n = 0;
  int best = 0;
  if (!XQueryTree(d, root, &root, &parent, &children, &n)) return 0;
  for (unsigned int i = 0; i < n && best < 2; ++i) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, children[i], &a) || a.map_state != IsViewable || a.width < 8) continue;
    best = 1;
    XImage* img = XGetImage(d, children[i], 0, 0, (unsigned)a.width, (unsigned)a.height, AllPlanes, ZPixmap);
    if (img == NULL) continue;
    unsigned long first = XGetPixel(img, 0, 0);
    for (int y = 0; y < a.height && best < 2; y += 2)
      for (int x = 0; x < a.width; x += 2)
        if (XGetPixel(img, x, y) != first) {
          best = 2;
          break;
        }
    XDestroyImage(img);
  }
  if (children) XFree(children);
  return best;
}

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  Display* d = NULL;
  for (int i = 0; i < 100 && d == NULL; ++i) { /* the server may still be dropping the last run's clients */
    d = XOpenDisplay(NULL);
    if (d == NULL) {
      struct timespec pause = {0, 10000000};
      nanosleep(&pause, NULL);
    }
  }
  if (d == NULL) {
    fprintf(stderr, "first_paint_probe: cannot open the display\n");
    return 2;
  }
  XSetErrorHandler(Ignore);
  double const start = NowMs();
  pid_t const child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  double mapped = -1, painted = -1;
  while (NowMs() - start < 20000) {
    int const seen = Look(d);
    double const t = NowMs() - start;
    if (seen >= 1 && mapped < 0) mapped = t;
    if (seen == 2) {
      painted = t;
      break;
    }
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) {
      fprintf(stderr, "first_paint_probe: %s ended before painting (%s %d)\n", argv[1],
              WIFSIGNALED(status) ? "signal" : "status", WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status));
      printf("%.1f %.1f\n", mapped, painted);
      return 1;
    }
    struct timespec pause = {0, 500000};
    nanosleep(&pause, NULL);
  }
  kill(child, SIGTERM);
  waitpid(child, NULL, 0);
  printf("%.1f %.1f\n", mapped, painted);
  return painted < 0;
}
