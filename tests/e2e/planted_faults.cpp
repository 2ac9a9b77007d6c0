// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A stand-in for the program with a planted fault, for showing that the
// no-writes check catches it: a window with Tarsomel's caption that, when
// shown, writes a file into the home folder (PLANT=write) or opens a network
// socket (PLANT=socket).
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <sys/socket.h>
#include <unistd.h>
#include <cstdlib>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("planted  Физика - свойства, температура"));
  window.resize(200, 100);
  window.show();
  const QByteArray plant = qgetenv("PLANT");
  QTimer::singleShot(0, [&] {
    if (plant == "write") {
      QFile file(qEnvironmentVariable("HOME") + QStringLiteral("/settings.ini"));
      if (file.open(QIODevice::WriteOnly)) file.write("x");
    } else if (plant == "socket") {
      const int fd = socket(AF_INET, SOCK_STREAM, 0);
      if (fd >= 0) close(fd);
    }
  });
  return QApplication::exec();
}
