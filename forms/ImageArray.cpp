#include "forms/ImageArray.h"

#include <string>

#include "forms/Form.h"

namespace forms {

Image& ImageArray::LoadNext() {
  const Image& first = *elements_.front();
  Form& form = first.Owner();
  std::string name = first.Name();
  if (const auto paren = name.find('('); paren != std::string::npos) name.erase(paren);
  Image& element = form.AddImage(name + "(" + std::to_string(Count()) + ")", first.Left(), first.Top(),
                                 first.Width(), first.Height());
  element.SetVisible(false);
  element.SetStretch(first.Stretch());
  element.SetPicture(first.Picture());
  element.SetTag(first.Tag());
  element.SetToolTipText(first.ToolTipText());
  element.onMouseMove = first.onMouseMove;
  element.onMouseDown = first.onMouseDown;
  element.onMouseUp = first.onMouseUp;
  element.onClick = first.onClick;
  form.PlaceAbove(element, *elements_.back());
  elements_.push_back(&element);
  return element;
}

void ImageArray::UnloadAllButFirst() {
  while (elements_.size() > 1) {
    Image* last = elements_.back();
    elements_.pop_back();
    last->Owner().RemoveControl(*last);
  }
}

}  // namespace forms
