// A control array of images: element 0 is part of the window's design, and
// further elements are loaded at run time as copies of it (hidden at first)
// and unloaded again.
#pragma once

#include <vector>

#include "forms/Control.h"

namespace forms {

class ImageArray {
 public:
  explicit ImageArray(Image& first) : elements_{&first} {}

  int Count() const { return static_cast<int>(elements_.size()); }
  Image& operator[](int index) const { return *elements_[static_cast<std::size_t>(index)]; }
  // The element with this index, or nullptr when the array has none.
  Image* Element(int index) const {
    return index >= 0 && index < Count() ? elements_[static_cast<std::size_t>(index)] : nullptr;
  }
  // Loads the next element: a copy of element 0's properties and handlers,
  // except that it starts hidden. It lies just above the last element.
  Image& LoadNext();
  // Unloads every element but element 0.
  void UnloadAllButFirst();

 private:
  std::vector<Image*> elements_;
};

}  // namespace forms
