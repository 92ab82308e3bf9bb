// Runs the window tests offscreen: no display is needed and nothing waits on
// a real timer or a modal dialog.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/Windows.h"
#include "forms/Form.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  korvinth::RegisterWindows();
  ::testing::InitGoogleTest(&argc, argv);
  const int status = RUN_ALL_TESTS();
  forms::UnloadAllForms();
  return status;
}
