#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/core/text_stream.hpp"

namespace framework {

class Graphics;

// A kind of file the open dialog can ask for.
struct FileType {
  std::string Name;
  std::string Extensions;  // "" for a type that any file name can have
  std::string MacType;
  std::string MacCreator;
  std::string MimeType;
  bool Imported = false;
  std::string ConformsTo;
};

void RegisterFileType(const FileType& type);
const FileType* FindFileType(const std::string& name);

// Every modal dialog and the alert sound go through this one seam: the program's own shows
// real dialogs, a test's answers from a script and records what was asked.
class DialogSeam {
 public:
  virtual ~DialogSeam() = default;
  virtual void ShowMessage(const std::string& text) = 0;
  // Buttons as the sum of a button set (4: Yes and No) and an icon (32: a question); the
  // answer is 6 for Yes, 7 for No, 1 for OK, 2 for Cancel.
  virtual int AskQuestion(const std::string& prompt, int buttons, const std::string& title) = 0;
  virtual void Beep() = 0;
  virtual std::optional<std::filesystem::path> ChooseFileToOpen(const FileType* type) = 0;
  // The page Graphics of the printer the user picks, or none when the dialog is cancelled.
  virtual std::unique_ptr<Graphics> ChoosePrinter() = 0;
};

// Puts a seam in place of the current one; the framework keeps it until it is replaced.
void InstallDialogSeam(std::unique_ptr<DialogSeam> seam);
DialogSeam& CurrentDialogSeam();

// How many modal dialogs have been shown so far: a click that opened one has ended.
int64_t ModalDialogsShown();

namespace MessageDialog {
void Show(const std::string& text);
}

int MsgBox(const std::string& prompt, int buttons, const std::string& title);
void Beep();

// The print dialog through the seam.
std::unique_ptr<Graphics> ChoosePrinterThroughSeam();

// The file the user picks in the open dialog for the file type of that name, or none when
// the dialog is cancelled.
std::unique_ptr<FolderItem> GetOpenFolderItem(const std::string& fileTypeName);

// The seam of a program that runs on screen: Qt's dialogs.
std::unique_ptr<DialogSeam> MakeScreenDialogSeam();

}  // namespace framework
