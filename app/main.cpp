// Tarsomel's entry point: starts Qt, opens the window, runs the event loop.
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "application.h"
#include "main_window.h"

// Lets what(1) or strings(1) tell which version a binary is.
#if defined(__GNUC__)
[[gnu::used]]
#endif
static const char kWhat[] = "@(#)Tarsomel " TARSOMEL_VERSION;

namespace {

// While Qt connects to the display it reports a failure as a fatal message,
// which aborts. Hold back what it says until then, and turn a fatal failure
// into one plain sentence and exit status 1.
bool starting = true;
std::string held_back;

void OnQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (starting && type == QtFatalMsg) {
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    std::string reason;
    if ((display == nullptr || *display == '\0') && (wayland == nullptr || *wayland == '\0')) {
      reason = "no display is given (DISPLAY is not set)";
    } else {
      reason = std::string("the display \"") + (display && *display ? display : wayland) + "\" cannot be reached";
    }
    std::fprintf(stderr,
                 "tarsomel: cannot open a window: %s; start it from a desktop session, or under a virtual "
                 "display with: xvfb-run tarsomel\n",
                 reason.c_str());
    std::fflush(stderr);
    std::_Exit(1);
  }
  const std::string line = message.toLocal8Bit().toStdString() + "\n";
  if (starting) {
    held_back += line;
  } else {
    std::fputs(line.c_str(), stderr);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  qInstallMessageHandler(OnQtMessage);
  QApplication app(argc, argv);
  starting = false;
  qInstallMessageHandler(nullptr);
  std::fputs(held_back.c_str(), stderr);

  ui::PrepareApplication(app);
  QString note;
  const std::optional<QString> family = ui::CyrillicFamily(&note);
  if (!note.isEmpty()) std::fprintf(stderr, "tarsomel: %s\n", note.toLocal8Bit().constData());
  if (!family) return 1;

  ui::Tarsomel window(*family);
  window.show();
  return QApplication::exec();
}
