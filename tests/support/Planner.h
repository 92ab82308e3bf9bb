// The fixture of the window tests: a clean character state, no window
// loaded, scripted desktop services and a fixed random seed.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <ostream>

#include "core/Classes.h"
#include "core/Misc.h"
#include "forms/Form.h"
#include "tests/support/ScriptedServices.h"

// Readable failure messages for Qt's strings.
inline void PrintTo(const QByteArray& bytes, std::ostream* out) { *out << '"' << bytes.toStdString() << '"'; }
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* out) {
  *out << '{';
  for (const QString& text : list) *out << " \"" << text.toStdString() << '"';
  *out << " }";
}

namespace korvinth {
// A class by its name in failure messages and case listings.
inline void PrintTo(ClassId id, std::ostream* out) { *out << ClassOf(id).name; }
}  // namespace korvinth

namespace testing_support {

class PlannerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  ScriptedServices desktop;
  QTemporaryDir folder;
};

// Brings every window and the shared state back to program start.
void ResetProgram();

}  // namespace testing_support
