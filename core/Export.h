// Writing a plan as a text file in the program's folder, named after the
// character: name, class, level, then every history line in order.
#pragma once

#include <QString>
#include <QStringList>

namespace korvinth {

// Asks for the character's name and writes the open class window's plan.
void SaveCharacter();

// The file's text for a plan; every line ends with CR LF.
QString CharacterText(const QString& name, const QString& classLine, int level, const QStringList& history);

// Whether a typed name can name the export file: not empty, not "." or "..",
// free of the characters a file name may not hold on Windows or Linux, and
// short enough that "<name>.txt" fits a file name (255 bytes, encoded).
bool IsValidCharacterName(const QString& name);

}  // namespace korvinth
