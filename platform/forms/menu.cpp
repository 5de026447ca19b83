// Popup menus built from their definition; the chosen item's command runs after the menu closed.
#include "platform/forms/menu.h"

#include "platform/forms/runtime.h"

namespace zv::forms {

Menu::Menu(const MenuDefinition& definition) : name_(definition.name), caption_(definition.caption) {
  for (const MenuItemDefinition& item : definition.items) items_.push_back(std::make_unique<MenuItem>(item));
}

MenuItem* Menu::Find(std::string_view name) {
  for (const auto& item : items_) {
    if (item->Name() == name) return item.get();
  }
  return nullptr;
}

void Menu::Popup(PopupMenuService& service, std::uintptr_t owner) {
  const int chosen = service.Track(*this, owner);
  if (chosen < 0 || static_cast<std::size_t>(chosen) >= items_.size()) return;
  MenuItem& item = *items_[static_cast<std::size_t>(chosen)];
  // A separator is never a command, whatever a service reports.
  if (item.IsSeparator() || !item.onClick) return;
  item.onClick();
}

}  // namespace zv::forms
