#include "core/Export.h"

#include <QFile>
#include <climits>

#include "core/Misc.h"
#include "core/PlannerWindow.h"
#include "core/ReplaceFile.h"
#include "forms/Convert.h"
#include "forms/Services.h"
#include "forms/Widgets.h"

namespace korvinth {
namespace {

const QString kRule = QString(45, u'-');

// The error box of a failed export: the number, a line break, the description.
void ShowExportError(int number, const QString& description) {
  forms::services().MsgBox(QStringLiteral("%1\r\n%2").arg(number).arg(description), forms::kOkOnly,
                           QString::fromLatin1(forms::kAppTitle));
}

// The error box of a failed write.
void ShowWriteError(ReplaceResult result) {
  switch (result) {
    case ReplaceResult::kDone:
      return;
    case ReplaceResult::kDiskFull:
      return ShowExportError(61, QStringLiteral("Disk full"));
    case ReplaceResult::kDenied:
      return ShowExportError(70, QStringLiteral("Permission denied"));
    case ReplaceResult::kFailed:
      return ShowExportError(75, QStringLiteral("Path/File access error"));
  }
}

}  // namespace

bool IsValidCharacterName(const QString& name) {
  if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..")) return false;
  for (const QChar c : name) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
    if (QStringLiteral("\\/:*?\"<>|").contains(c)) return false;
  }
  // The file system counts the bytes of the encoded name, not its characters.
  return QFile::encodeName(name + QStringLiteral(".txt")).size() <= NAME_MAX;
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

  const LoadedClassWindowOf loaded = LoadedClass();
  if (!loaded.window) return;
  const QString classLine = QStringLiteral("Class: ") + forms::Latin1Text(loaded.info->name);
  forms::ListBox& history = loaded.window->History();

  if (!IsValidCharacterName(*answer)) {
    // A name can never reach outside the program's folder.
    ShowExportError(52, QStringLiteral("Bad file name or number"));
    return;
  }

  history.setVisible(false);
  const QString text = CharacterText(*answer, classLine, mod_Misc.LevelUps + 1, history.Lines());
  // An earlier file keeps every byte unless the whole new text is written.
  const ReplaceResult result =
      ReplaceFileInFolder(forms::services().AppPath(), *answer + QStringLiteral(".txt"), text.toLocal8Bit());
  if (result != ReplaceResult::kDone) ShowWriteError(result);
  history.setVisible(true);
  if (result == ReplaceResult::kDone) history.SetListIndex(history.ListCount() - 1);
}

}  // namespace korvinth
