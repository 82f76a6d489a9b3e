#pragma once

#include <stdexcept>
#include <string>

namespace framework {

// The failures the framework raises. Each names its own class, so that the report of an
// exception that escapes a handler can say what went wrong.
class RuntimeException : public std::runtime_error {
 public:
  explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
  virtual const char* ClassName() const noexcept { return "RuntimeException"; }
};

class NilObjectException : public RuntimeException {
 public:
  explicit NilObjectException(const std::string& message = "Nil object")
      : RuntimeException(message) {}
  const char* ClassName() const noexcept override { return "NilObjectException"; }
};

class OutOfBoundsException : public RuntimeException {
 public:
  explicit OutOfBoundsException(const std::string& message = "Index out of bounds")
      : RuntimeException(message) {}
  const char* ClassName() const noexcept override { return "OutOfBoundsException"; }
};

class IllegalCastException : public RuntimeException {
 public:
  explicit IllegalCastException(const std::string& message = "Illegal cast")
      : RuntimeException(message) {}
  const char* ClassName() const noexcept override { return "IllegalCastException"; }
};

}  // namespace framework
