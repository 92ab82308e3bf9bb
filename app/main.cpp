// Korvinth: a skill planner for Diablo II characters.
#include <QApplication>

#include "app/StartWindow.h"
#include "app/Windows.h"
#include "forms/Fonts.h"
#include "forms/Form.h"
#include "forms/Services.h"

int main(int argc, char** argv) {
  std::thread fonts = forms::ReadFontConfiguration();
  QApplication app(argc, argv);
  fonts.join();
  QApplication::setApplicationName(QStringLiteral("Korvinth"));
  // The program ends by its own end paths only (EXIT, the start window's "X",
  // Escape or frame close). Between two windows, and while a class window
  // fills itself before it is shown, no window may be visible at all.
  QApplication::setQuitOnLastWindowClosed(false);
  forms::QtServices platform;
  forms::SetServices(&platform);
  korvinth::RegisterWindows();

  // Loading the start window shows it while the portraits load; a class
  // chosen during the load hides it again, so it is not shown a second time.
  korvinth::frm_MainSelect.Get();
  int status = 0;
  if (!platform.Ending()) status = QApplication::exec();
  forms::UnloadAllForms();
  return status;
}
