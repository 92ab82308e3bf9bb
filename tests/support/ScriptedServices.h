// A stand-in for the desktop in tests: message and input boxes answer from a
// script and are recorded, popups record what they show and pick a scripted
// item, and ending the program is only noted.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/Services.h"

namespace testing_support {

class ScriptedServices : public forms::Services {
 public:
  struct Box {
    QString prompt;
    int style;
    QString title;
  };
  struct Input {
    QString prompt;
    QString title;
    QString defaultText;
  };
  struct Popup {
    std::string menu;
    QStringList captions;  // the visible items as shown
  };

  std::vector<Box> boxes;
  std::deque<int> answers;  // for Yes/No boxes; kYes when none is left
  std::vector<Input> inputs;
  std::deque<std::optional<QString>> inputAnswers;  // default text when none is left
  std::vector<Popup> popups;
  std::deque<std::string> menuChoices;  // item to choose; "" dismisses; dismiss when none
  std::vector<QString> links;
  int doEvents = 0;
  std::function<void()> onDoEvents;  // runs in every pass of the event loop, after the count
  bool ended = false;
  QString appPath;

  int MsgBox(const QString& prompt, int style, const QString& title) override;
  std::optional<QString> InputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText) override;
  void PopupMenu(forms::Form& owner, forms::MenuItem& menu) override;
  void DoEvents() override;
  void EndProgram() override { ended = true; }
  bool Ending() const override { return ended; }
  QString AppPath() const override { return appPath; }
  void OpenLink(const QString& url) override { links.push_back(url); }
};

}  // namespace testing_support
