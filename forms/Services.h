// What the windows need of the desktop besides drawing: message and input
// boxes, popup menus, a pass of the event loop, ending the program, the
// program's folder and opening links. The program uses the Qt implementation;
// tests install a scripted stand-in.
#pragma once

#include <QString>
#include <optional>

namespace forms {

class Form;
class MenuItem;

// Message box styles and answers.
enum MsgBoxStyle : int {
  kOkOnly = 0,
  kYesNo = 4,
  kCritical = 16,
  kInformation = 64,
};
enum MsgBoxResult : int { kOk = 1, kYes = 6, kNo = 7 };

// The application's title, shown where a message box names no title.
inline constexpr const char* kAppTitle = "Korvinth";

class Services {
 public:
  virtual ~Services() = default;

  // Shows a modal message box; the style adds the buttons and the icon.
  virtual int MsgBox(const QString& prompt, int style, const QString& title) = 0;
  // Asks for a line of text; nullopt when the user cancels.
  virtual std::optional<QString> InputBox(const QString& prompt, const QString& title,
                                          const QString& defaultText) = 0;
  // Pops up the visible items of `menu` at the pointer over `owner` and waits;
  // the chosen item's handler runs after the menu has closed.
  virtual void PopupMenu(Form& owner, MenuItem& menu) = 0;
  // Handles all pending window events once.
  virtual void DoEvents() = 0;
  // Ends the program at once: no window's unload code runs.
  virtual void EndProgram() = 0;
  // Whether EndProgram has been asked for (long loops stop early then).
  virtual bool Ending() const = 0;
  // The folder of the program's executable.
  virtual QString AppPath() const = 0;
  // Opens a link with the desktop's default handler; failures are ignored.
  virtual void OpenLink(const QString& url) = 0;
};

Services& services();
// Installs the services for the rest of the run (the caller keeps ownership).
void SetServices(Services* services);

// The Qt dialogs, menus and event loop.
class QtServices : public Services {
 public:
  int MsgBox(const QString& prompt, int style, const QString& title) override;
  std::optional<QString> InputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText) override;
  void PopupMenu(Form& owner, MenuItem& menu) override;
  void DoEvents() override;
  void EndProgram() override;
  bool Ending() const override { return ending_; }
  QString AppPath() const override;
  void OpenLink(const QString& url) override;

 private:
  bool ending_ = false;
};

}  // namespace forms
