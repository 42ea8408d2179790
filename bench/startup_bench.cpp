// Start-up from outside: the time from starting a program to the X server
// mapping its first window, velmedit (its welcome window) against a bare Qt
// window of the same size with one line of Chinese, started alternately.
//
//   startup_bench <velmedit> <bare_window> [rounds]
//
// Needs a display (Xvfb :99 & DISPLAY=:99). Target: velmedit's median within
// 1.3 times the bare window's, on an idle machine.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct XConnection {
  xcb_connection_t* connection = nullptr;
  xcb_window_t root = 0;
};

XConnection WatchRootWindow() {
  XConnection x;
  x.connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x.connection)) {
    std::fprintf(stderr, "startup_bench: no X display (start Xvfb and set DISPLAY)\n");
    std::exit(2);
  }
  x.root = xcb_setup_roots_iterator(xcb_get_setup(x.connection)).data->root;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(x.connection, x.root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(x.connection);
  return x;
}

pid_t Start(const std::string& program, const std::string& home) {
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  return pid;
}

// Milliseconds from the start to the first top-level window mapped.
double TimeToFirstWindow(const XConnection& x, const std::string& program, const std::string& home) {
  const Clock::time_point start = Clock::now();
  const pid_t pid = Start(program, home);
  pollfd events{xcb_get_file_descriptor(x.connection), POLLIN, 0};
  while (true) {
    while (xcb_generic_event_t* raw = xcb_poll_for_event(x.connection)) {
      const bool mapped = (raw->response_type & 0x7F) == XCB_MAP_NOTIFY;
      std::free(raw);
      if (mapped) {
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        return ms;
      }
    }
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      std::fprintf(stderr, "startup_bench: %s ended without showing a window\n", program.c_str());
      std::exit(1);
    }
    poll(&events, 1, 50);
  }
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_bench <velmedit> <bare_window> [rounds]\n");
    return 2;
  }
  const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 21;
  const std::filesystem::path home = std::filesystem::temp_directory_path() / "velmedit-startup-bench";
  std::filesystem::create_directories(home);
  const XConnection x = WatchRootWindow();
  std::vector<double> program, bare;
  TimeToFirstWindow(x, argv[1], home.string());  // warm the caches
  TimeToFirstWindow(x, argv[2], home.string());
  for (int i = 0; i < rounds; ++i) {
    program.push_back(TimeToFirstWindow(x, argv[1], home.string()));
    bare.push_back(TimeToFirstWindow(x, argv[2], home.string()));
  }
  const double ratio = Median(program) / Median(bare);
  std::printf("first window mapped, median of %d: velmedit %.1f ms, bare window %.1f ms, ratio %.2f (target 1.30): %s\n",
              rounds, Median(program), Median(bare), ratio, ratio <= 1.3 ? "met" : "NOT met");
  xcb_disconnect(x.connection);
  return 0;
}
