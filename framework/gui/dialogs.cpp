#include "framework/gui/dialogs.hpp"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "framework/gui/printing_p.hpp"

namespace framework {

namespace {

std::vector<FileType>& FileTypes() {
  static std::vector<FileType> types;
  return types;
}

std::unique_ptr<DialogSeam>& Seam() {
  static std::unique_ptr<DialogSeam> seam;
  return seam;
}

int64_t modalDialogs = 0;

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

QWidget* DialogParent() { return QApplication::activeWindow(); }

class ScreenDialogSeam : public DialogSeam {
 public:
  void ShowMessage(const std::string& text) override {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), ToQt(text),
                    QMessageBox::Ok, DialogParent());
    box.exec();
  }

  int AskQuestion(const std::string& prompt, int buttons, const std::string& title) override {
    QMessageBox::StandardButtons set = QMessageBox::Ok;
    switch (buttons & 7) {
      case 1: set = QMessageBox::Ok | QMessageBox::Cancel; break;
      case 2: set = QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore; break;
      case 3: set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
      case 4: set = QMessageBox::Yes | QMessageBox::No; break;
      case 5: set = QMessageBox::Retry | QMessageBox::Cancel; break;
      default: break;
    }
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (buttons & 0x70) {
      case 16: icon = QMessageBox::Critical; break;
      case 32: icon = QMessageBox::Question; break;
      case 48: icon = QMessageBox::Warning; break;
      case 64: icon = QMessageBox::Information; break;
      default: break;
    }
    QMessageBox box(icon, title.empty() ? QApplication::applicationDisplayName() : ToQt(title),
                    ToQt(prompt), set, DialogParent());
    switch (box.exec()) {
      case QMessageBox::Ok: return 1;
      case QMessageBox::Cancel: return 2;
      case QMessageBox::Abort: return 3;
      case QMessageBox::Retry: return 4;
      case QMessageBox::Ignore: return 5;
      case QMessageBox::Yes: return 6;
      case QMessageBox::No: return 7;
      default: return 2;  // closed without an answer counts as Cancel
    }
  }

  void Beep() override { QApplication::beep(); }

  std::optional<std::filesystem::path> ChooseFileToOpen(const FileType* type) override {
    QString filter = QStringLiteral("All files (*)");
    if (type != nullptr) {
      QString patterns = QStringLiteral("*");
      if (!type->Extensions.empty()) {
        patterns.clear();
        for (const QString& extension : ToQt(type->Extensions).split(';', Qt::SkipEmptyParts)) {
          patterns += (patterns.isEmpty() ? "*" : " *") +
                      (extension.startsWith('.') ? extension : "." + extension);
        }
      }
      filter = ToQt(type->Name) + " (" + patterns + ")";
    }
    const QString file = QFileDialog::getOpenFileName(DialogParent(), QString(), QString(), filter);
    if (file.isEmpty()) return std::nullopt;
    return std::filesystem::path(file.toStdString());
  }

  std::unique_ptr<Graphics> ChoosePrinter() override {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), DialogParent());
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return MakePrinterGraphics(std::move(printer));
  }
};

}  // namespace

void RegisterFileType(const FileType& type) { FileTypes().push_back(type); }

const FileType* FindFileType(const std::string& name) {
  for (const FileType& type : FileTypes()) {
    if (type.Name == name) return &type;
  }
  return nullptr;
}

void InstallDialogSeam(std::unique_ptr<DialogSeam> seam) { Seam() = std::move(seam); }

DialogSeam& CurrentDialogSeam() {
  if (!Seam()) Seam() = MakeScreenDialogSeam();
  return *Seam();
}

int64_t ModalDialogsShown() { return modalDialogs; }

void MessageDialog::Show(const std::string& text) {
  ++modalDialogs;
  CurrentDialogSeam().ShowMessage(text);
}

int MsgBox(const std::string& prompt, int buttons, const std::string& title) {
  ++modalDialogs;
  return CurrentDialogSeam().AskQuestion(prompt, buttons, title);
}

void Beep() { CurrentDialogSeam().Beep(); }

std::unique_ptr<FolderItem> GetOpenFolderItem(const std::string& fileTypeName) {
  ++modalDialogs;
  const auto chosen = CurrentDialogSeam().ChooseFileToOpen(FindFileType(fileTypeName));
  if (!chosen) return nullptr;
  return std::make_unique<FolderItem>(*chosen);
}

std::unique_ptr<Graphics> ChoosePrinterThroughSeam() {
  ++modalDialogs;
  return CurrentDialogSeam().ChoosePrinter();
}

std::unique_ptr<DialogSeam> MakeScreenDialogSeam() { return std::make_unique<ScreenDialogSeam>(); }

}  // namespace framework
