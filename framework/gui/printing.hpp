#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class QTextDocument;

namespace framework {

class Window;

// A page to draw on, measured in points (1/72 inch) from the printable area's top-left
// corner. The print job ends when the Graphics is released.
class Graphics {
 public:
  virtual ~Graphics() = default;
  // Ends the current page and starts the next.
  virtual void NextPage() = 0;
  // Draws a block of `width` by `height` at (x, y) of the page: the part of a laid-out
  // document from `top` down to `top + used` (document units, which print as points).
  // `text` is that part's plain text.
  virtual void DrawDocumentPart(const QTextDocument& document, double x, double y, double width,
                                double height, double top, double used,
                                const std::string& text) = 0;
};

// A printer to a PDF file: US Letter with half-inch margins, which leaves a printable area
// of 540 by 720 points.
std::unique_ptr<Graphics> MakePdfGraphics(const std::filesystem::path& file);

// A Graphics that draws nothing and logs every block and page, for tests.
class RecordingGraphics : public Graphics {
 public:
  struct Block {
    int page;
    double x, y, width, height;  // the block asked for
    double usedHeight;           // what its whole lines took
    std::string text;
  };
  struct Log {
    std::vector<Block> blocks;
    int pages = 1;
    bool released = false;
  };

  explicit RecordingGraphics(std::shared_ptr<Log> log) : log_(std::move(log)) {}
  ~RecordingGraphics() override { log_->released = true; }
  void NextPage() override { ++log_->pages; }
  void DrawDocumentPart(const QTextDocument& document, double x, double y, double width,
                        double height, double top, double used, const std::string& text) override;

 private:
  std::shared_ptr<Log> log_;
};

// Prints a text area's styled text in blocks of a fixed width: each block takes the whole
// lines that fit into its height, never half a line.
class StyledTextPrinter {
 public:
  StyledTextPrinter(Graphics& g, const QTextDocument& source, int64_t width);
  ~StyledTextPrinter();
  StyledTextPrinter(const StyledTextPrinter&) = delete;
  StyledTextPrinter& operator=(const StyledTextPrinter&) = delete;

  // Draws the next block at (x, y) of the page with the given height and moves on.
  void DrawBlock(double x, double y, double height);
  // True once the whole text has been drawn.
  bool Eof() const;  // EOF itself is a macro of the C library

 private:
  struct Line {
    double top, bottom;
    std::string text;
  };
  Graphics& g_;
  std::unique_ptr<QTextDocument> document_;
  double width_;
  std::vector<Line> lines_;
  std::size_t next_ = 0;
};

// The system print dialog: the page Graphics of the chosen printer, or none when the user
// cancels.
class PrinterSetup {
 public:
  static std::unique_ptr<Graphics> ShowPrinterDialog(PrinterSetup* setup, Window* parent);
};

}  // namespace framework
