#pragma once

#include <memory>

#include "framework/gui/menu.hpp"
#include "framework/gui/window.hpp"

// The menu bar: an empty menu, File, Edit, Window and another empty menu. It acts on no item
// itself: the window in front answers the items it registered.
class Menu : public framework::MenuBar {
 public:
  Menu() = default;
  void Constructor();
  void Untitled0();
  void Untitled1();
  void Untitled2();
  void Untitled3();
  void Untitled4();

  // The bar's one instance, built on first use.
  static Menu& implicitInstance();
  static const framework::ClassRecord& Class();

 private:
  static std::unique_ptr<Menu> implicitInstance_;
};

// The items the windows enable, looked up in the bar installed on the application object.
framework::MenuItem& AboutMenuItem();
framework::MenuItem& DescriptionMenuItem();
framework::MenuItem& ControlMenuItem();
framework::MenuItem& FilePrint();
