// The controls that are real widgets: they take the keyboard focus and draw
// over the light controls of their window.
#pragma once

#include <QColor>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <cstdint>
#include <functional>
#include <string>

namespace forms {

class Form;

// The character codes KeyAsciiOf gives the control keys the windows test for.
inline constexpr std::int16_t kKeyBackspace = 8;
inline constexpr std::int16_t kKeyReturn = 13;  // Return and Enter alike
inline constexpr std::int16_t kKeyEscape = 27;

// A key handler gets the character code of the key (kKeyReturn, kKeyEscape, ...).
// Setting it to 0 swallows the key; any other value lets the control handle it.
using KeyPressHandler = std::function<void(std::int16_t& keyAscii)>;

// The character code a key event carries, 0 for keys without one.
std::int16_t KeyAsciiOf(const class QKeyEvent& event);

// The colours of a list's vertical scroll bar: the thumb (and the arrows)
// plainly apart from the track, whatever the list's own colours are.
struct ScrollBarColors {
  QColor track;
  QColor thumb;
  QColor thumbHover;
  QColor buttons;  // the arrow buttons' ground
};
// A colour as a style sheet writes it.
QString SheetColor(const QColor& color);

// Style sheet rules that draw a vertical scroll bar in these colours, at the
// desktop style's width, for a list's own style sheet.
QString ScrollBarRules(const ScrollBarColors& colors);

class ListBox : public QListWidget {
 public:
  ListBox(Form& form, std::string name, int left, int top, int width, int height);

  const std::string& Name() const { return name_; }
  void AddItem(const QString& text);
  void RemoveItem(int index);
  void Clear();
  int ListCount() const { return count(); }
  QString List(int index) const;
  // The selected line, -1 for none. Setting an index outside the list selects
  // nothing.
  int ListIndex() const { return currentRow(); }
  void SetListIndex(int index);
  // The selected line's text, empty when nothing is selected.
  QString Text() const;
  QStringList Lines() const;

  KeyPressHandler onKeyPress;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::string name_;
  bool scrollPending_ = false;
};

class TextBox : public QLineEdit {
 public:
  TextBox(Form& form, std::string name, int left, int top, int width, int height);

  const std::string& Name() const { return name_; }
  QString Text() const { return text(); }
  void SetText(const QString& text) { setText(text); }

  KeyPressHandler onKeyPress;
  std::function<void()> onKeyUp;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  std::string name_;
};

class OptionButton : public QRadioButton {
 public:
  OptionButton(Form& form, std::string name, const QString& caption, int left, int top, int width,
               int height);

  const std::string& Name() const { return name_; }
  bool Value() const { return isChecked(); }
  // Selecting an option (by the mouse, the keyboard or the focus) runs onClick.
  std::function<void()> onClick;
  KeyPressHandler onKeyPress;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  std::string name_;
};

class Button : public QPushButton {
 public:
  Button(Form& form, std::string name, int left, int top, int width, int height);

  const std::string& Name() const { return name_; }
  std::function<void()> onClick;
  KeyPressHandler onKeyPress;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  std::string name_;
};

}  // namespace forms
