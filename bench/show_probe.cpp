// Whole-process figures of one show of the Linux program, read from outside as a user feels
// them: start-up (process start to the first frame on screen), response (a key press to the
// process having exited) and peak resident memory.
//   show_probe COMMAND...     (for instance: show_probe build/quorex /S)
// prints "startup_ms response_ms peak_kb". The settings come from the caller's environment.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

unsigned long PixelAt(Display* display, int x, int y) {
  XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
  if (!image) return 0;
  const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
  XDestroyImage(image);
  return pixel;
}

// The root is painted white first; the saver window opens light grey and its first frame is
// black with a few lines, so a pixel that is neither marks the first frame on screen.
bool FirstFrameShown(Display* display) {
  const unsigned long pixel = PixelAt(display, 37, 23);
  return pixel != 0xFFFFFF && pixel != 0xC0C0C0;
}

void PaintRootWhite(Display* display) {
  const Window root = DefaultRootWindow(display);
  XSetWindowBackground(display, root, WhitePixel(display, DefaultScreen(display)));
  XClearWindow(display, root);
  XSync(display, False);
}

pid_t Start(char** command) {
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(command[0], command);
    _exit(127);
  }
  return pid;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s COMMAND...\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "no X display\n");
    return 1;
  }
  PaintRootWhite(display);
  const KeyCode key = XKeysymToKeycode(display, XK_a);

  const auto started = Clock::now();
  const pid_t pid = Start(argv + 1);
  while (!FirstFrameShown(display)) {
    if (MillisecondsSince(started) > 10000 || waitpid(pid, nullptr, WNOHANG) == pid) {
      std::fprintf(stderr, "no frame within 10 s\n");
      return 1;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  const double startup = MillisecondsSince(started);

  std::this_thread::sleep_for(std::chrono::milliseconds(500));  // the show under way
  const auto pressed = Clock::now();
  XTestFakeKeyEvent(display, key, True, CurrentTime);
  XFlush(display);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const double response = MillisecondsSince(pressed);
  XTestFakeKeyEvent(display, key, False, CurrentTime);
  XSync(display, False);
  XCloseDisplay(display);

  std::printf("%.1f %.1f %ld\n", startup, response, usage.ru_maxrss);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
