#include "forms/Form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <algorithm>
#include <iterator>
#include <map>
#include <unordered_set>

#include "forms/Timer.h"
#include "forms/Twips.h"
#include "forms/Widgets.h"

namespace forms {
namespace {

std::vector<Form*>& Registry() {
  static std::vector<Form*> forms;
  return forms;
}

void Unregister(Form* form) {
  auto& forms = Registry();
  forms.erase(std::remove(forms.begin(), forms.end(), form), forms.end());
}

// Kept for the whole run: the global references that unregister themselves
// are destroyed after any function-local static made at start-up.
std::map<std::string, FormRefBase*, std::less<>>& References() {
  static auto* references = new std::map<std::string, FormRefBase*, std::less<>>;
  return *references;
}

int ButtonsOf(Qt::MouseButtons buttons) {
  int mask = 0;
  if (buttons & Qt::LeftButton) mask |= kLeftButton;
  if (buttons & Qt::RightButton) mask |= kRightButton;
  if (buttons & Qt::MiddleButton) mask |= kMiddleButton;
  return mask;
}

int ShiftOf(Qt::KeyboardModifiers modifiers) {
  int mask = 0;
  if (modifiers & Qt::ShiftModifier) mask |= 1;
  if (modifiers & Qt::ControlModifier) mask |= 2;
  if (modifiers & Qt::AltModifier) mask |= 4;
  return mask;
}

}  // namespace

Form::Form(std::string name) : QWidget(nullptr), name_(std::move(name)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);  // until it holds a control that takes the focus
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  Registry().push_back(this);
}

Form::~Form() {
  Unregister(this);
  controls_.clear();
}

void Form::SetClientSize(int widthTwips, int heightTwips) {
  setFixedSize(ToPixels(widthTwips), ToPixels(heightTwips));
}

void Form::SetBackColor(const QColor& color) {
  backColor_ = color;
  update();
}

void Form::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

Label& Form::AddLabel(std::string name, int left, int top, int width, int height) {
  auto* label = new Label(*this, std::move(name), left, top, width, height);
  controls_.emplace_back(label);
  return *label;
}

Image& Form::AddImage(std::string name, int left, int top, int width, int height) {
  auto* image = new Image(*this, std::move(name), left, top, width, height);
  controls_.emplace_back(image);
  return *image;
}

Shape& Form::AddShape(std::string name, int left, int top, int width, int height) {
  auto* shape = new Shape(*this, std::move(name), left, top, width, height);
  controls_.emplace_back(shape);
  return *shape;
}

Line& Form::AddLine(std::string name, int x1, int y1, int x2, int y2) {
  auto* line = new Line(*this, std::move(name), x1, y1, x2, y2);
  controls_.emplace_back(line);
  return *line;
}

void Form::PlaceAbove(Control& control, const Control& below) {
  // Searched from the top: a control is placed right after it is added, and
  // mostly above one that only a few fixed controls lie over.
  auto find = [this](const Control* c) {
    const auto it = std::find_if(controls_.rbegin(), controls_.rend(),
                                 [c](const std::unique_ptr<Control>& p) { return p.get() == c; });
    return it == controls_.rend() ? controls_.end() : std::prev(it.base());
  };
  auto it = find(&control);
  if (it == controls_.end()) return;
  std::unique_ptr<Control> moved = std::move(*it);
  controls_.erase(it);
  auto at = find(&below);
  controls_.insert(at == controls_.end() ? at : at + 1, std::move(moved));
  InvalidateRect(control.PixelRect());
}

void Form::RemoveControl(Control& control) { RemoveControls({&control}); }

void Form::RemoveControls(const std::vector<Control*>& controls) {
  const std::unordered_set<const Control*> gone(controls.begin(), controls.end());
  for (const Control* control : controls) InvalidateRect(control->PixelRect());
  if (gone.count(pressed_)) pressed_ = nullptr;
  controls_.erase(std::remove_if(controls_.begin(), controls_.end(),
                                 [&](const std::unique_ptr<Control>& c) { return gone.count(c.get()) > 0; }),
                  controls_.end());
}

Control* Form::ControlAt(QPoint pixel) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    Control* control = it->get();
    if (control->Visible() && control->TakesMouse() && control->PixelRect().contains(pixel)) {
      return control;
    }
  }
  return nullptr;
}

Timer& Form::AddTimer(std::string name, int interval, bool enabled) {
  return *new Timer(this, std::move(name), interval, enabled);
}

void Form::UpdateFocusPolicy() {
  // A window's controls are its direct children (its menus are windows of their own).
  const QList<QWidget*> children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  const bool holdsFocusable = std::any_of(children.begin(), children.end(), [](const QWidget* child) {
    return !child->isWindow() && (child->focusPolicy() & Qt::TabFocus);
  });
  setFocusPolicy(holdsFocusable ? Qt::NoFocus : Qt::StrongFocus);
}

void Form::Show() {
  if (!shown_) {
    shown_ = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      // Centred, but on a screen smaller than the window its top-left stays
      // on the screen, so that the caption can always be reached.
      const QRect area = screen->availableGeometry();
      const QPoint centred = area.center() - QPoint(width() / 2, height() / 2);
      move(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
    }
  }
  show();
  // The offscreen platform of the tests has no stacking to change.
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
    raise();
    activateWindow();
  }
}

void Form::Form_QueryClose() {
  if (FormRefBase* ref = FormRefBase::Find(name_); ref && ref->Loaded() == this) {
    ref->Unload();
  } else {
    hide();
  }
}

void Form::InvalidateRect(const QRect& pixels) { update(pixels); }

void Form::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setClipRegion(event->region());
  painter.fillRect(rect(), backColor_);
  if (!picture_.isNull()) painter.drawPixmap(0, 0, picture_);
  for (const auto& control : controls_) {
    if (control->Visible() && event->region().intersects(control->PixelRect().adjusted(-4, -4, 4, 4))) {
      control->Paint(painter);
    }
  }
}

MouseArgs Form::ArgsFor(const QMouseEvent& event, const Control* control) const {
  const QPoint pos = event.position().toPoint();
  MouseArgs args;
  args.button = ButtonsOf(event.type() == QEvent::MouseMove ? event.buttons() : event.button());
  args.shift = ShiftOf(event.modifiers());
  args.x = ToTwips(pos.x()) - (control ? static_cast<float>(control->Left()) : 0.0F);
  args.y = ToTwips(pos.y()) - (control ? static_cast<float>(control->Top()) : 0.0F);
  return args;
}

void Form::mouseMoveEvent(QMouseEvent* event) {
  // While a button is held the control that took the press keeps the mouse.
  Control* control = (pressed_ && event->buttons()) ? pressed_ : ControlAt(event->position().toPoint());
  if (control) {
    if (control->onMouseMove) control->onMouseMove(ArgsFor(*event, control));
  } else {
    Form_MouseMove(ArgsFor(*event, nullptr));
  }
}

void Form::mousePressEvent(QMouseEvent* event) {
  Control* control = ControlAt(event->position().toPoint());
  pressed_ = control;
  if (control && control->onMouseDown) control->onMouseDown(ArgsFor(*event, control));
}

void Form::mouseDoubleClickEvent(QMouseEvent* event) {
  // A quick second click is a click of its own, not a lost one.
  mousePressEvent(event);
}

void Form::mouseReleaseEvent(QMouseEvent* event) {
  Control* control = pressed_;
  if (!control) return;
  if (!event->buttons()) pressed_ = nullptr;
  // The handlers may unload the window; nothing of it is touched after them.
  QPointer<Form> alive(this);
  if (control->onMouseUp) control->onMouseUp(ArgsFor(*event, control));
  if (!alive) return;
  const bool over = control->PixelRect().contains(event->position().toPoint());
  const bool stillThere = std::any_of(controls_.begin(), controls_.end(),
                                      [control](const auto& c) { return c.get() == control; });
  if (stillThere && over && event->button() == Qt::LeftButton && control->onClick) control->onClick();
}

void Form::keyPressEvent(QKeyEvent* event) {
  std::int16_t code = KeyAsciiOf(*event);
  if (code != 0) Form_KeyPress(code);
}

void Form::closeEvent(QCloseEvent* event) {
  // The window decides itself what a close from its frame means.
  event->ignore();
  Form_QueryClose();
}

bool Form::event(QEvent* event) {
  // A control is polished before it is first shown (with its window, or on
  // its own when made later), with the focus policy its maker gave it.
  if (event->type() == QEvent::ChildPolished || event->type() == QEvent::ChildRemoved) UpdateFocusPolicy();
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const Control* control = ControlAt(help->pos());
    if (control && !control->ToolTipText().isEmpty()) {
      QToolTip::showText(help->globalPos(), control->ToolTipText(), this, control->PixelRect());
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QWidget::event(event);
}

const std::vector<Form*>& LoadedForms() { return Registry(); }

// References --------------------------------------------------------------

FormRefBase::FormRefBase(std::string name) : name_(std::move(name)) {}

void FormRefBase::Register(FormRefBase& ref) { References()[ref.name_] = &ref; }

void FormRefBase::UnregisterAll() { References().clear(); }

FormRefBase::~FormRefBase() {
  auto& references = References();
  if (auto it = references.find(name_); it != references.end() && it->second == this) {
    references.erase(it);
  }
}

Form& FormRefBase::Get() {
  if (!form_) {
    Form* form = Create();
    form_ = form;
    form->Form_Load();
  }
  return *form_;
}

void FormRefBase::Hide() {
  if (form_) form_->hide();
}

void FormRefBase::Unload() {
  Form* form = form_.data();
  if (!form) return;
  form_.clear();
  Unregister(form);
  form->hide();
  // The window may be unloading itself from one of its own handlers.
  form->deleteLater();
}

FormRefBase* FormRefBase::Find(std::string_view name) {
  auto& references = References();
  auto it = references.find(name);
  return it == references.end() ? nullptr : it->second;
}

FormRefBase& FormRefBase::Require(std::string_view name) {
  FormRefBase* ref = Find(name);
  if (!ref)
    qFatal("The window %.*s was looked up but never registered", static_cast<int>(name.size()), name.data());
  return *ref;
}

void UnloadAllForms() {
  for (auto& [name, ref] : References()) ref->Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace forms
