#include "core/Export.h"

#include <QDir>
#include <QSaveFile>
#include <string_view>

#include "core/Misc.h"
#include "core/PlannerWindow.h"
#include "forms/Services.h"
#include "forms/Widgets.h"

namespace korvinth {
namespace {

const QString kRule = QString(45, u'-');

// The class line of each class window, in the order the windows are asked for.
struct ClassLine {
  std::string_view window;
  const char* line;
};
constexpr ClassLine kClassLines[] = {
    {"frm_NecroSkill", "Class: Necromancer"}, {"frm_Sorceress", "Class: Sorceress"},
    {"frm_Paladin", "Class: Paladin"},        {"frm_BarbarianSkill", "Class: Barbarian"},
    {"frm_AmazonSkill", "Class: Amazon"},
};

// The error box of a failed export: the number, a line break, the description.
void ShowExportError(int number, const QString& description) {
  forms::services().MsgBox(QStringLiteral("%1\r\n%2").arg(number).arg(description), forms::kOkOnly,
                           QString::fromLatin1(forms::kAppTitle));
}

struct WriteFailure {
  int number;
  QString description;
};

WriteFailure FailureOf(const QSaveFile& file) {
  switch (file.error()) {
    case QFileDevice::ResourceError:
      return {61, QStringLiteral("Disk full")};
    case QFileDevice::PermissionsError:
      return {70, QStringLiteral("Permission denied")};
    default:
      return {75, QStringLiteral("Path/File access error")};
  }
}

}  // namespace

bool IsValidCharacterName(const QString& name) {
  if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..")) return false;
  for (const QChar c : name) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
    if (QStringLiteral("\\/:*?\"<>|").contains(c)) return false;
  }
  return true;
}

QString CharacterText(const QString& name, const QString& classLine, int level, const QStringList& history) {
  QStringList lines;
  if (history.isEmpty()) lines << QStringLiteral("No Skills selected, Empty character") << QString();
  lines << name << classLine << QStringLiteral("Level: %1").arg(level) << kRule << QString()
        << QStringLiteral("Clvl 1 Slvl 0: Starting Level");
  if (history.isEmpty()) {
    lines << QString();  // the place of the history stays as one empty line
  } else {
    lines << history;
  }
  lines << QString() << kRule;
  QString text;
  for (const QString& line : lines) text += line + QStringLiteral("\r\n");
  return text;
}

void SaveCharacter() {
  const std::optional<QString> answer =
      forms::services().InputBox(QStringLiteral("What is the name of this character?"),
                                 QStringLiteral("Character Name"), QStringLiteral("Character"));
  if (!answer) return;  // cancelled: nothing is written and nothing shown

  PlannerWindow* window = nullptr;
  QString classLine;
  for (const ClassLine& entry : kClassLines) {
    window = LoadedClassWindow(entry.window);
    if (window) {
      classLine = QString::fromLatin1(entry.line);
      break;
    }
  }
  if (!window) return;
  forms::ListBox& history = window->History();

  if (!IsValidCharacterName(*answer)) {
    // A name can never reach outside the program's folder.
    ShowExportError(52, QStringLiteral("Bad file name or number"));
    return;
  }

  history.setVisible(false);
  const QString text = CharacterText(*answer, classLine, mod_Misc.LevelUps + 1, history.Lines());
  // Written beside the target and renamed over it only when complete, so a
  // failed export leaves an earlier file intact and no stray file behind.
  QSaveFile file(QDir(forms::services().AppPath()).filePath(*answer + QStringLiteral(".txt")));
  const QByteArray bytes = text.toLocal8Bit();
  const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
  if (!written) {
    const WriteFailure failure = FailureOf(file);
    file.cancelWriting();
    ShowExportError(failure.number, failure.description);
    history.setVisible(true);
    return;
  }
  history.setVisible(true);
  history.SetListIndex(history.ListCount() - 1);
}

}  // namespace korvinth
