#include "shell/app.hpp"

#include "framework/core/exceptions.hpp"

const framework::ClassRecord& App::Class() {
  static const framework::ClassRecord& record =
      framework::RegisterClassRecord({"App", "Application", {}});
  return record;
}

App& App::implicitInstance() {
  return framework::RuntimeCheckCast<App>(framework::CurrentApplication());
}
