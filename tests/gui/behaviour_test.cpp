#include <QPlainTextEdit>
#include <QTest>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>

#include "framework/gui/printing.hpp"
#include "program_test.hpp"
#include "shell/description_wnd.hpp"
#include "shell/menu.hpp"
#include "support/load_driver.hpp"

namespace {

class Behaviour : public ProgramTest {
 protected:
  // Hands the next print dialog a recording printer and returns its log.
  std::shared_ptr<framework::RecordingGraphics::Log> RecordNextPrint() {
    auto log = std::make_shared<framework::RecordingGraphics::Log>();
    Dialogs().printers.push_back(std::make_unique<framework::RecordingGraphics>(log));
    return log;
  }

  static int PdfPages(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const std::string pdf = bytes.str();
    const std::regex page("/Type\\s*/Page[^s]");
    return int(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page),
                             std::sregex_iterator()));
  }

  static std::string Lines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + "\r\n";
    return text;
  }

  ControlWnd& LoadedWindow() {
    ControlWnd& w = MainWindow();
    Load(w, WriteFile("help.txt", kHelpExample));
    return w;
  }
};

// --- Clear ----------------------------------------------------------------------------------

TEST_F(Behaviour, ClearWithoutAReportEmptiesTheTextAndKeepsTheData) {
  ControlWnd& w = LoadedWindow();
  Click(w.ClearBtn());
  EXPECT_TRUE(Dialogs().questions.empty());
  EXPECT_EQ(w.OutFld().Text(), "");
  EXPECT_EQ(Module1::dirtyData, "yes");
  Click(w.RawRadioButton());
  EXPECT_EQ(w.OutFld().Text(), Fixture("help_example_raw_report.txt"));
  // Typing alone, with no report, also goes without a question.
  Module1::dirtyc = "no";
  w.OutFld().SetText("notes");
  Click(w.ClearBtn());
  EXPECT_TRUE(Dialogs().questions.empty());
  EXPECT_EQ(w.OutFld().Text(), "");
}

TEST_F(Behaviour, ClearAfterAReportAsksAndNoChangesNothing) {
  ControlWnd& w = LoadedWindow();
  Click(w.RawRadioButton());
  const std::string text = w.OutFld().Text();
  Dialogs().answers.push_back(7);
  Click(w.ClearBtn());
  ASSERT_EQ(Dialogs().questions.size(), 1u);
  EXPECT_EQ(Dialogs().questions[0].prompt, "Are you sure you want to erase all?");
  EXPECT_EQ(Dialogs().questions[0].buttons, 36);
  EXPECT_EQ(Dialogs().questions[0].title, "");
  EXPECT_EQ(Dialogs().beeps, 1);
  EXPECT_EQ(w.OutFld().Text(), text);
  EXPECT_EQ(Module1::dirtyc, "raw");
  EXPECT_EQ(Module1::dirtyData, "yes");
  EXPECT_TRUE(w.RawRadioButton().Value());
  EXPECT_EQ(Module1::gArray.UBound(1), 9);
}

TEST_F(Behaviour, ClearAfterAReportAnsweredYesDropsTheData) {
  ControlWnd& w = LoadedWindow();
  Click(w.RawRadioButton());
  Click(w.CenterRadioButton());
  Dialogs().answers.push_back(6);
  Click(w.ClearBtn());
  EXPECT_EQ(Dialogs().beeps, 0);
  EXPECT_EQ(w.OutFld().Text(), "");
  EXPECT_EQ(Module1::dirtyc, "no");
  EXPECT_EQ(Module1::dirtyData, "no");
  EXPECT_FALSE(w.RawRadioButton().Value());
  EXPECT_FALSE(w.CenterRadioButton().Value());
  EXPECT_EQ(Module1::gArray.UBound(1), -1);
  EXPECT_EQ(Module1::gScores.UBound(1), -1);
  EXPECT_EQ(Module1::gNoCases, 9);  // the counts stay as they were
  Click(w.RawRadioButton());
  EXPECT_EQ(Dialogs().messages.back(), kNoDataMessage);
  EXPECT_EQ(w.OutFld().Text(), "");
  // A new load works as at the start.
  Load(w, WriteFile("again.txt", kHelpExample));
  Click(w.CenterRadioButton());
  EXPECT_EQ(Module1::dirtyc, "center");
}

// --- Print ----------------------------------------------------------------------------------

TEST_F(Behaviour, PrintOfAnEmptyTextBeepsAndSaysSo) {
  ControlWnd& w = MainWindow();
  Click(w.PrintBtn());
  EXPECT_EQ(Dialogs().beeps, 1);
  EXPECT_EQ(Dialogs().messages, std::vector<std::string>{"Nothing to print."});
  EXPECT_EQ(Dialogs().printDialogs, 0);
}

TEST_F(Behaviour, PrintCancelledPrintsNothing) {
  ControlWnd& w = LoadedWindow();
  Click(w.PrintBtn());  // no printer scripted: the dialog is cancelled
  EXPECT_EQ(Dialogs().printDialogs, 1);
  EXPECT_TRUE(Dialogs().messages.empty());
  EXPECT_EQ(Dialogs().beeps, 0);
}

TEST_F(Behaviour, PrintsTheReportInBlocksOfItsPage) {
  struct Case {
    const char* name;
    int lines;
  };
  for (const Case& c : {Case{"one page", 20}, Case{"many pages", 400}, Case{"blanks only", 0}}) {
    SCOPED_TRACE(c.name);
    framework::DestroyAllWindows();
    ControlWnd& w = MainWindow();
    w.OutFld().SetText(c.lines == 0 ? std::string("   \r\n\r\n") : Lines(c.lines));
    const auto log = RecordNextPrint();
    Click(w.PrintBtn());
    ASSERT_FALSE(log->blocks.empty());
    EXPECT_TRUE(log->released);  // the job ends with the handler
    EXPECT_EQ(log->pages, int(log->blocks.size()));  // a page between blocks, none after
    std::string printed;
    for (std::size_t i = 0; i < log->blocks.size(); ++i) {
      const auto& block = log->blocks[i];
      EXPECT_EQ(block.page, int(i) + 1);
      EXPECT_EQ(block.x, 0);
      EXPECT_EQ(block.y, 0);
      EXPECT_EQ(block.width, 540);
      EXPECT_EQ(block.height, 720);
      EXPECT_LE(block.usedHeight, 720);
      printed += block.text + "\n";
    }
    if (c.lines == 20) {
      EXPECT_EQ(log->blocks.size(), 1u);
    }
    if (c.lines == 400) {
      EXPECT_GT(log->blocks.size(), 2u);
      // Whole lines only: every line once, in order.
      std::string expected;
      for (int i = 1; i <= 400; ++i) expected += "line " + std::to_string(i) + "\n";
      EXPECT_EQ(printed, expected + "\n");
    }
  }
}

TEST_F(Behaviour, PrintsTheEditedTextToAPdfWithAPageEachBlock) {
  ControlWnd& w = LoadedWindow();
  Click(w.RawRadioButton());
  const auto file = folder_ / "report.pdf";
  Dialogs().printers.push_back(framework::MakePdfGraphics(file));
  Click(w.PrintBtn());
  EXPECT_EQ(PdfPages(file), 1);
  w.OutFld().SetText(w.OutFld().Text() + Lines(300));
  const auto log = RecordNextPrint();
  Click(w.PrintBtn());
  const auto many = folder_ / "many.pdf";
  Dialogs().printers.push_back(framework::MakePdfGraphics(many));
  Click(w.PrintBtn());
  EXPECT_EQ(PdfPages(many), int(log->blocks.size()));
  EXPECT_GT(log->blocks.size(), 1u);
}

// --- The title, the help button and the menus -----------------------------------------------

TEST_F(Behaviour, TheCopyrightLineShowsWhileThePointerIsOverTheTitle) {
  ControlWnd& w = MainWindow();
  EXPECT_FALSE(w.cTxt().Visible());
  QTest::mouseMove(w.DVtitle().Widget(), QPoint(100, 20));
  QTRY_VERIFY(w.cTxt().Visible());
  QTest::mouseMove(w.OutFld().Widget(), QPoint(100, 100));
  QTRY_VERIFY(!w.cTxt().Visible());
}

TEST_F(Behaviour, TheHelpButtonShowsTheDescription) {
  ControlWnd& w = MainWindow();
  Click(w.QuesBtn());
  auto* description = framework::GetImplicitWindow("DescriptionWnd.DescriptionWnd");
  ASSERT_NE(description, nullptr);
  EXPECT_TRUE(description->Visible());
  EXPECT_FALSE(w.QuesBtn_MouseDown(w.QuesBtn(), 0, 0));
}

TEST_F(Behaviour, EachWindowInFrontEnablesAndAnswersItsItems) {
  ControlWnd& main = MainWindow();
  main.PrepareMenus();
  EXPECT_FALSE(ControlMenuItem().Enabled);
  EXPECT_TRUE(DescriptionMenuItem().Enabled);
  EXPECT_TRUE(AboutMenuItem().Enabled);
  EXPECT_FALSE(FilePrint().Enabled);
  main.ChooseMenuItem(DescriptionMenuItem());
  DescriptionWnd& description = DescriptionWnd::implicitInstance();
  ASSERT_TRUE(QTest::qWaitForWindowActive(description.Widget()));
  description.PrepareMenus();
  EXPECT_TRUE(ControlMenuItem().Enabled);
  EXPECT_TRUE(AboutMenuItem().Enabled);
  EXPECT_TRUE(FilePrint().Enabled);
  EXPECT_FALSE(description.HasMenuHandler("DescriptionMenuItem"));
  description.ChooseMenuItem(ControlMenuItem());
  ASSERT_TRUE(QTest::qWaitForWindowActive(main.Widget()));
  EXPECT_TRUE(description.Visible());  // it stays open behind the main window
  // The main window in front again resets Print, which only the Description window enables.
  main.PrepareMenus();
  EXPECT_FALSE(FilePrint().Enabled);
  description.ChooseMenuItem(AboutMenuItem());
  EXPECT_TRUE(AboutWnd::implicitInstance().Visible());
  for (bool result : {main.DescriptionMenuItem_Action(), main.AboutMenuItem_Action(),
                      description.ControlMenuItem_Action(), description.AboutMenuItem_Action()}) {
    EXPECT_FALSE(result);
  }
}

// Every way the program brings a window to the front also brings it back when the user has
// minimised it.
TEST_F(Behaviour, BringingAWindowToTheFrontRestoresItWhenMinimised) {
  struct Path {
    const char* name;
    const char* minimised;  // the class of the window that is minimised and brought back
    std::function<void(ControlWnd&, DescriptionWnd&)> bringBack;
  };
  const Path paths[] = {
      {"Window > Control", "ControlWnd.ControlWnd",
       [](ControlWnd&, DescriptionWnd& d) { d.ChooseMenuItem(ControlMenuItem()); }},
      {"Window > Description", "DescriptionWnd.DescriptionWnd",
       [](ControlWnd& w, DescriptionWnd&) { w.ChooseMenuItem(DescriptionMenuItem()); }},
      {"the help button", "DescriptionWnd.DescriptionWnd",
       [](ControlWnd& w, DescriptionWnd&) { Click(w.QuesBtn()); }},
      {"the About window's key", "ControlWnd.ControlWnd",
       [](ControlWnd&, DescriptionWnd&) {
         AboutWnd& about = AboutWnd::implicitInstance();
         about.Show();
         QTest::keyClick(about.Widget(), Qt::Key_Space);
       }},
      {"the About window's timer", "ControlWnd.ControlWnd",
       [](ControlWnd&, DescriptionWnd&) {
         AboutWnd::implicitInstance().Timer1().Raise(framework::Events::TimerAction);
       }},
  };
  for (const Path& path : paths) {
    SCOPED_TRACE(path.name);
    ControlWnd& w = MainWindow();
    DescriptionWnd& d = DescriptionWnd::implicitInstance();
    d.Show();
    framework::Window* window = framework::GetImplicitWindow(path.minimised);
    ASSERT_NE(window, nullptr);
    window->Widget()->showMinimized();
    QCoreApplication::processEvents();  // the user minimises long before the window comes back
    ASSERT_TRUE(window->Widget()->isMinimized());
    path.bringBack(w, d);
    EXPECT_FALSE(window->Widget()->isMinimized());
    EXPECT_TRUE(window->Visible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window->Widget()));
  }
}

TEST_F(Behaviour, ClosingTheDescriptionDisablesPrint) {
  MainWindow();
  DescriptionWnd& description = DescriptionWnd::implicitInstance();
  description.Show();
  description.PrepareMenus();
  ASSERT_TRUE(FilePrint().Enabled);
  description.Close();
  EXPECT_FALSE(FilePrint().Enabled);
  EXPECT_FALSE(framework::QuitRequested());
}

// --- The Description window -----------------------------------------------------------------

TEST_F(Behaviour, TheDescriptionBoldsTheFirst29Characters) {
  DescriptionWnd& d = DescriptionWnd::implicitInstance();
  EXPECT_EQ(d.Title(), "Description");
  EXPECT_TRUE(d.Resizeable());
  EXPECT_TRUE(d.DescribeFld().ReadOnly());
  EXPECT_FALSE(d.DescribeFld2().ReadOnly());
  EXPECT_EQ(d.DescribeFld().Text(), "\r\n");
  EXPECT_EQ(d.DescribeFld2().Text().substr(0, 36), "Dalvenquist Regression Bias Analysis");
  EXPECT_EQ(d.DescribeFld2().Widget()->parentWidget(), d.DescribeFld().Widget());
  QTextCursor cursor(static_cast<QPlainTextEdit*>(d.DescribeFld2().Widget())->document());
  for (int position = 1; position <= 40; ++position) {
    cursor.setPosition(position);  // the format of the character before the position
    EXPECT_EQ(cursor.charFormat().fontWeight() == QFont::Bold, position <= 29) << position;
  }
}

// How many pixels of the text area's first line show a selection colour.
int SelectionPixelsInTheFirstLine(framework::TextArea& area) {
  auto* edit = static_cast<QPlainTextEdit*>(area.Widget());
  const QImage image = edit->viewport()->grab().toImage();
  const QPalette standard = QApplication::palette(edit);
  const QRgb focused = standard.color(QPalette::Active, QPalette::Highlight).rgb();
  const QRgb unfocused = standard.color(QPalette::Inactive, QPalette::Highlight).rgb();
  const int firstLine = int(edit->document()->documentMargin()) + edit->fontMetrics().lineSpacing();
  int count = 0;
  for (int y = 0; y < std::min(firstLine, image.height()); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y) & RGB_MASK;
      if (pixel == (focused & RGB_MASK) || pixel == (unfocused & RGB_MASK)) ++count;
    }
  }
  return count;
}

// The bold title run stays selected after the window opens; the help text hides that
// selection while it does not have the focus, and shows it again when it gets the focus.
TEST_F(Behaviour, TheDescriptionShowsItsSelectionOnlyWithTheFocus) {
  ControlWnd& main = MainWindow();
  DescriptionWnd& d = DescriptionWnd::implicitInstance();
  d.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(d.Widget()));
  ASSERT_TRUE(d.DescribeFld2().HideSelection());
  ASSERT_EQ(d.DescribeFld2().SelectionLength(), 29);
  main.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main.Widget()));
  ASSERT_FALSE(d.DescribeFld2().Widget()->hasFocus());
  EXPECT_EQ(SelectionPixelsInTheFirstLine(d.DescribeFld2()), 0);
  d.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(d.Widget()));
  d.DescribeFld2().Widget()->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return d.DescribeFld2().Widget()->hasFocus(); }));
  EXPECT_GT(SelectionPixelsInTheFirstLine(d.DescribeFld2()), 100);
  // Within the window too: the focus on another control hides it again.
  d.DescribeFld().Widget()->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !d.DescribeFld2().Widget()->hasFocus(); }));
  EXPECT_EQ(SelectionPixelsInTheFirstLine(d.DescribeFld2()), 0);
}

TEST_F(Behaviour, TheDescriptionKeepsItsEditsUntilItCloses) {
  DescriptionWnd& d = DescriptionWnd::implicitInstance();
  const std::string original = d.DescribeFld2().Text();
  d.DescribeFld2().SetText(original + " my remark");
  EXPECT_EQ(&DescriptionWnd::implicitInstance(), &d);
  EXPECT_EQ(DescriptionWnd::implicitInstance().DescribeFld2().Text(), original + " my remark");
  d.Close();
  QCoreApplication::processEvents();
  DescriptionWnd& fresh = DescriptionWnd::implicitInstance();
  EXPECT_EQ(fresh.DescribeFld2().Text(), original);
  fresh.DescribeFld2().SetSelectionStart(0);
  QTextCursor cursor(static_cast<QPlainTextEdit*>(fresh.DescribeFld2().Widget())->document());
  cursor.setPosition(5);
  EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
}

TEST_F(Behaviour, TheDescriptionPrintsItsHelpTextInBlocksInsideThePage) {
  DescriptionWnd& d = DescriptionWnd::implicitInstance();
  d.Show();
  const auto log = RecordNextPrint();
  d.ChooseMenuItem(FilePrint());
  ASSERT_GT(log->blocks.size(), 1u);
  EXPECT_EQ(log->pages, int(log->blocks.size()));
  for (const auto& block : log->blocks) {
    EXPECT_EQ(block.x, 36);
    EXPECT_EQ(block.y, 36);
    EXPECT_EQ(block.width, 492);
    EXPECT_EQ(block.height, 600);
    EXPECT_LE(block.usedHeight, 600);
  }
  EXPECT_EQ(log->blocks[0].text.substr(0, 36), "Dalvenquist Regression Bias Analysis");
  // Cancelled: nothing; an emptied text: the dialog, then no block.
  EXPECT_FALSE(d.FilePrint_Action());
  d.DescribeFld2().SetText("");
  const auto empty = RecordNextPrint();
  EXPECT_FALSE(d.FilePrint_Action());
  EXPECT_TRUE(empty->blocks.empty());
  EXPECT_EQ(Dialogs().printDialogs, 3);
  const auto pdf = folder_ / "help.pdf";
  DescriptionWnd::implicitInstance().Close();
  QCoreApplication::processEvents();
  Dialogs().printers.push_back(framework::MakePdfGraphics(pdf));
  DescriptionWnd::implicitInstance().FilePrint_Action();
  EXPECT_EQ(PdfPages(pdf), int(log->blocks.size()));
}

TEST_F(Behaviour, ResizingTheDescriptionResizesBothAreas) {
  DescriptionWnd& d = DescriptionWnd::implicitInstance();
  d.Show();
  EXPECT_EQ(d.DescribeFld().Widget()->geometry(), QRect(-1, -1, 480, 547));
  EXPECT_EQ(d.DescribeFld2().Widget()->geometry(), QRect(-1, -1, 479, 545));
  d.Widget()->resize(400, 350);
  QCoreApplication::processEvents();
  const QSize content = d.ContentArea()->size();
  ASSERT_EQ(content.width(), 400);
  ASSERT_LT(content.height(), 350);
  // Both keep their distances to the four edges: 1 beyond left and top, 1 and 13 inside the
  // right and bottom edges for the outer area, 2 and 15 for the inner one.
  EXPECT_EQ(d.DescribeFld().Widget()->geometry(),
            QRect(-1, -1, content.width(), content.height() - 13));
  EXPECT_EQ(d.DescribeFld2().Widget()->geometry(),
            QRect(-1, -1, content.width() - 1, content.height() - 15));
}

}  // namespace
