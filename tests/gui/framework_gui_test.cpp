#include <QCloseEvent>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QWindow>
#include <cstring>

#include "framework/core/event_loop.hpp"
#include "framework/gui/application.hpp"
#include "framework/gui/controls.hpp"
#include "framework/gui/picture.hpp"
#include "framework/gui/properties.hpp"
#include "framework/gui/window.hpp"
#include "program_test.hpp"
#include "shell/pictures.hpp"

namespace {

using framework::AttributeBlock;
using framework::PropertyValue;

// Records every setting it is given, in order.
class RecordingTarget : public framework::PropertyTarget {
 public:
  std::vector<std::pair<std::string, PropertyValue>> settings;
  bool textValue = false;
  void SetProperty(const std::string& name, const PropertyValue& value) override {
    if (name == "Tooltip" && std::get<std::string>(value) == "refuse") {
      throw framework::RuntimeException("refused");
    }
    settings.emplace_back(name, value);
  }
  bool ValueIsText() const override { return textValue; }
  const char* ClassName() const override { return "RecordingTarget"; }
};

TEST(AttributeBlocks, ApplyEverySettingInBlockOrderWithItsType) {
  const std::string block = AttributeBlock()
                                .Integer("Left", -7)
                                .Boolean("Transparent", true)
                                .Text("Caption", "Raw data")
                                .Colour("TextColor", 0x80, 0, 0, 0)
                                .Single("FontSize", 14.5f)
                                .Double("LineSpacing", 1.25)
                                .Byte("FontUnit", 2)
                                .Boolean("Transparent", true)
                                .Integer("Index", framework::kNoControlIndex)
                                .Bytes();
  RecordingTarget target;
  framework::SetProperties(target, block);
  ASSERT_EQ(target.settings.size(), 9u);
  EXPECT_EQ(target.settings[0], (std::pair<std::string, PropertyValue>{"Left", int64_t{-7}}));
  EXPECT_EQ(target.settings[1].second, PropertyValue(true));
  EXPECT_EQ(target.settings[2].second, PropertyValue(std::string("Raw data")));
  EXPECT_EQ(target.settings[3].second, PropertyValue(framework::Color{0x80, 0, 0, 0}));
  EXPECT_EQ(target.settings[4].second, PropertyValue(14.5f));
  EXPECT_EQ(target.settings[5].second, PropertyValue(1.25));
  EXPECT_EQ(target.settings[6].second, PropertyValue(uint8_t{2}));
  EXPECT_EQ(target.settings[7].first, "Transparent");  // a name that stands twice, twice
  EXPECT_EQ(target.settings[8].second, PropertyValue(int64_t{-2147483648LL}));
}

TEST(AttributeBlocks, UseTheExactByteFormat) {
  const std::string block = AttributeBlock().Integer("Top", 140).Text("Name", "Ab").Bytes();
  const std::string expected = std::string("Top \x8C\0\0\0\0\0\0\0", 12) +
                               std::string("Name \x02\0\0\0Ab", 11);
  EXPECT_EQ(block, expected);
}

TEST(AttributeBlocks, ReadValueByTheClassOfTheTarget) {
  RecordingTarget state;
  framework::SetProperties(state, AttributeBlock().Boolean("Value", true).Bytes());
  EXPECT_EQ(state.settings.at(0).second, PropertyValue(true));
  RecordingTarget text;
  text.textValue = true;
  framework::SetProperties(text, AttributeBlock().Text("Value", "abc").Bytes());
  EXPECT_EQ(text.settings.at(0).second, PropertyValue(std::string("abc")));
}

TEST(AttributeBlocks, FailOnAnUnknownNameOrAValueCutShort) {
  const std::string good = AttributeBlock().Integer("Width", 5).Bytes();
  const std::vector<std::string> bad = {
      AttributeBlock().Integer("Wdth", 5).Bytes(),
      good.substr(0, good.size() - 1),
      AttributeBlock().Text("Title", "abc").Bytes().substr(0, 10),
      std::string("Width"),
      std::string(" \x01", 2),
  };
  for (const std::string& block : bad) {
    RecordingTarget target;
    EXPECT_THROW(framework::SetProperties(target, block), framework::RuntimeException)
        << testing::PrintToString(block);
  }
  // A failure stops the block at that setting; what came before stays applied.
  RecordingTarget target;
  const std::string stops =
      AttributeBlock().Integer("Left", 1).Text("Tooltip", "refuse").Integer("Top", 2).Bytes();
  EXPECT_THROW(framework::SetProperties(target, stops), framework::RuntimeException);
  EXPECT_EQ(target.settings.size(), 1u);
}

class FrameworkGui : public ProgramTest {};

TEST_F(FrameworkGui, AControlRefusesAPropertyOrAnEventItDoesNotHave) {
  ControlWnd& w = MainWindow();
  EXPECT_THROW(framework::SetProperties(w.ClearBtn(), AttributeBlock().Text("Title", "x").Bytes()),
               framework::RuntimeException);
  EXPECT_THROW(w.ClearBtn().AddHandler(framework::Events::RadioMouseDown,
                                       [](const framework::ControlEvent&) { return false; }),
               framework::RuntimeException);
  EXPECT_THROW(w.New(framework::ControlClass::Label)->SetProperty("Caption", std::string("x")),
               framework::RuntimeException);
}

TEST_F(FrameworkGui, ReportsAnExceptionThatEscapesAHandlerAndGoesOn) {
  ControlWnd& w = MainWindow();
  w.ClearBtn().AddHandler(framework::Events::Action, [](const framework::ControlEvent&) -> bool {
    throw framework::NilObjectException("no such object");
  });
  Click(w.ClearBtn());
  ASSERT_EQ(Dialogs().messages.size(), 1u);
  EXPECT_NE(Dialogs().messages[0].find("NilObjectException"), std::string::npos);
  // The window goes on working.
  Click(w.RawRadioButton());
  EXPECT_EQ(Dialogs().messages.back(), kNoDataMessage);
}

TEST_F(FrameworkGui, AHandlerOfAClosedWindowIsANilObject) {
  ControlWnd& w = MainWindow();
  bool called = false;
  auto handler = framework::BindToWindow<ControlWnd>(
      w, [&called](ControlWnd&, const framework::ControlEvent&) { return called = true; });
  framework::DestroyAllWindows();
  framework::Canvas orphanHost(AboutWnd::implicitInstance());
  EXPECT_THROW(handler(framework::ControlEvent{orphanHost}), framework::NilObjectException);
  EXPECT_FALSE(called);
}

// A close request from the window manager, handled at a yield inside a long loop of one of
// the window's own handlers: the Close event runs then, and the program is asked to end, but
// the window stays whole until the handler has returned.
TEST_F(FrameworkGui, AWindowClosedDuringItsOwnHandlerEndsAfterTheHandler) {
  ControlWnd& w = MainWindow();
  const QPointer<QWidget> widget = w.Widget();
  bool closedDuringYield = false;
  bool wholeAfterYield = false;
  std::string readAfterYield;
  w.PrintBtn().AddHandler(framework::Events::Action, [&](const framework::ControlEvent&) {
    QCoreApplication::postEvent(w.Widget()->windowHandle(), new QCloseEvent);
    QElapsedTimer waited;
    waited.start();
    while (framework::GetImplicitWindow("ControlWnd.ControlWnd") != nullptr &&
           waited.elapsed() < 5000) {
      framework::YieldToEventLoop();
    }
    closedDuringYield = framework::GetImplicitWindow("ControlWnd.ControlWnd") == nullptr &&
                        framework::QuitRequested();
    // Yield on for a while, as a long print does after the close.
    for (int pass = 0; pass < 20; ++pass) {
      QTest::qWait(10);
      framework::YieldToEventLoop();
    }
    wholeAfterYield = !widget.isNull();
    readAfterYield = w.OutFld().Text();
    return false;
  });
  w.OutFld().SetText("report");
  Click(w.PrintBtn());
  EXPECT_TRUE(closedDuringYield);
  EXPECT_TRUE(wholeAfterYield);
  EXPECT_EQ(readAfterYield, "report");
  // Once the handler has returned, the window ends.
  EXPECT_TRUE(QTest::qWaitFor([&] { return widget.isNull(); }, 5000));
}

TEST_F(FrameworkGui, ChecksTheClassOfACast) {
  ControlWnd& w = MainWindow();
  framework::Control* label = w.ControlByName("cTxt");
  EXPECT_NO_THROW(framework::RuntimeCheckCast<framework::Label>(label));
  EXPECT_THROW(framework::RuntimeCheckCast<framework::TextArea>(label), framework::IllegalCastException);
  EXPECT_THROW(framework::RuntimeCheckCast<framework::Label>(w.ControlByName("nothing")),
               framework::NilObjectException);
}

TEST_F(FrameworkGui, ATextAreaHandsOutCrLfWhateverItWasGiven) {
  ControlWnd& w = MainWindow();
  framework::TextArea& area = w.OutFld();
  area.SetText("a\nb\rc\r\nd");
  EXPECT_EQ(area.Text(), "a\r\nb\r\nc\r\nd");
  area.SetText(area.Text() + "\r\ne");
  EXPECT_EQ(area.Text(), "a\r\nb\r\nc\r\nd\r\ne");
  EXPECT_EQ(static_cast<QPlainTextEdit*>(area.Widget())->toPlainText(), "a\nb\nc\nd\ne");
  area.SetText("x");
  EXPECT_EQ(area.Text(), "x");
  area.SetText("");
  EXPECT_EQ(area.Text(), "");
}

TEST_F(FrameworkGui, ATextAreaSeesTheUsersEdits) {
  ControlWnd& w = MainWindow();
  framework::TextArea& area = w.OutFld();
  area.SetText("line one\r\n");
  static_cast<QPlainTextEdit*>(area.Widget())->setPlainText("typed\nover");
  EXPECT_EQ(area.Text(), "typed\r\nover");
  area.SetText(area.Text() + " more");
  EXPECT_EQ(static_cast<QPlainTextEdit*>(area.Widget())->toPlainText(), "typed\nover more");
}

TEST_F(FrameworkGui, ATextAreaMakesItsSelectionBold) {
  ControlWnd& w = MainWindow();
  framework::TextArea& area = w.OutFld();
  area.SetText("Dalvenquist Regression Bias Analysis\r\n\r\nmore");
  area.SetSelectionStart(0);
  area.SetSelectionLength(29);
  area.SetSelBold(true);
  EXPECT_EQ(area.SelectionStart(), 0);
  EXPECT_EQ(area.SelectionLength(), 29);
  QTextCursor cursor(static_cast<QPlainTextEdit*>(area.Widget())->document());
  cursor.setPosition(29);
  EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);  // the format before position 29
  cursor.setPosition(30);
  EXPECT_NE(cursor.charFormat().fontWeight(), QFont::Bold);
  EXPECT_EQ(area.Text(), "Dalvenquist Regression Bias Analysis\r\n\r\nmore");
}

TEST_F(FrameworkGui, AControlLockedToOppositeEdgesFollowsItsWindow) {
  AboutWnd& about = AboutWnd::implicitInstance();
  about.Widget()->resize(about.Widget()->width() + 40, about.Widget()->height() + 20);
  QCoreApplication::processEvents();
  // The notice is locked to all four edges, the picture to none.
  EXPECT_EQ(about.StaticText1().Widget()->geometry(), QRect(3, 245, 325 + 40, 14 + 20));
  EXPECT_EQ(about.Canvas1().Widget()->geometry(), QRect(10, 10, 309, 229));
}

// The picture caches last for the run, so this needs a process of its own, as ctest gives
// every test.
TEST_F(FrameworkGui, PicturesAreReadOnceAndRetriedWhileMissing) {
  const auto folders = framework::ResourceFolders();
  framework::SetResourceFolders({folder_});
  EXPECT_EQ(Ques(), nullptr);  // not there yet
  std::filesystem::path source;
  for (const auto& f : folders) {
    if (std::filesystem::exists(f / "Ques.png")) source = f / "Ques.png";
  }
  ASSERT_FALSE(source.empty());
  std::filesystem::copy_file(source, folder_ / "Ques.png");
  const int64_t before = framework::PicturesLoaded();
  const auto first = Ques();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Width(), 42);
  EXPECT_EQ(first->Height(), 23);
  EXPECT_EQ(Ques(), first);  // the same picture, not read again
  EXPECT_EQ(framework::PicturesLoaded(), before + 1);
  framework::SetResourceFolders(folders);
}

}  // namespace
