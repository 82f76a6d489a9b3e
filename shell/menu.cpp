#include "shell/menu.hpp"

#include "framework/core/exceptions.hpp"
#include "shell/app.hpp"

namespace {

using framework::MenuItem;

// The menu tree, in the order it is built and shown. An empty caption is not drawn; "-" is a
// separator, the one entry without a shortcut text.
enum class ItemKind { Plain, Quit, Apple };

struct ItemRow {
  const char* name;
  ItemKind kind;
  const char* text;
  const char* shortcut;  // nullptr: not set at all
  bool autoEnable;
};

std::unique_ptr<MenuItem> NewEntry(ItemKind kind) {
  switch (kind) {
    case ItemKind::Quit:
      return std::make_unique<framework::QuitMenuItem>();
    case ItemKind::Apple:
      return std::make_unique<framework::AppleMenuItem>();
    case ItemKind::Plain:
      break;
  }
  return std::make_unique<MenuItem>();
}

void BuildMenu(Menu& bar, const char* menuName, const char* menuText,
               std::initializer_list<ItemRow> items) {
  auto menu = std::make_unique<MenuItem>();
  menu->Name = menuName;
  menu->AutoEnable = false;
  menu->Text = menuText;
  menu->Visible = true;
  menu->CommandKey = "";
  bar.AddMenu(std::move(menu));
  for (const ItemRow& row : items) {
    std::unique_ptr<MenuItem> item = NewEntry(row.kind);
    item->Name = row.name;
    item->AutoEnable = row.autoEnable;
    item->Text = row.text;
    item->Visible = true;
    if (row.shortcut != nullptr) item->CommandKey = row.shortcut;
    MenuItem* parent = bar.Child(menuName);
    if (parent == nullptr) throw framework::NilObjectException("No menu named " + std::string(menuName));
    parent->AddMenu(std::move(item));
  }
}

MenuItem& LookupInstalled(const std::string& name) {
  framework::Application* app = framework::CurrentApplication();
  if (app == nullptr) throw framework::NilObjectException("No application object");
  if (app->MenuBar() == nullptr) throw framework::NilObjectException("No menu bar");
  MenuItem* item = app->MenuBar()->Lookup(name);
  if (item == nullptr) throw framework::NilObjectException("No menu item named " + name);
  return *item;
}

}  // namespace

std::unique_ptr<Menu> Menu::implicitInstance_;

// The bar handles no events: the windows answer its items.
const framework::ClassRecord& Menu::Class() {
  static const framework::ClassRecord& record =
      framework::RegisterClassRecord({"Menu", "MenuBar", {}});
  return record;
}

Menu& Menu::implicitInstance() {
  if (!implicitInstance_) {
    auto bar = std::make_unique<Menu>();
    bar->Constructor();
    implicitInstance_ = std::move(bar);  // kept only once it is whole
  }
  return *implicitInstance_;
}

void Menu::Constructor() {
  Untitled0();
  Untitled1();
  Untitled2();
  Untitled3();
  Untitled4();
}

void Menu::Untitled0() { BuildMenu(*this, "UntitledMenu3", "", {}); }

void Menu::Untitled1() {
  BuildMenu(*this, "UntitledMenu2", "File",
            {{"FilePrint", ItemKind::Plain, "Print", "", false},
             {"FileQuit", ItemKind::Quit, "Quit", "Ctrl+Q", true},
             {"UntitledMenu8", ItemKind::Plain, "", "", false}});
}

void Menu::Untitled2() {
  BuildMenu(*this, "UntitledMenu0", "Edit",
            {{"EditUndo", ItemKind::Plain, "Undo", "Ctrl+Z", false},
             {"UntitledMenu1", ItemKind::Plain, "-", nullptr, false},
             {"EditCut", ItemKind::Plain, "Cut", "Ctrl+X", false},
             {"EditCopy", ItemKind::Plain, "Copy", "Ctrl+C", false},
             {"EditPaste", ItemKind::Plain, "Paste", "Ctrl+V", false},
             {"EditClear", ItemKind::Plain, "", "", false},
             {"UntitledMenu7", ItemKind::Plain, "", "", false}});
}

void Menu::Untitled3() {
  BuildMenu(*this, "WindowMenu", "Window",
            {{"ControlMenuItem", ItemKind::Plain, "Control", "", false},
             {"DescriptionMenuItem", ItemKind::Plain, "Description", "", false},
             {"AboutMenuItem", ItemKind::Plain, "About Dalvenquist", "", false},
             {"UntitledMenu6", ItemKind::Plain, "", "", false},
             {"UntitledMenu5", ItemKind::Apple, "", "", false}});
}

void Menu::Untitled4() { BuildMenu(*this, "UntitledMenu4", "", {}); }

MenuItem& AboutMenuItem() { return LookupInstalled("AboutMenuItem"); }
MenuItem& DescriptionMenuItem() { return LookupInstalled("DescriptionMenuItem"); }
MenuItem& ControlMenuItem() { return LookupInstalled("ControlMenuItem"); }
MenuItem& FilePrint() { return LookupInstalled("FilePrint"); }
