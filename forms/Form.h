// A window of the program: a fixed client area laid out in twips, its light
// controls (drawn here in stacking order), its widgets and timers, and one
// virtual handler per window event. Each window exists once, held by a
// FormRef of its own name and created on first use.
#pragma once

#include <QCursor>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/Control.h"

namespace forms {

class Timer;

class Form : public QWidget {
 public:
  explicit Form(std::string name);
  ~Form() override;

  const std::string& Name() const { return name_; }

  QString Caption() const { return windowTitle(); }
  void SetCaption(const QString& caption) { setWindowTitle(caption); }
  void SetClientSize(int widthTwips, int heightTwips);
  QColor BackColor() const { return backColor_; }
  void SetBackColor(const QColor& color);
  void SetPicture(const QPixmap& picture);
  void SetMouseIcon(const QCursor& cursor) { setCursor(cursor); }

  // Light controls, added on top of the ones before them.
  Label& AddLabel(std::string name, int left, int top, int width, int height);
  Image& AddImage(std::string name, int left, int top, int width, int height);
  Shape& AddShape(std::string name, int left, int top, int width, int height);
  Line& AddLine(std::string name, int x1, int y1, int x2, int y2);
  // Puts an added control right above `below` in the stacking order.
  void PlaceAbove(Control& control, const Control& below);
  void RemoveControl(Control& control);
  // Removes several controls in one pass over the window's controls.
  void RemoveControls(const std::vector<Control*>& controls);
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
  // The topmost visible control under a point (pixels) that takes the mouse.
  Control* ControlAt(QPoint pixel) const;

  Timer& AddTimer(std::string name, int interval, bool enabled);

  // Shows the window without making it modal; the first show centres it,
  // keeping its top-left on a screen smaller than the window.
  void Show();
  void Hide() { hide(); }

  // Handlers a window may give.
  virtual void Form_Load() {}
  virtual void Form_MouseMove(const MouseArgs& /*args*/) {}
  virtual void Form_KeyPress(std::int16_t& /*keyAscii*/) {}
  // A close from the window frame. The default unloads the window.
  virtual void Form_QueryClose();

  void InvalidateRect(const QRect& pixels);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  MouseArgs ArgsFor(const QMouseEvent& event, const Control* control) const;
  // A window takes the keyboard focus itself only while it holds no control
  // that takes it: then a click on its pictures, labels or bare parts leaves
  // the focus where it was, and Tab stops at its controls alone. A window
  // without such a control (the statistics window) gets every key itself.
  void UpdateFocusPolicy();

  std::string name_;
  QColor backColor_{Qt::black};
  QPixmap picture_;
  std::vector<std::unique_ptr<Control>> controls_;
  Control* pressed_ = nullptr;  // the control that took the last button press
  bool shown_ = false;
};

// The windows that are loaded, in the order they were loaded.
const std::vector<Form*>& LoadedForms();

// The global reference of a window: the window is created and its Form_Load
// run on first use, and Unload discards it, so that the next use loads it
// afresh. The program makes its references known by name at start-up
// (Register), so that code that cannot know a window's type can still reach
// it; nothing is registered behind the program's back by a static object.
class FormRefBase {
 public:
  explicit FormRefBase(std::string name);
  virtual ~FormRefBase();
  FormRefBase(const FormRefBase&) = delete;
  FormRefBase& operator=(const FormRefBase&) = delete;

  const std::string& Name() const { return name_; }
  // The loaded window, or nullptr.
  Form* Loaded() const { return form_.data(); }
  // The window, loading it first when it is not loaded.
  Form& Get();
  void Show() { Get().Show(); }
  void Hide();
  // Closes and discards the window; nothing happens when it is not loaded.
  void Unload();

  // Makes the reference known under its name. Registering a name twice
  // keeps the later reference.
  static void Register(FormRefBase& ref);
  // Forgets every registered name, so that a test can register afresh.
  static void UnregisterAll();
  // The reference registered under exactly this name, or nullptr.
  static FormRefBase* Find(std::string_view name);
  // The reference registered under this name; a name that was never
  // registered is a fault of the program and stops it with a message.
  static FormRefBase& Require(std::string_view name);

 protected:
  virtual Form* Create() = 0;

 private:
  std::string name_;
  QPointer<Form> form_;
};

template <class T>
class FormRef : public FormRefBase {
 public:
  using Factory = T* (*)();
  explicit FormRef(
      std::string name, Factory factory = [] { return new T; })
      : FormRefBase(std::move(name)), factory_(factory) {}

  T& operator*() { return static_cast<T&>(Get()); }
  T* operator->() { return &**this; }
  T* Loaded() const { return static_cast<T*>(FormRefBase::Loaded()); }

 protected:
  Form* Create() override { return factory_(); }

 private:
  Factory factory_;
};

// Unloads every loaded window (tests use it between cases).
void UnloadAllForms();

}  // namespace forms
