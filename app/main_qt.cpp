// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Tarsomel's entry point on Linux: checks its start, starts Qt, opens the
// window, runs the event loop.
#include <QApplication>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#if defined(__unix__)
#include <fcntl.h>
#include <unistd.h>
#endif

#include "application.h"
#include "tarsomel_version.h"
#include "window.h"

// Lets what(1) or strings(1) tell which version a binary is.
#if defined(__GNUC__)
[[gnu::used]]
#endif
static const char kWhat[] = "@(#)Tarsomel " TARSOMEL_VERSION_STRING;

namespace {

// Standard input, output and error open, on /dev/null where they were
// closed: otherwise the display connection could take descriptor 2 and a
// warning meant for the terminal would be written into it.
void OpenStandardDescriptors() {
#if defined(__unix__)
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) == -1) {
      const int opened = open("/dev/null", O_RDWR);
      if (opened != fd) std::_Exit(1);  // cannot happen: the lowest free descriptor is fd
    }
  }
#endif
}

// The program takes no arguments. Returns the exit status to leave with, or
// -1 to go on.
int ReadCommandLine(int argc, char* argv[]) {
  if (argc <= 1) return -1;
  const std::string argument = argv[1];
  if (argc == 2 && argument == "--help") {
    std::printf(
        "Usage: tarsomel\n"
        "Opens Tarsomel's window: a quiz that matches the ten chemical elements most common in the\n"
        "galaxy with their melting points, in Bulgarian. It takes no arguments.\n"
        "  --help     show this and exit\n"
        "  --version  show the version and exit\n");
    return 0;
  }
  if (argc == 2 && argument == "--version") {
    std::printf("Tarsomel %s\n", TARSOMEL_VERSION_STRING);
    return 0;
  }
  std::fprintf(stderr, "tarsomel: unknown argument '%s'; the program takes none (see tarsomel --help)\n",
               argument.c_str());
  return 2;
}

// Qt takes QT_SCALE_FACTOR as it comes; zero, a negative, nan or inf leave
// it with no window at all, and less than 1 clips the window's content.
void CheckScaleFactor() {
  const char* value = std::getenv("QT_SCALE_FACTOR");
  if (value == nullptr || *value == '\0') return;
  char* end = nullptr;
  const double factor = std::strtod(value, &end);
  if (end != value && *end == '\0' && std::isfinite(factor) && factor >= 1) return;
  std::fprintf(stderr, "tarsomel: QT_SCALE_FACTOR=%s is not a number of 1 or more; using 1\n", value);
  qputenv("QT_SCALE_FACTOR", "1");
}

// While Qt connects to the display it reports a failure as a fatal message,
// which aborts. Hold back what it says until then; on a fatal failure say
// why in one line and exit with status 1.
bool starting = true;
std::string held_back;
std::string reason;  // the toolkit's own reason, the first it gave

void OnQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const std::string text = message.toLocal8Bit().toStdString();
  if (starting && type != QtFatalMsg) {
    // Qt says what went wrong (no display, no such platform plugin) as a
    // warning of its platform layer before it gives up.
    if (reason.empty() && context.category != nullptr && std::strncmp(context.category, "qt.qpa", 6) == 0) {
      reason = text.substr(0, text.find('\n'));
    }
    held_back += text + "\n";
    return;
  }
  if (starting) {
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const bool none_given = (display == nullptr || *display == '\0') && (wayland == nullptr || *wayland == '\0') &&
                            (platform == nullptr || *platform == '\0');
    std::string why = none_given ? "no display is given (DISPLAY is not set)" : reason;
    if (why.empty()) why = text.substr(0, text.find('\n'));
    // Qt names the folder it searched for plugins, empty when it searched
    // its own; the setting that asked for the plugin says more.
    if (const size_t at = why.find(" in \"\""); at != std::string::npos) why.erase(at);
    if (platform != nullptr && *platform != '\0' && why.find("plugin") != std::string::npos) {
      why += std::string(" (QT_QPA_PLATFORM=") + platform + ")";
    }
    std::fprintf(stderr, "tarsomel: cannot open a window: %s; start it from a graphical desktop session\n",
                 why.c_str());
    std::fflush(stderr);
    std::_Exit(1);
  }
  std::fprintf(stderr, "%s\n", text.c_str());
}

}  // namespace

int main(int argc, char* argv[]) {
  OpenStandardDescriptors();
  if (const int status = ReadCommandLine(argc, argv); status >= 0) return status;
  CheckScaleFactor();

  // Qt gets no arguments of the pupil's: its own options (-reverse,
  // -stylesheet, -platform) must not change what the window shows.
  int qt_argc = 1;
  char* qt_argv[] = {argv[0], nullptr};
  qInstallMessageHandler(OnQtMessage);
  QApplication app(qt_argc, qt_argv);
  starting = false;
  qInstallMessageHandler(nullptr);
  std::fputs(held_back.c_str(), stderr);

  if (!ui::qt::PrepareApplication(app)) {
    std::fprintf(stderr,
                 "tarsomel: Qt's Bulgarian translations are not installed (Debian package "
                 "qt6-translations-l10n); the text box's menu will be in English\n");
  }
  QString note;
  const std::optional<QString> family = ui::qt::CyrillicFamily(&note);
  if (!note.isEmpty()) std::fprintf(stderr, "tarsomel: %s\n", note.toLocal8Bit().constData());
  if (!family) return 1;

  ui::qt::Tarsomel window(*family);
  window.show();
  return QApplication::exec();
}
