#pragma once

#include <exception>
#include <functional>
#include <string>

namespace framework {

// Runs program code from an event of the framework. An exception that escapes it is reported
// in a message box that names its class, and the program goes on. False when one escaped.
bool RunAtEventBoundary(const std::function<void()>& code);

// The class name of an exception, as the report shows it.
std::string ExceptionClassName(const std::exception& e);

}  // namespace framework
