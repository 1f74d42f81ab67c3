// quorvel-startup-probe TITLE SETTLE_MS PROGRAM [ARG...]
//
// Starts PROGRAM and watches the X server for its top-level window named
// TITLE: prints, on one line, the milliseconds from just before the start to
// the window being mapped, to the program's first drawing into it (the DAMAGE
// extension; -1 where the server lacks it), the processor time the program's
// threads had used by then (milliseconds; what a busy machine changes least),
// and the process's peak resident set in KiB, read SETTLE_MS after that first
// drawing. Then the program is
// ended. Exit status 1, with a message, when no such window is shown within
// 30 s or the program ends first.
//
// Mapping a window damages it once by itself (the server exposes it, whatever
// its background); drawing into an unmapped window damages nothing. So the
// program's first drawing is the window's second damage report.
//
// One connection, woken by the server's events, instead of polling with a
// new client each time: starting an X client costs tens of milliseconds
// under Xvfb, as much as the start-up being measured.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The window's title: _NET_WM_NAME (UTF-8) where set, else WM_NAME.
std::string TitleOf(Display* display, Window window) {
  const Atom net_wm_name = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom type = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(display, window, net_wm_name, 0, 1024, False, utf8, &type, &format, &items, &after,
                         &data) == Success &&
      data != nullptr && type == utf8) {
    title.assign(reinterpret_cast<const char*>(data), items);
  }
  if (data != nullptr) XFree(data);
  if (title.empty()) {
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name != nullptr) {
      title = name;
      XFree(name);
    }
  }
  return title;
}

long PeakKib(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

// Processor time of all the process's threads so far, in milliseconds.
double CpuMilliseconds(pid_t pid) {
  double ns = 0;
  std::error_code error;
  for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
    std::ifstream schedstat(task.path() / "schedstat");
    double on_cpu = 0;
    if (schedstat >> on_cpu) ns += on_cpu;
  }
  return ns / 1e6;
}

void End(pid_t pid) {
  kill(pid, SIGTERM);
  for (int i = 0; i < 200; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: quorvel-startup-probe TITLE SETTLE_MS PROGRAM [ARG...]\n");
    return 2;
  }
  const std::string wanted = argv[1];
  const long settle_ms = std::strtol(argv[2], nullptr, 10);

  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "quorvel-startup-probe: cannot open the display\n");
    return 1;
  }
  const int fd = ConnectionNumber(display);
  fcntl(fd, F_SETFD, FD_CLOEXEC);
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  int damage_event = 0, damage_error = 0;
  const bool damage = XDamageQueryExtension(display, &damage_event, &damage_error);
  XSync(display, False);

  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid < 0) {
    std::perror("fork");
    return 1;
  }
  if (pid == 0) {
    execvp(argv[3], argv + 3);
    std::perror(argv[3]);
    _exit(127);
  }

  Window target = None;
  std::map<Drawable, int> damage_reports;
  double mapped_ms = -1, painted_ms = -1, cpu_ms = -1;
  bool done = false;
  while (!done) {
    while (!done && XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == CreateNotify && damage) {
        // Watch every new top-level window from its creation, so that no
        // drawing can come before the watch.
        XDamageCreate(display, event.xcreatewindow.window, XDamageReportRawRectangles);
      } else if (event.type == MapNotify && target == None) {
        if (TitleOf(display, event.xmap.window) == wanted) {
          target = event.xmap.window;
          mapped_ms = MillisecondsSince(start);
          if (!damage) done = true;
          if (damage && damage_reports[target] >= 2) {
            painted_ms = mapped_ms;
            done = true;
          }
        }
      } else if (damage && event.type == damage_event + XDamageNotify) {
        const auto& notify = reinterpret_cast<const XDamageNotifyEvent&>(event);
        const int reports = ++damage_reports[notify.drawable];
        if (reports == 2 && notify.drawable == target) {
          painted_ms = MillisecondsSince(start);
          done = true;
        }
      }
    }
    if (done) {
      cpu_ms = CpuMilliseconds(pid);
      break;
    }
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      std::fprintf(stderr, "quorvel-startup-probe: %s ended before showing a window named %s\n", argv[3],
                   wanted.c_str());
      return 1;
    }
    if (MillisecondsSince(start) > 30000) {
      End(pid);
      std::fprintf(stderr, "quorvel-startup-probe: %s showed no window named %s within 30 s\n", argv[3],
                   wanted.c_str());
      return 1;
    }
    pollfd wait_for{fd, POLLIN, 0};
    poll(&wait_for, 1, 10);
  }

  std::this_thread::sleep_for(std::chrono::milliseconds(settle_ms));
  const long peak = PeakKib(pid);
  End(pid);
  XCloseDisplay(display);
  std::printf("%.1f %.1f %.1f %ld\n", mapped_ms, painted_ms, cpu_ms, peak);
  return 0;
}
