#pragma once

// The printer side of printing; only the framework sees Qt's printer.

#include <memory>

#include "framework/gui/printing.hpp"

class QPrinter;

namespace framework {
std::unique_ptr<Graphics> MakePrinterGraphics(std::unique_ptr<QPrinter> printer);
}
