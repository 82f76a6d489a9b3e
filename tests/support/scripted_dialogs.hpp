#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/gui/dialogs.hpp"
#include "framework/gui/printing.hpp"

// Answers every dialog from a script and records what the program asked, so that nothing in
// a test waits for a person.
class ScriptedDialogs : public framework::DialogSeam {
 public:
  struct Question {
    std::string prompt;
    int buttons;
    std::string title;
  };

  std::vector<std::string> messages;
  std::vector<Question> questions;
  int beeps = 0;
  int openDialogs = 0;
  std::vector<std::string> openDialogTypes;

  std::deque<std::optional<std::filesystem::path>> filesToChoose;  // none: the user cancels
  std::deque<int> answers;                                         // 7 (No) once they run out
  // The printers the print dialog hands out in turn; none (or none left): the user cancels.
  std::deque<std::unique_ptr<framework::Graphics>> printers;
  int printDialogs = 0;

  // Runs while a message is shown, as what happens while the user keeps it open.
  std::function<void(const std::string&)> whileMessageShown;

  void ShowMessage(const std::string& text) override {
    messages.push_back(text);
    if (whileMessageShown) whileMessageShown(text);
  }
  int AskQuestion(const std::string& prompt, int buttons, const std::string& title) override {
    questions.push_back({prompt, buttons, title});
    if (answers.empty()) return 7;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void Beep() override { ++beeps; }
  std::optional<std::filesystem::path> ChooseFileToOpen(const framework::FileType* type) override {
    ++openDialogs;
    openDialogTypes.push_back(type != nullptr ? type->Name : "");
    if (filesToChoose.empty()) return std::nullopt;
    auto file = filesToChoose.front();
    filesToChoose.pop_front();
    return file;
  }
  std::unique_ptr<framework::Graphics> ChoosePrinter() override {
    ++printDialogs;
    if (printers.empty()) return nullptr;
    auto printer = std::move(printers.front());
    printers.pop_front();
    return printer;
  }
};
