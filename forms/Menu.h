// A menu model: items with captions ("&" marks the access key, "-" is a
// separator), visibility, sub-items and a click handler. Popping a menu up is
// a service (Services::PopupMenu); the model itself draws nothing.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace forms {

class MenuItem {
 public:
  MenuItem(std::string name, QString caption, MenuItem* parent = nullptr);
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption) { caption_ = caption; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  bool IsSeparator() const { return caption_ == QStringLiteral("-"); }
  const std::vector<MenuItem*>& Items() const { return items_; }

  // The captions of the visible items in order, as the popup shows them.
  QStringList VisibleCaptions() const;
  // The visible item of that name among the sub-items, or nullptr.
  MenuItem* VisibleItem(const std::string& name) const;

  std::function<void()> onClick;

 private:
  std::string name_;
  QString caption_;
  bool visible_ = true;
  std::vector<MenuItem*> items_;
};

}  // namespace forms
