#include "forms/Control.h"

#include <QPainter>
#include <algorithm>

#include "forms/Form.h"
#include "forms/Twips.h"

namespace forms {

Control::Control(Form& form, std::string name, int left, int top, int width, int height)
    : form_(form), name_(std::move(name)), left_(left), top_(top), width_(width), height_(height) {}

Control::~Control() = default;

void Control::SetLeft(int left) { Move(left, top_, width_, height_); }

void Control::SetTop(int top) { Move(left_, top, width_, height_); }

void Control::Move(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
}

QRect Control::PixelRect() const { return ToPixels(left_, top_, width_, height_); }

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Invalidate();
}

void Control::Invalidate() const { form_.InvalidateRect(PaintRect()); }

// Labels ------------------------------------------------------------------

void Label::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Invalidate();
}

void Label::SetForeColor(const QColor& color) {
  if (color == foreColor_) return;
  foreColor_ = color;
  Invalidate();
}

void Label::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Invalidate();
}

void Label::SetBackColor(const QColor& color) {
  backColor_ = color;
  Invalidate();
}

void Label::SetFont(const QFont& font) {
  font_ = font;
  Invalidate();
}

void Label::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void Label::Paint(QPainter& painter) const {
  const QRect rect = PixelRect();
  if (!transparent_) painter.fillRect(rect, backColor_);
  if (caption_.isEmpty()) return;
  int flags = Qt::AlignTop | Qt::TextWordWrap;
  switch (alignment_) {
    case Alignment::Left:
      flags |= Qt::AlignLeft;
      break;
    case Alignment::Right:
      flags |= Qt::AlignRight;
      break;
    case Alignment::Center:
      flags |= Qt::AlignHCenter;
      break;
  }
  painter.setFont(font_);
  painter.setPen(foreColor_);
  // Captions break lines with CR LF; the painter wants a bare line feed.
  QString text = caption_;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  painter.drawText(rect, flags, text);
}

// Images ------------------------------------------------------------------

void Image::SetPicture(const QPixmap& picture) {
  Invalidate();
  picture_ = picture;
  if (!stretch_ && !picture_.isNull()) {
    Move(Left(), Top(), picture_.width() * kTwipsPerPixel, picture_.height() * kTwipsPerPixel);
  }
  Invalidate();
}

void Image::SetStretch(bool stretch) {
  stretch_ = stretch;
  Invalidate();
}

void Image::Paint(QPainter& painter) const {
  if (picture_.isNull()) return;
  if (stretch_) {
    painter.drawPixmap(PixelRect(), picture_);
  } else {
    painter.drawPixmap(PixelRect().topLeft(), picture_);
  }
}

// Shapes ------------------------------------------------------------------

void Shape::SetFillColor(const QColor& color) {
  fill_ = color;
  Invalidate();
}

void Shape::SetBorder(const QColor& color, int width) {
  border_ = color;
  borderWidth_ = width;
  Invalidate();
}

void Shape::Paint(QPainter& painter) const {
  const QRect rect = PixelRect();
  if (fill_.isValid()) painter.fillRect(rect, fill_);
  if (borderWidth_ > 0 && border_.isValid()) {
    // The border lies inside the shape's rectangle.
    const int w = borderWidth_;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), w), border_);
    painter.fillRect(QRect(rect.left(), rect.bottom() - w + 1, rect.width(), w), border_);
    painter.fillRect(QRect(rect.left(), rect.top(), w, rect.height()), border_);
    painter.fillRect(QRect(rect.right() - w + 1, rect.top(), w, rect.height()), border_);
  }
}

// Lines -------------------------------------------------------------------

Line::Line(Form& form, std::string name, int x1, int y1, int x2, int y2)
    : Control(form, std::move(name), std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1),
              std::abs(y2 - y1)),
      x1_(x1),
      y1_(y1),
      x2_(x2),
      y2_(y2) {}

void Line::SetBorder(const QColor& color, int width) {
  color_ = color;
  width_ = width;
  Invalidate();
}

QRect Line::PaintRect() const {
  const int pad = width_ + 1;
  return PixelRect().adjusted(-pad, -pad, pad, pad);
}

void Line::Paint(QPainter& painter) const {
  QPen pen(color_);
  pen.setWidth(width_);
  pen.setCapStyle(Qt::FlatCap);
  painter.setPen(pen);
  painter.drawLine(QPoint(ToPixels(x1_), ToPixels(y1_)), QPoint(ToPixels(x2_), ToPixels(y2_)));
}

}  // namespace forms
