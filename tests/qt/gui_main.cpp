// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// GoogleTest main for tests that need a QApplication: the offscreen platform
// unless told otherwise, and the program's own application set-up.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdio>

#include "application.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (!ui::qt::PrepareApplication(app)) {
    std::fprintf(stderr, "Qt's Bulgarian translations are missing (qt6-translations-l10n)\n");
    return 1;
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
