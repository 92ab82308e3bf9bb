#include "forms/Menu.h"

#include <QStringList>

namespace forms {

MenuItem::MenuItem(std::string name, QString caption, MenuItem* parent)
    : name_(std::move(name)), caption_(std::move(caption)) {
  if (parent) parent->items_.push_back(this);
}

QStringList MenuItem::VisibleCaptions() const {
  QStringList captions;
  for (const MenuItem* item : items_) {
    if (item->Visible()) captions.append(item->Caption());
  }
  return captions;
}

MenuItem* MenuItem::VisibleItem(const std::string& name) const {
  for (MenuItem* item : items_) {
    if (item->Visible() && item->Name() == name) return item;
  }
  return nullptr;
}

}  // namespace forms
