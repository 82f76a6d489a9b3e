#pragma once

#include <string>

// The built-in help that the Description window shows and prints: 56 lines joined by CR LF,
// with no line end after the last one. Its first line is the title that the window sets bold.
const std::string& HelpText();
