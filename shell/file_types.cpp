#include "shell/file_types.hpp"

#include "framework/core/exceptions.hpp"

namespace FileTypes {

std::vector<framework::FileType> pAllFileTypes;

void Initialize() {
  framework::FileType text;
  text.Name = "text";
  text.Extensions = "";
  text.MacType = "TEXT";
  text.MacCreator = "R*ch";
  text.MimeType = "";
  text.Imported = true;
  text.ConformsTo = "";
  pAllFileTypes.push_back(text);
  framework::RegisterFileType(pAllFileTypes.back());
}

const framework::FileType& Text() {
  for (const framework::FileType& type : pAllFileTypes) {
    if (type.Name == "text") return type;
  }
  throw framework::NilObjectException("The file type \"text\" is not defined");
}

}  // namespace FileTypes
