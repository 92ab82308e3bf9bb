// The light controls of a window: labels, images, shapes and lines. They are
// not widgets of their own: the window draws them in their stacking order and
// hands mouse events to the topmost one under the pointer. Shapes and lines
// take no mouse events, so a move over them reaches the window's own handler.
//
// A control's state is read back through the same object the handlers write,
// so everything a handler changes can be checked without pixels.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <functional>
#include <string>

class QPainter;

namespace forms {

class Form;

// Mouse buttons and the arguments of a mouse event, in the window's units.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

struct MouseArgs {
  int button = 0;  // the buttons of the event (a mask of MouseButton)
  int shift = 0;   // 1 shift, 2 control, 4 alt
  float x = 0;     // twips from the control's left edge
  float y = 0;     // twips from the control's top edge
};

using MouseHandler = std::function<void(const MouseArgs&)>;

class Control {
 public:
  Control(Form& form, std::string name, int left, int top, int width, int height);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  Form& Owner() const { return form_; }

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left);
  void SetTop(int top);
  void Move(int left, int top, int width, int height);
  QRect PixelRect() const;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  const QString& ToolTipText() const { return tooltip_; }
  void SetToolTipText(const QString& text) { tooltip_ = text; }

  // Whether the control takes mouse events at all (shapes and lines do not).
  virtual bool TakesMouse() const { return true; }
  virtual void Paint(QPainter& painter) const = 0;

  MouseHandler onMouseMove;
  MouseHandler onMouseDown;
  MouseHandler onMouseUp;
  std::function<void()> onClick;

 protected:
  void Invalidate() const;  // asks the window to repaint the control's place
  virtual QRect PaintRect() const { return PixelRect(); }

 private:
  Form& form_;
  std::string name_;
  int left_;
  int top_;
  int width_;
  int height_;
  bool visible_ = true;
  QString tooltip_;
};

enum class Alignment { Left, Right, Center };

class Label : public Control {
 public:
  using Control::Control;

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  QColor ForeColor() const { return foreColor_; }
  void SetForeColor(const QColor& color);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  QColor BackColor() const { return backColor_; }
  void SetBackColor(const QColor& color);
  const QFont& Font() const { return font_; }
  void SetFont(const QFont& font);
  Alignment Align() const { return alignment_; }
  void SetAlignment(Alignment alignment);

  void Paint(QPainter& painter) const override;

 private:
  QString caption_;
  QColor foreColor_{Qt::black};
  QColor backColor_{Qt::white};
  bool transparent_ = true;
  QFont font_;
  Alignment alignment_ = Alignment::Left;
};

class Image : public Control {
 public:
  using Control::Control;

  const QPixmap& Picture() const { return picture_; }
  // Without stretching the control takes the picture's size.
  void SetPicture(const QPixmap& picture);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  const QString& Tag() const { return tag_; }
  void SetTag(const QString& tag) { tag_ = tag; }

  void Paint(QPainter& painter) const override;

 private:
  QPixmap picture_;
  bool stretch_ = false;
  QString tag_;
};

class Shape : public Control {
 public:
  using Control::Control;

  bool TakesMouse() const override { return false; }
  // Solid fill in this colour; an invalid colour leaves the inside clear.
  QColor FillColor() const { return fill_; }
  void SetFillColor(const QColor& color);
  // Border colour and width in pixels; width 0 draws no border.
  QColor BorderColor() const { return border_; }
  int BorderWidth() const { return borderWidth_; }
  void SetBorder(const QColor& color, int width);

  void Paint(QPainter& painter) const override;

 private:
  QColor fill_;
  QColor border_;
  int borderWidth_ = 0;
};

class Line : public Control {
 public:
  Line(Form& form, std::string name, int x1, int y1, int x2, int y2);

  bool TakesMouse() const override { return false; }
  int X1() const { return x1_; }
  int Y1() const { return y1_; }
  int X2() const { return x2_; }
  int Y2() const { return y2_; }
  QColor BorderColor() const { return color_; }
  int BorderWidth() const { return width_; }
  void SetBorder(const QColor& color, int width);

  void Paint(QPainter& painter) const override;

 protected:
  QRect PaintRect() const override;

 private:
  int x1_;
  int y1_;
  int x2_;
  int y2_;
  QColor color_{Qt::black};
  int width_ = 1;
};

}  // namespace forms
