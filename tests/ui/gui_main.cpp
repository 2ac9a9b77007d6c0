// GoogleTest main for tests that need a QApplication: the offscreen platform
// unless told otherwise, and the program's own application set-up.
#include <gtest/gtest.h>

#include <QApplication>

#include "application.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ui::PrepareApplication(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
