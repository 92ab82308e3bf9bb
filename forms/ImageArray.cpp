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
  if (elements_.size() < 2) return;
  Form& form = elements_.front()->Owner();
  const std::vector<Control*> later(elements_.begin() + 1, elements_.end());
  elements_.resize(1);
  form.RemoveControls(later);
}

}  // namespace forms
