#include "framework/gui/menu.hpp"

namespace framework {

void MenuItem::AddMenu(std::unique_ptr<MenuItem> child) { children_.push_back(std::move(child)); }

MenuItem* MenuItem::Child(const std::string& name) const {
  for (const auto& child : children_) {
    if (child->Name == name) return child.get();
  }
  return nullptr;
}

MenuItem* MenuItem::Lookup(const std::string& name) const {
  for (const auto& child : children_) {
    if (child->Name == name) return child.get();
    if (MenuItem* found = child->Lookup(name)) return found;
  }
  return nullptr;
}

}  // namespace framework
