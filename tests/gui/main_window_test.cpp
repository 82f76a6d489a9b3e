#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <regex>

#include "analysis/data_loader.hpp"
#include "analysis/module1.hpp"
#include "program_test.hpp"
#include "shell/app.hpp"
#include "support/load_driver.hpp"

namespace {

class MainWindowTest : public ProgramTest {
 protected:
  std::string OutText() { return ControlWnd::implicitInstance().OutFld().Text(); }
};

// --- Layout ---------------------------------------------------------------------------------

struct ControlRow {
  const char* name;
  const char* className;
  int left, top, width, height;
  const char* caption;
  bool visible, enabled;
  int tabIndex;
  bool tabStop;
};

TEST_F(MainWindowTest, BuildsEveryControlWhereTheLayoutPutsIt) {
  const ControlRow rows[] = {
      {"DVtitle", "Canvas", 1, 0, 555, 59, "", true, true, 0, false},
      {"ClearBtn", "PushButton", 20, 530, 90, 30, "Clear", true, true, 4, true},
      {"Col1", "Label", 138, 240, 28, 15, "", false, false, 7, true},
      {"OutFld", "TextArea", 20, 200, 520, 300, "", true, true, 8, false},
      {"cTxt", "Label", 1, 54, 555, 20, kCopyrightNotice, false, true, 9, false},
      {"LoadBtn", "BevelButton", 20, 140, 120, 50, "Load Data", true, true, 1, false},
      {"QuesBtn", "Canvas", 259, 531, 42, 23, "", true, true, 6, false},
      {"PrintBtn", "PushButton", 450, 530, 90, 30, "Print", true, true, 5, true},
      {"BevelButton1", "BevelButton", 215, 140, 168, 50, "Compute Statistics", true, true, 12,
       false},
      {"RawRadioButton", "RadioButton", 388, 140, 90, 20, "Raw data", true, true, 13, true},
      {"CenterRadioButton", "RadioButton", 388, 172, 100, 20, "X Centered", true, true, 14, true},
  };
  ControlWnd& w = ControlWnd::implicitInstance();
  ASSERT_EQ(w.Controls().size(), std::size(rows));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const ControlRow& row = rows[i];
    SCOPED_TRACE(row.name);
    auto& control = framework::RuntimeCheckCast<framework::RectControl>(w.Controls()[i].get());
    EXPECT_EQ(control.Name(), row.name);  // created in table order
    EXPECT_STREQ(control.ClassName(), row.className);
    EXPECT_EQ(control.Widget()->geometry(), QRect(row.left, row.top, row.width, row.height));
    EXPECT_EQ(control.Visible(), row.visible);
    EXPECT_EQ(control.Enabled(), row.enabled);
    EXPECT_EQ(control.TabIndex(), row.tabIndex);
    EXPECT_EQ(control.TabStop(), row.tabStop);
    EXPECT_EQ(control.Index(), framework::kNoControlIndex);
    EXPECT_EQ(control.LockLeft(), i >= 8);
    EXPECT_EQ(control.LockTop(), i >= 8);
    EXPECT_FALSE(control.LockRight());
    EXPECT_FALSE(control.LockBottom());
    QString caption;
    if (auto* button = qobject_cast<QAbstractButton*>(control.Widget())) caption = button->text();
    if (auto* label = qobject_cast<QLabel*>(control.Widget())) caption = label->text();
    EXPECT_EQ(caption.toStdString(), row.caption);
  }
}

TEST_F(MainWindowTest, HasItsWindowAttributesFontsAndPictures) {
  ControlWnd& w = ControlWnd::implicitInstance();
  EXPECT_EQ(w.Title(), "Dalvenquist");
  EXPECT_EQ(w.ContentArea()->size(), QSize(560, 580));
  EXPECT_FALSE(w.Resizeable());
  EXPECT_TRUE(w.HasCloseButton());
  EXPECT_FALSE(w.HasMaximizeButton());
  EXPECT_TRUE(w.HasMinimizeButton());
  EXPECT_EQ(w.BackgroundColor(), (framework::Color{0xFF, 0xFF, 0xFF, 0x00}));
  EXPECT_TRUE(w.Visible());

  EXPECT_EQ(w.OutFld().FontName(), "Courier");
  EXPECT_TRUE(QFontInfo(w.OutFld().Widget()->font()).fixedPitch());
  EXPECT_EQ(w.OutFld().FontSize(), 10);
  EXPECT_FALSE(w.OutFld().ReadOnly());
  EXPECT_EQ(w.OutFld().Text(), "");
  EXPECT_EQ(w.ClearBtn().FontName(), "Times");
  EXPECT_TRUE(w.ClearBtn().Bold());
  EXPECT_TRUE(w.ClearBtn().Default());
  EXPECT_TRUE(w.PrintBtn().Default());
  EXPECT_EQ(w.LoadBtn().FontName(), "System");
  EXPECT_EQ(w.LoadBtn().FontSize(), 12);
  EXPECT_FALSE(w.RawRadioButton().Value());
  EXPECT_FALSE(w.CenterRadioButton().Value());
  EXPECT_FALSE(w.RawRadioButton().Bold());
  EXPECT_EQ(w.cTxt().TextAlignment(), 2);
  EXPECT_EQ(w.cTxt().TextColor(), (framework::Color{0x80, 0x00, 0x00, 0x00}));
  EXPECT_EQ(w.Col1().TextColor(), (framework::Color{0x00, 0x00, 0x80, 0x00}));

  ASSERT_TRUE(w.DVtitle().Backdrop());
  EXPECT_EQ(w.DVtitle().Backdrop()->Width(), 555);
  EXPECT_EQ(w.DVtitle().Backdrop()->Height(), 59);
  ASSERT_TRUE(w.QuesBtn().Backdrop());
  EXPECT_EQ(w.QuesBtn().Backdrop()->Width(), 42);
  EXPECT_TRUE(w.LoadBtn().Icon());
  EXPECT_TRUE(w.BevelButton1().Icon());
}

TEST_F(MainWindowTest, AccessorsOfANilWindowFail) {
  EXPECT_THROW(ControlOf<framework::TextArea>(nullptr, "OutFld"), framework::NilObjectException);
  EXPECT_THROW(ControlOf<framework::TextArea>(&ControlWnd::implicitInstance(), "ClearBtn"),
               framework::IllegalCastException);
}

TEST_F(MainWindowTest, ComputeStatisticsDoesNothing) {
  ControlWnd& w = ControlWnd::implicitInstance();
  QTest::mouseClick(w.BevelButton1().Widget(), Qt::LeftButton);
  EXPECT_EQ(OutText(), "");
  EXPECT_TRUE(Dialogs().messages.empty());
  EXPECT_EQ(Module1::dirtyc, "no");
}

// --- Loading --------------------------------------------------------------------------------

struct LoadEnd {
  const char* name;
  std::string file;  // "" : the dialog is cancelled
  std::vector<std::string> messages;
  bool good;
};

TEST_F(MainWindowTest, EndsEveryLoadAsItsFileDemands) {
  const LoadEnd ends[] = {
      {"cancelled", "", {}, false},
      {"too few cases", "1\t1\t1\n2\t2\t2\n", {kCaseCountMessage}, false},
      {"empty", "", {}, false},
      {"one group", "1\t1\t1\n1\t2\t2\n1\t3\t4\n", {kCategoryCountMessage}, false},
      {"bad fields", "1\t1\n2\t2\t2\n2\t3\t4\n", {kFieldCountWarning}, true},
      {"bad code", "1\t1\t1\n12\t2\t2\n2\t3\t4\n", {BadGroupCodeMessage(2, 12)}, false},
      {"good", kHelpExample, {}, true},
  };
  ControlWnd& w = MainWindow();
  for (const LoadEnd& end : ends) {
    SCOPED_TRACE(end.name);
    Dialogs().messages.clear();
    const std::string before = OutText();
    w.RawRadioButton().SetValue(true);
    std::optional<std::filesystem::path> file;
    if (std::string(end.name) == "empty") {
      file = WriteFile("empty.txt", "");
    } else if (!end.file.empty()) {
      file = WriteFile(std::string(end.name) + ".txt", end.file);
    }
    Load(w, file);
    std::vector<std::string> expected = end.messages;
    if (std::string(end.name) == "empty") expected = {kFieldCountWarning, kCaseCountMessage};
    EXPECT_EQ(Dialogs().messages, expected);
    EXPECT_EQ(Module1::dirtyData, end.good ? "yes" : "no");
    EXPECT_EQ(Module1::dirtyc, "no");
    EXPECT_FALSE(w.RawRadioButton().Value());
    EXPECT_FALSE(w.CenterRadioButton().Value());
    if (end.good) {
      EXPECT_GT(OutText().size(), before.size());
      EXPECT_EQ(OutText().substr(0, before.size()), before);  // appended, nothing cleared
    } else {
      EXPECT_EQ(OutText(), before);
    }
  }
}

TEST_F(MainWindowTest, AMissingOrUnreadableFileEndsAsAFailedLoad) {
  ControlWnd& w = MainWindow();
  Load(w, folder_ / "gone.txt");
  EXPECT_TRUE(Dialogs().messages.empty());  // a file that does not exist ends silently
  Load(w, folder_);                          // a folder cannot be read as a text file
  ASSERT_EQ(Dialogs().messages.size(), 1u);
  EXPECT_NE(Dialogs().messages[0].find("could not be read"), std::string::npos);
  EXPECT_EQ(Module1::dirtyData, "no");
  EXPECT_EQ(OutText(), "");
}

TEST_F(MainWindowTest, ListsTheLoadedCasesWithTheFileNameAndTheMoment) {
  ControlWnd& w = MainWindow();
  Load(w, WriteFile("nine.txt", kHelpExample));
  const std::string text = OutText();
  const std::regex listing(
      "Date: [^\r\n]+  [0-9]{1,2}:[0-9]{2}\r\nFile: nine\\.txt\r\n Case   Category    X        Y\r\n"
      "   1\\.      1       99      100\r\n(.*\r\n){7}   9\\.      2       99      105\r\n");
  EXPECT_TRUE(std::regex_match(text, listing)) << text;
  Load(w, WriteFile("again.txt", kHelpExample));
  EXPECT_NE(OutText().find("File: again.txt"), std::string::npos);
  EXPECT_EQ(OutText().substr(0, text.size()), text);
}

TEST_F(MainWindowTest, StampsTheListingWithTheMomentItIsBuilt) {
  using namespace std::chrono;
  const sys_seconds pressed = sys_days{year{2026} / 12 / 10} + hours{9} + minutes{30} + seconds{20};
  sys_seconds moment = pressed;
  framework::SetClock([&moment] { return moment; });
  // The user keeps the field-count warning open across a minute.
  Dialogs().whileMessageShown = [&moment](const std::string&) { moment += minutes{1}; };
  ControlWnd& w = MainWindow();
  Load(w, WriteFile("four.txt", std::string("1\t99\t100\t7\n") + kHelpExample));
  ASSERT_EQ(Dialogs().messages, std::vector<std::string>{kFieldCountWarning});
  const framework::Date built(moment);
  ASSERT_NE(built.ShortTime(), framework::Date(pressed).ShortTime());
  const std::string dateLine = "Date: " + built.ShortDate() + "  " + built.ShortTime() + "\r\n";
  EXPECT_EQ(OutText().substr(0, dateLine.size()), dateLine);
}

// --- The analyses ---------------------------------------------------------------------------

TEST_F(MainWindowTest, AppendsTheGoldenReportsOfTheHelpExample) {
  ControlWnd& w = MainWindow();
  Load(w, WriteFile("help.txt", Fixture("help_example.txt")));
  const std::string listing = OutText();
  Click(w.RawRadioButton());
  EXPECT_TRUE(w.RawRadioButton().Value());
  Click(w.CenterRadioButton());
  EXPECT_TRUE(w.CenterRadioButton().Value());
  EXPECT_EQ(OutText(), listing + Fixture("help_example_raw_report.txt") +
                           Fixture("help_example_centered_report.txt"));
  EXPECT_EQ(Module1::dirtyc, "rawcenter");
  EXPECT_TRUE(Dialogs().messages.empty());
}

// What each sequence of clicks appends: L a listing, r the raw report, c the centred one.
TEST_F(MainWindowTest, RunsEachVariantOncePerDataSet) {
  struct Sequence {
    const char* clicks;  // r: raw, c: centred, l: load again
    const char* appended;
    const char* finalState;
  };
  const Sequence sequences[] = {
      {"r", "Lr", "raw"},         {"rr", "Lr", "raw"},          {"rc", "Lrc", "rawcenter"},
      {"cr", "Lcr", "rawcenter"}, {"rcrc", "Lrc", "rawcenter"}, {"rlr", "LrLr", "raw"},
      {"c", "Lc", "center"},      {"rcl", "LrcL", "no"},
  };
  const auto file = WriteFile("help.txt", Fixture("help_example.txt"));
  for (const Sequence& s : sequences) {
    SCOPED_TRACE(s.clicks);
    framework::DestroyAllWindows();
    ControlWnd& w = MainWindow();
    Load(w, file);
    for (const char* c = s.clicks; *c != '\0'; ++c) {
      if (*c == 'r') Click(w.RawRadioButton());
      if (*c == 'c') Click(w.CenterRadioButton());
      if (*c == 'l') Load(w, file);
    }
    std::string appended;
    const std::string text = OutText();
    for (std::size_t at = 0; at < text.size();) {
      const std::size_t end = std::min(text.find("\r\n", at), text.size());
      const std::string line = text.substr(at, end - at);
      if (line.rfind("File: ", 0) == 0) appended += 'L';
      if (line == "Based on raw data") appended += 'r';
      if (line == "Based on grand mean centering of X") appended += 'c';
      at = end + 2;
    }
    EXPECT_EQ(appended, s.appended);
    EXPECT_EQ(Module1::dirtyc, s.finalState);
  }
}

TEST_F(MainWindowTest, RefusesToAnalyseWithoutData) {
  ControlWnd& w = MainWindow();
  for (framework::RadioButton* button : {&w.RawRadioButton(), &w.CenterRadioButton()}) {
    Dialogs().messages.clear();
    Click(*button);
    EXPECT_EQ(Dialogs().messages, std::vector<std::string>{kNoDataMessage});
    EXPECT_FALSE(button->Value());  // the message took the click
  }
  EXPECT_EQ(OutText(), "");
  EXPECT_EQ(Module1::dirtyc, "no");
  // A good load followed by a cancelled one leaves no usable data, though the listing stays.
  Load(w, WriteFile("help.txt", kHelpExample));
  const std::string listing = OutText();
  Load(w, std::nullopt);
  Dialogs().messages.clear();
  Click(w.RawRadioButton());
  EXPECT_EQ(Dialogs().messages, std::vector<std::string>{kNoDataMessage});
  EXPECT_EQ(OutText(), listing);
  EXPECT_EQ(Module1::gNoCases, 9);
}

TEST_F(MainWindowTest, KeepsWhatTheUserTypedInFrontOfTheReport) {
  ControlWnd& w = MainWindow();
  Load(w, WriteFile("help.txt", kHelpExample));
  auto* edit = static_cast<QPlainTextEdit*>(w.OutFld().Widget());
  edit->moveCursor(QTextCursor::End);
  QTest::keyClicks(edit, "my note");
  const std::string typed = OutText();
  EXPECT_NE(typed.find("my note"), std::string::npos);
  Click(w.RawRadioButton());
  EXPECT_EQ(OutText(), typed + Fixture("help_example_raw_report.txt"));
}

TEST_F(MainWindowTest, StaysWholeOnALargeLoad) {
  std::string file;
  for (int i = 0; i < 9999; ++i) {
    file += std::to_string(1 + i % 9) + "\t" + std::to_string(40 + i % 37) + "\t" +
            std::to_string(50 + i % 23) + "\n";
  }
  ControlWnd& w = MainWindow();
  Load(w, WriteFile("large.txt", file));
  Click(w.RawRadioButton());
  Click(w.CenterRadioButton());
  const std::string text = OutText();
  EXPECT_NE(text.find("\r\n9999.      9"), std::string::npos);
  EXPECT_NE(text.find("Number of cases:  9999\r\nNumber of groups: 9\r\nBased on raw data"),
            std::string::npos);
  EXPECT_NE(text.find("Based on grand mean centering of X"), std::string::npos);
  EXPECT_EQ(Module1::dirtyc, "rawcenter");
}

}  // namespace
