// Korvinth: a skill planner for Diablo II characters.
#include <QApplication>

#include "app/StartWindow.h"
#include "forms/Fonts.h"
#include "forms/Form.h"
#include "forms/Services.h"
#include "skillstats/StatsWindow.h"

int main(int argc, char** argv) {
  std::thread fonts = forms::ReadFontConfiguration();
  QApplication app(argc, argv);
  fonts.join();
  QApplication::setApplicationName(QStringLiteral("Korvinth"));
  forms::QtServices platform;
  forms::SetServices(&platform);
  // The popup menu opens the statistics window by its name; naming it here
  // links it into the program.
  static_cast<void>(korvinth::frm_SkillStats.Name());

  // Loading the start window shows it while the portraits load; a class
  // chosen during the load hides it again, so it is not shown a second time.
  korvinth::frm_MainSelect.Get();
  int status = 0;
  if (!platform.Ending()) status = QApplication::exec();
  forms::UnloadAllForms();
  return status;
}
