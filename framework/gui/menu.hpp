#pragma once

#include <memory>
#include <string>
#include <vector>

namespace framework {

// An entry of the menu bar: a menu, an item, or the bar itself. Entries are known by name.
class MenuItem {
 public:
  MenuItem() = default;
  virtual ~MenuItem() = default;
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  std::string Name;
  std::string Text;        // "-" makes a separator; an entry with no text is not drawn
  std::string CommandKey;  // the shortcut text, such as "Ctrl+Q"
  bool AutoEnable = false;
  bool Visible = true;
  bool Enabled = true;

  // Appends the child as the last entry.
  void AddMenu(std::unique_ptr<MenuItem> child);
  // The direct child of that name, or none.
  MenuItem* Child(const std::string& name) const;
  // The entry of that name at any depth below this one, or none.
  MenuItem* Lookup(const std::string& name) const;
  std::size_t Count() const { return children_.size(); }
  MenuItem& Item(std::size_t index) const { return *children_.at(index); }

  virtual const char* ClassName() const { return "MenuItem"; }
  // The quit item answers itself by ending the application.
  virtual bool QuitsApplication() const { return false; }

 private:
  std::vector<std::unique_ptr<MenuItem>> children_;
};

class QuitMenuItem : public MenuItem {
 public:
  const char* ClassName() const override { return "QuitMenuItem"; }
  bool QuitsApplication() const override { return true; }
};

class AppleMenuItem : public MenuItem {
 public:
  const char* ClassName() const override { return "AppleMenuItem"; }
};

class MenuBar : public MenuItem {
 public:
  const char* ClassName() const override { return "MenuBar"; }
};

}  // namespace framework
