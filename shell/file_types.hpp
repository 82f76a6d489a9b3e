#pragma once

#include <vector>

#include "framework/gui/dialogs.hpp"

// The kinds of file the program opens: plain text data files.
namespace FileTypes {

extern std::vector<framework::FileType> pAllFileTypes;

// Defines the file types and registers them, so that the open dialog can filter on them.
void Initialize();
// The type "text": any file name will do.
const framework::FileType& Text();

}  // namespace FileTypes
