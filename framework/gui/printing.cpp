#include "framework/gui/printing_p.hpp"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

#include "framework/gui/dialogs.hpp"

namespace framework {

namespace {

// Draws on a real printer or a PDF file. Documents are laid out in units that print as
// points, so the painter is scaled from points to the printer's dots.
class PrinterGraphics : public Graphics {
 public:
  explicit PrinterGraphics(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
    painter_.begin(printer_.get());
    const double scale = printer_->resolution() / 72.0;
    painter_.scale(scale, scale);
  }
  ~PrinterGraphics() override { painter_.end(); }

  void NextPage() override { printer_->newPage(); }

  void DrawDocumentPart(const QTextDocument& document, double x, double y, double width, double,
                        double top, double used, const std::string&) override {
    painter_.save();
    painter_.translate(x, y - top);
    const QRectF part(0, top, width, used);
    painter_.setClipRect(part);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = part;
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter_, context);
    painter_.restore();
  }

 private:
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
};

}  // namespace

std::unique_ptr<Graphics> MakePdfGraphics(const std::filesystem::path& file) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromStdString(file.string()));
  printer->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(36, 36, 36, 36), QPageLayout::Point));
  return std::make_unique<PrinterGraphics>(std::move(printer));
}

std::unique_ptr<Graphics> MakePrinterGraphics(std::unique_ptr<QPrinter> printer) {
  return std::make_unique<PrinterGraphics>(std::move(printer));
}

void RecordingGraphics::DrawDocumentPart(const QTextDocument&, double x, double y, double width,
                                         double height, double, double used,
                                         const std::string& text) {
  log_->blocks.push_back({log_->pages, x, y, width, height, used, text});
}

StyledTextPrinter::StyledTextPrinter(Graphics& g, const QTextDocument& source, int64_t width)
    : g_(g), document_(source.clone()), width_(double(width)) {
  document_->setDefaultFont(source.defaultFont());
  document_->setDocumentMargin(0);
  document_->setTextWidth(width_);
  if (document_->isEmpty()) return;
  // Every line of the laid-out text with its place, so that blocks can end between lines.
  QAbstractTextDocumentLayout* layout = document_->documentLayout();
  for (QTextBlock block = document_->begin(); block.isValid(); block = block.next()) {
    const QRectF box = layout->blockBoundingRect(block);
    const QTextLayout* lines = block.layout();
    for (int i = 0; i < lines->lineCount(); ++i) {
      const QTextLine line = lines->lineAt(i);
      const double top = box.top() + line.y();
      lines_.push_back({top, top + line.height(),
                        block.text().mid(line.textStart(), line.textLength()).toStdString()});
    }
  }
}

StyledTextPrinter::~StyledTextPrinter() = default;

bool StyledTextPrinter::Eof() const { return next_ >= lines_.size(); }

void StyledTextPrinter::DrawBlock(double x, double y, double height) {
  if (Eof()) return;
  const double top = lines_[next_].top;
  std::size_t end = next_ + 1;  // at least one line, or a too-tall line would never print
  while (end < lines_.size() && lines_[end].bottom - top <= height) ++end;
  std::string text;
  for (std::size_t i = next_; i < end; ++i) text += lines_[i].text + (i + 1 < end ? "\n" : "");
  g_.DrawDocumentPart(*document_, x, y, width_, height, top, lines_[end - 1].bottom - top, text);
  next_ = end;
}

std::unique_ptr<Graphics> PrinterSetup::ShowPrinterDialog(PrinterSetup*, Window*) {
  return ChoosePrinterThroughSeam();
}

}  // namespace framework
