#pragma once

#include "framework/gui/application.hpp"
#include "framework/gui/window.hpp"

// The application object: the program's version data and its menu bar.
class App : public framework::Application {
 public:
  App() = default;
  // Start-up runs it once, when it makes the application object.
  void Constructor() override {}
  static const framework::ClassRecord& Class();
  const framework::ClassRecord& Record() const override { return Class(); }

  // The registered application object.
  static App& implicitInstance();
};

// The copyright line under the title and on the About window.
inline constexpr char kCopyrightNotice[] = "\xC2\xA9 1999-2026 Dalvenquist";
