// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up time and memory of Tarsomel beside a bare window of the same
// size, on the X display in DISPLAY (an Xvfb in bench/run): the Qt edition
// beside a bare Qt window, or, given "WINE tarsomel.exe" and "WINE
// win32_bare_window.exe", the Win32 edition beside a bare Win32 window, each
// the process Wine runs the .exe in.
//
// Start-up runs from just before the program is started to its first frame:
// the first time anything is drawn into a window it created, as the X Damage
// extension reports it. Memory is the resident set half a second after that
// frame. The programs take turns; medians are reported.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
  double startup_ms;
  double rss_mib;
};

double ResidentMiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
  }
  return 0;
}

Sample Run(Display* display, int damage_event, const char* program) {
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, True);

  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    // "PROGRAM ARGUMENT..." runs PROGRAM with the arguments, split at blanks
    // ("wine tarsomel.exe" for the Windows edition).
    std::vector<std::string> words;
    std::istringstream split(program);
    for (std::string word; split >> word;) words.push_back(word);
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  // A program that never draws is reported, not waited for without end.
  const auto deadline = start + std::chrono::seconds(60);
  double startup_ms = -1;
  while (startup_ms < 0) {
    if (XPending(display) == 0) {
      if (Clock::now() > deadline) {
        std::fprintf(stderr, "startup: %s drew nothing within 60 s\n", program);
        std::exit(1);
      }
      pollfd connection{ConnectionNumber(display), POLLIN, 0};
      poll(&connection, 1, 100);
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == CreateNotify) {
      // Watch every window the program makes before it can draw into it.
      XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
    } else if (event.type == damage_event + XDamageNotify) {
      startup_ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  const double rss = ResidentMiB(pid);
  // The damage objects go with the program's windows.
  XSelectInput(display, root, NoEventMask);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  XSync(display, True);
  return {startup_ms, rss};
}

// A window the program made may be gone before it is watched; that is not an
// error of the measurement.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup \"[WINE] TARSOMEL\" \"[WINE] BARE-WINDOW\" [RUNS]\n");
    return 2;
  }
  const int runs = argc > 3 ? std::atoi(argv[3]) : 9;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "startup: cannot open the display\n");
    return 1;
  }
  XSetErrorHandler(IgnoreXError);
  int damage_event = 0, damage_error = 0;
  if (!XDamageQueryExtension(display, &damage_event, &damage_error)) {
    std::fprintf(stderr, "startup: the display has no Damage extension\n");
    return 1;
  }
  const std::string with_label = std::string(argv[2]) + " label";
  const char* programs[3] = {argv[1], argv[2], with_label.c_str()};
  // One unmeasured run of each warms the disk and font caches.
  for (const char* p : programs) Run(display, damage_event, p);

  std::vector<double> ms[3], mib[3];
  for (int i = 0; i < runs; ++i) {
    // A different order each round, so that no program always follows another.
    for (int k = 0; k < 3; ++k) {
      const int which = (i + k) % 3;
      const Sample s = Run(display, damage_event, programs[which]);
      ms[which].push_back(s.startup_ms);
      mib[which].push_back(s.rss_mib);
    }
  }
  XCloseDisplay(display);

  double m[3], r[3];
  for (int k = 0; k < 3; ++k) {
    m[k] = Median(ms[k]);
    r[k] = Median(mib[k]);
  }
  std::printf("Start-up to first frame and resident memory, median of %d runs each\n", runs);
  std::printf("%-22s %9s %9s %7s %7s   %9s %7s\n", "", "tarsomel", "bare", "ratio", "target", "+ label", "ratio");
  std::printf("%-22s %9.1f %9.1f %7.2f %7s   %9.1f %7.2f\n", "start-up (ms)", m[0], m[1], m[0] / m[1], "<= 1.10", m[2],
              m[0] / m[2]);
  std::printf("%-22s %9.1f %9.1f %7.2f %7s   %9.1f %7.2f\n", "resident memory (MiB)", r[0], r[1], r[0] / r[1],
              "<= 1.10", r[2], r[0] / r[2]);
  std::printf("bare: an empty window of the same size; + label: the same window showing one word\n");
  return 0;
}
