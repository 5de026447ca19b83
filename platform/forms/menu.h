// Popup menus: items with a caption, an optional shortcut text and a Click event; separators
// between them. A menu is defined as data and popped up modally by the runtime.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zv::forms {

class PopupMenuService;

// A caption of "-" makes the item a separator.
struct MenuItemDefinition {
  std::string name;
  std::string caption;
  std::string shortcut;  // shown right of the caption, e.g. "Ctrl+X"
};

struct MenuDefinition {
  std::string name;
  std::string caption;  // of the top-level menu, never displayed as a bar
  std::vector<MenuItemDefinition> items;
};

class MenuItem {
 public:
  explicit MenuItem(const MenuItemDefinition& definition)
      : name_(definition.name), caption_(definition.caption), shortcut_(definition.shortcut) {}
  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  const std::string& Shortcut() const { return shortcut_; }
  bool IsSeparator() const { return caption_ == "-"; }

  std::function<void()> onClick;

 private:
  std::string name_;
  std::string caption_;
  std::string shortcut_;
};

class Menu {
 public:
  explicit Menu(const MenuDefinition& definition);
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  std::size_t Count() const { return items_.size(); }
  MenuItem& Item(std::size_t position) { return *items_[position]; }
  const MenuItem& Item(std::size_t position) const { return *items_[position]; }
  // Null when the menu has no item of that name.
  MenuItem* Find(std::string_view name);

  // Pops the menu up at the cursor and, once it has closed, raises Click of the chosen item.
  // Returns when the menu has been dismissed or the item's command has run. The owner window
  // receives the menu's messages.
  void Popup(PopupMenuService& service, std::uintptr_t owner);

 private:
  std::string name_;
  std::string caption_;
  // Stable addresses: handlers keep references to items.
  std::vector<std::unique_ptr<MenuItem>> items_;
};

}  // namespace zv::forms
