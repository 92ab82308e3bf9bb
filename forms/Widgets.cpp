#include "forms/Widgets.h"

#include <QKeyEvent>
#include <QTimer>

#include "forms/Form.h"
#include "forms/Twips.h"

namespace forms {
namespace {

void Place(QWidget& widget, int left, int top, int width, int height) {
  widget.setGeometry(ToPixels(left, top, width, height));
}

// Runs the key handler; true when the key should go on to the widget.
bool PassKey(const KeyPressHandler& handler, QKeyEvent* event) {
  std::int16_t code = KeyAsciiOf(*event);
  if (!handler || code == 0) return true;
  handler(code);
  return code != 0;
}

}  // namespace

std::int16_t KeyAsciiOf(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Escape:
      return kKeyEscape;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kKeyReturn;
    case Qt::Key_Backspace:
      return kKeyBackspace;
    case Qt::Key_Tab:
      return 0;  // focus movement, not a character
    default:
      break;
  }
  const QString text = event.text();
  if (text.size() == 1 && text[0].unicode() < 256) return static_cast<std::int16_t>(text[0].unicode());
  return 0;
}

QString SheetColor(const QColor& color) { return color.name(); }

QString ScrollBarRules(const ScrollBarColors& colors) {
  // Once a style sheet names one part of a scroll bar it must name them all;
  // the arrows are triangles drawn by borders, their sides in the buttons'
  // colour.
  constexpr int kWidth = 14;  // the desktop style's own, so the list keeps its width
  return QStringLiteral(
             "QScrollBar:vertical { background: %1; width: %5px; margin: %5px 0 %5px 0; border: none; }"
             "QScrollBar::handle:vertical { background: %2; min-height: 10px; }"
             "QScrollBar::handle:vertical:hover, QScrollBar::handle:vertical:pressed { background: %3; }"
             "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"
             "QScrollBar::sub-line:vertical { background: %4; height: %5px;"
             " subcontrol-position: top; subcontrol-origin: margin; }"
             "QScrollBar::add-line:vertical { background: %4; height: %5px;"
             " subcontrol-position: bottom; subcontrol-origin: margin; }"
             "QScrollBar::up-arrow:vertical, QScrollBar::down-arrow:vertical { width: 0; height: 0;"
             " border-left: 4px solid %4; border-right: 4px solid %4; }"
             "QScrollBar::up-arrow:vertical { border-bottom: 5px solid %2; }"
             "QScrollBar::down-arrow:vertical { border-top: 5px solid %2; }")
      .arg(SheetColor(colors.track), SheetColor(colors.thumb), SheetColor(colors.thumbHover),
           SheetColor(colors.buttons))
      .arg(kWidth);
}

// List box ----------------------------------------------------------------

ListBox::ListBox(Form& form, std::string name, int left, int top, int width, int height)
    : QListWidget(&form), name_(std::move(name)) {
  Place(*this, left, top, width, height);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFrameShape(QFrame::Box);
  setFocusPolicy(Qt::StrongFocus);
}

void ListBox::AddItem(const QString& text) { addItem(text); }

void ListBox::RemoveItem(int index) {
  if (index < 0 || index >= count()) return;
  delete takeItem(index);
}

void ListBox::Clear() { clear(); }

QString ListBox::List(int index) const {
  const QListWidgetItem* line = item(index);
  return line ? line->text() : QString();
}

void ListBox::SetListIndex(int index) {
  if (index < 0 || index >= count()) {
    setCurrentRow(-1);
    return;
  }
  setCurrentRow(index);
  // Bringing the line into view lays out the whole list; it is done once,
  // when the event loop next runs, however many lines were added meanwhile.
  if (scrollPending_) return;
  scrollPending_ = true;
  QTimer::singleShot(0, this, [this] {
    scrollPending_ = false;
    if (QListWidgetItem* current = currentItem()) scrollToItem(current);
  });
}

QString ListBox::Text() const { return List(currentRow()); }

QStringList ListBox::Lines() const {
  QStringList lines;
  lines.reserve(count());
  for (int i = 0; i < count(); ++i) lines.append(item(i)->text());
  return lines;
}

void ListBox::keyPressEvent(QKeyEvent* event) {
  if (PassKey(onKeyPress, event)) QListWidget::keyPressEvent(event);
}

// Text box ----------------------------------------------------------------

TextBox::TextBox(Form& form, std::string name, int left, int top, int width, int height)
    : QLineEdit(&form), name_(std::move(name)) {
  Place(*this, left, top, width, height);
  setFrame(false);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
  if (PassKey(onKeyPress, event)) QLineEdit::keyPressEvent(event);
}

void TextBox::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  if (onKeyUp && !event->isAutoRepeat()) onKeyUp();
}

// Option button -----------------------------------------------------------

OptionButton::OptionButton(Form& form, std::string name, const QString& caption, int left, int top, int width,
                           int height)
    : QRadioButton(caption, &form), name_(std::move(name)) {
  Place(*this, left, top, width, height);
  connect(this, &QRadioButton::toggled, this, [this](bool on) {
    if (on && onClick) onClick();
  });
}

void OptionButton::keyPressEvent(QKeyEvent* event) {
  if (PassKey(onKeyPress, event)) QRadioButton::keyPressEvent(event);
}

void OptionButton::focusInEvent(QFocusEvent* event) {
  QRadioButton::focusInEvent(event);
  setChecked(true);  // an option that takes the focus is selected
}

// Button ------------------------------------------------------------------

Button::Button(Form& form, std::string name, int left, int top, int width, int height)
    : QPushButton(&form), name_(std::move(name)) {
  Place(*this, left, top, width, height);
  setAutoDefault(false);
  setDefault(false);
  connect(this, &QPushButton::clicked, this, [this] {
    if (onClick) onClick();
  });
}

void Button::keyPressEvent(QKeyEvent* event) {
  if (!PassKey(onKeyPress, event)) return;
  // A focused button is pressed by Enter as by Space, in any window, not
  // only in a dialog's default-button scheme.
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
    event->accept();
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

void Button::mouseMoveEvent(QMouseEvent* event) {
  QPushButton::mouseMoveEvent(event);
  event->ignore();  // the window's own hover handler sees moves over the button
}

}  // namespace forms
