#include "forms/Services.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QInputDialog>
#include <QLoggingCategory>
#include <QMenu>
#include <QMessageBox>
#include <QUrl>
#include <map>

#include "forms/Form.h"
#include "forms/Menu.h"

namespace forms {
namespace {

Services* g_services = nullptr;

// Every message box shown, for checks from outside the program; off unless
// QT_LOGGING_RULES="korvinth.boxes.info=true".
Q_LOGGING_CATEGORY(lcBoxes, "korvinth.boxes", QtWarningMsg)

// Fills a Qt menu with the visible items of a menu model.
void FillMenu(QMenu& menu, const MenuItem& model, std::map<QAction*, MenuItem*>& actions) {
  for (MenuItem* item : model.Items()) {
    if (!item->Visible()) continue;
    if (item->IsSeparator()) {
      menu.addSeparator();
    } else if (!item->Items().empty()) {
      QMenu* sub = menu.addMenu(item->Caption());
      FillMenu(*sub, *item, actions);
    } else {
      actions[menu.addAction(item->Caption())] = item;
    }
  }
}

}  // namespace

Services& services() {
  static QtServices fallback;
  return g_services ? *g_services : fallback;
}

void SetServices(Services* services) { g_services = services; }

int QtServices::MsgBox(const QString& prompt, int style, const QString& title) {
  QMessageBox box;
  box.setWindowTitle(title.isEmpty() ? QString::fromLatin1(kAppTitle) : title);
  QString text = prompt;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  box.setText(text);
  qCInfo(lcBoxes).noquote() << box.windowTitle() + QStringLiteral(": ") +
                                   QString(text).replace(u'\n', QStringLiteral(" | "));
  if (style & kInformation) {
    box.setIcon(QMessageBox::Information);
  } else if (style & kCritical) {
    box.setIcon(QMessageBox::Critical);
  }
  if (style & kYesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  const int answer = box.exec();
  if (answer == QMessageBox::Yes) return kYes;
  if (answer == QMessageBox::No) return kNo;
  return kOk;
}

std::optional<QString> QtServices::InputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal, defaultText, &ok);
  if (!ok) return std::nullopt;
  return text;
}

void QtServices::PopupMenu(Form& owner, MenuItem& menu) {
  QMenu popup(&owner);
  std::map<QAction*, MenuItem*> actions;
  FillMenu(popup, menu, actions);
  QAction* chosen = popup.exec(QCursor::pos());
  const auto it = actions.find(chosen);
  if (it != actions.end() && it->second->onClick) it->second->onClick();
}

void QtServices::DoEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtServices::EndProgram() {
  ending_ = true;
  for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
  QCoreApplication::exit(0);
}

QString QtServices::AppPath() const { return QCoreApplication::applicationDirPath(); }

void QtServices::OpenLink(const QString& url) { QDesktopServices::openUrl(QUrl(url)); }

}  // namespace forms
