// Korvinth: a skill planner for Diablo II characters.
#include <QApplication>

#include "app/StartWindow.h"
#include "forms/Form.h"
#include "forms/Services.h"
#include "skillstats/StatsWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Korvinth"));
  forms::QtServices platform;
  forms::SetServices(&platform);
  // The popup menu opens the statistics window by its name; naming it here
  // links it into the program.
  static_cast<void>(korvinth::frm_SkillStats.Name());

  // The start window shows itself while it loads the portraits.
  korvinth::frm_MainSelect.Show();
  int status = 0;
  if (!platform.Ending()) status = QApplication::exec();
  forms::UnloadAllForms();
  return status;
}
