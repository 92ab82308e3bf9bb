#include "tests/support/ScriptedServices.h"

#include <QCoreApplication>

#include "forms/Menu.h"

namespace testing_support {

int ScriptedServices::MsgBox(const QString& prompt, int style, const QString& title) {
  boxes.push_back({prompt, style, title});
  if (!(style & forms::kYesNo)) return forms::kOk;
  if (answers.empty()) return forms::kYes;
  const int answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<QString> ScriptedServices::InputBox(const QString& prompt, const QString& title,
                                                  const QString& defaultText) {
  inputs.push_back({prompt, title, defaultText});
  if (inputAnswers.empty()) return defaultText;
  const bool cancelled = !inputAnswers.front().has_value();
  const QString text = inputAnswers.front().value_or(QString());
  inputAnswers.pop_front();
  if (cancelled) return std::nullopt;
  return text;
}

void ScriptedServices::PopupMenu(forms::Form&, forms::MenuItem& menu) {
  popups.push_back({menu.Name(), menu.VisibleCaptions()});
  if (menuChoices.empty()) return;
  const std::string choice = menuChoices.front();
  menuChoices.pop_front();
  // Only a shown item can be chosen; its handler runs once the menu is closed.
  forms::MenuItem* item = menu.VisibleItem(choice);
  if (item && !item->IsSeparator() && item->onClick) item->onClick();
}

void ScriptedServices::DoEvents() {
  ++doEvents;
  if (onDoEvents) onDoEvents();
  QCoreApplication::processEvents();
}

}  // namespace testing_support
