// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardsticks for start-up: an empty Qt window of Tarsomel's size, built
// with the same toolchain and Qt, and (with the argument "label") the same
// window showing one word, which is what it costs to draw any text at all.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare window"));
  window.setFixedSize(461, 345);
  if (argc > 1 && QByteArray(argv[1]) == "label") new QLabel(QStringLiteral("Чисти"), &window);
  window.show();
  return QApplication::exec();
}
