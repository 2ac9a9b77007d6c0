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
        "Употреба: tarsomel\n"
        "Отваря прозореца на Тарсомел – тест, в който десетте най-разпространени в галактиката\n"
        "химични елемента се свързват с температурите им на топене. Програмата не приема аргументи.\n"
        "  --help     показва този текст и излиза\n"
        "  --version  показва версията и излиза\n");
    return 0;
  }
  if (argc == 2 && argument == "--version") {
    std::printf("Tarsomel %s\n", TARSOMEL_VERSION_STRING);
    return 0;
  }
  std::fprintf(stderr, "tarsomel: непознат аргумент „%s“; програмата не приема аргументи (вижте tarsomel --help)\n",
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
  std::fprintf(stderr, "tarsomel: QT_SCALE_FACTOR=%s не е число, по-голямо или равно на 1; използва се 1\n", value);
  qputenv("QT_SCALE_FACTOR", "1");
}

// While Qt connects to the display it reports a failure as a fatal message,
// which aborts. Hold back what it says until then; on a fatal failure say
// why in one line and exit with status 1.
bool starting = true;
std::string held_back;
std::string reason;  // the toolkit's own reason, the first it gave

void OnQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const std::string text = message.toStdString();
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
    std::string why;
    if (none_given) {
      why = ": няма графичен дисплей (не са зададени DISPLAY и WAYLAND_DISPLAY)";
    } else {
      // Qt's own words are English: quoted as its.
      std::string qt_said = reason.empty() ? text.substr(0, text.find('\n')) : reason;
      // Qt names the folder it searched for plugins, empty when it searched
      // its own; the setting that asked for the plugin says more.
      if (const size_t at = qt_said.find(" in \"\""); at != std::string::npos) qt_said.erase(at);
      why = " (съобщение на Qt: " + qt_said + ")";
      if (platform != nullptr && *platform != '\0' && qt_said.find("plugin") != std::string::npos) {
        why += std::string(" при QT_QPA_PLATFORM=") + platform;
      }
    }
    std::fprintf(stderr, "tarsomel: прозорецът не може да се отвори%s; стартирайте програмата от графична среда\n",
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
                 "tarsomel: преводите на Qt на български не са инсталирани (пакет qt6-translations-l10n); "
                 "менюто на текстовото поле ще е на английски\n");
  }
  QString note;
  const std::optional<QString> family = ui::qt::CyrillicFamily(&note);
  if (!note.isEmpty()) std::fprintf(stderr, "tarsomel: %s\n", note.toUtf8().constData());
  if (!family) return 1;

  ui::qt::Tarsomel window(*family);
  window.show();
  return QApplication::exec();
}
