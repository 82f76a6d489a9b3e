#include <QTest>

#include "analysis/module1.hpp"
#include "framework/gui/application.hpp"
#include "framework/gui/dialogs.hpp"
#include "program_test.hpp"
#include "shell/app.hpp"
#include "shell/file_types.hpp"
#include "shell/menu.hpp"
#include "shell/startup.hpp"

namespace {

class StartUp : public ProgramTest {};

TEST_F(StartUp, PreparesEverythingBeforeTheFirstWindow) {
  EXPECT_TRUE(framework::OpenWindows().empty());
  const App& app = App::implicitInstance();
  EXPECT_EQ(&app, &App::implicitInstance());
  EXPECT_EQ(app.Version().MajorVersion, 4);
  EXPECT_EQ(app.Version().MinorVersion, 0);
  EXPECT_EQ(app.Version().BugVersion, 0);
  EXPECT_EQ(app.Version().StageCode, 3);
  EXPECT_EQ(app.Version().ShortVersion, "4.0");
  EXPECT_EQ(app.Version().PackageInfo, "Dalvenquist");
  EXPECT_EQ(app.MenuBar(), &Menu::implicitInstance());
  EXPECT_TRUE(framework::Application::SupportsHiDPI());
  const framework::FileType* text = framework::FindFileType("text");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Extensions, "");
  EXPECT_EQ(text->MacType, "TEXT");
  EXPECT_EQ(text->MacCreator, "R*ch");
  EXPECT_TRUE(text->Imported);
  EXPECT_EQ(&FileTypes::Text(), &FileTypes::pAllFileTypes.back());
  EXPECT_EQ(Module1::gArray.UBound(1), 9999);
  EXPECT_EQ(Module1::gScores.UBound(2), 3);
}

TEST_F(StartUp, BuildsEveryClassRecordAndRunsTheApplicationsConstructorOnce) {
  struct Record {
    const char* name;
    const char* base;
  };
  const Record records[] = {
      {"ControlWnd.ControlWnd", "Window"},         {"Menu", "MenuBar"},
      {"AboutWnd.AboutWnd.Timer1", "Timer"},       {"AboutWnd.AboutWnd", "Window"},
      {"DescriptionWnd.DescriptionWnd", "Window"}, {"App", "Application"},
  };
  for (const Record& r : records) {
    const framework::ClassRecord* record = framework::LookupClassRecord(r.name);
    ASSERT_NE(record, nullptr) << r.name;
    EXPECT_EQ(record->base, r.base) << r.name;
  }
  EXPECT_TRUE(framework::LookupClassRecord("AboutWnd.AboutWnd.Timer1")->Handles("Action"));
  EXPECT_EQ(App::implicitInstance().ConstructorRuns(), 1);
  // Making an application object runs no Constructor by itself.
  EXPECT_EQ(App().ConstructorRuns(), 0);
}

TEST_F(StartUp, TheDefaultWindowIsTheAboutWindowAlone) {
  Startup::LateStartup();
  const auto windows = framework::OpenWindows();
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(windows[0]->Record().name, "AboutWnd.AboutWnd");
  EXPECT_TRUE(windows[0]->Visible());
  EXPECT_EQ(framework::GetImplicitWindow("ControlWnd.ControlWnd"), nullptr);
  AboutWnd& about = AboutWnd::implicitInstance();
  EXPECT_EQ(&about, windows[0]);
  EXPECT_EQ(about.Timer1().Period(), 4000);
  EXPECT_EQ(about.Timer1().RunMode(), 1);
  EXPECT_TRUE(about.Timer1().Running());
}

TEST_F(StartUp, TheFirstLoadFiltersOnTheTextType) {
  ControlWnd& window = MainWindow();
  Load(window, std::nullopt);
  EXPECT_EQ(Dialogs().openDialogTypes, std::vector<std::string>{"text"});
}

// Each way the About window gives way: it hides, and the main window is built, shown and in
// front with its Open having run once.
struct GiveWay {
  const char* name;
  void (*act)(AboutWnd&);
};

TEST_F(StartUp, TheAboutWindowGivesWayToTheMainWindow) {
  const GiveWay ways[] = {
      {"its timer fires", [](AboutWnd& about) { about.Timer1().Raise(framework::Events::TimerAction); }},
      {"a key", [](AboutWnd& about) { QTest::keyClick(about.Widget(), Qt::Key_A); }},
      {"a click on the picture",
       [](AboutWnd& about) { QTest::mouseClick(about.Canvas1().Widget(), Qt::LeftButton); }},
      {"a click beside the picture",
       [](AboutWnd& about) {
         QTest::mouseClick(about.ContentArea(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
       }},
  };
  for (const GiveWay& way : ways) {
    SCOPED_TRACE(way.name);
    framework::DestroyAllWindows();
    Module1::Initialize();
    Startup::LateStartup();
    AboutWnd& about = AboutWnd::implicitInstance();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about.Widget()));
    way.act(about);
    auto* main = framework::GetImplicitWindow("ControlWnd.ControlWnd");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(main->Widget()));
    EXPECT_FALSE(about.Visible());
    EXPECT_EQ(Module1::dirtyc, "no");
    EXPECT_EQ(Module1::dirtyData, "no");
    EXPECT_EQ(Module1::dirtyg, "no");
    EXPECT_EQ(Module1::kEOL, "\r\n");  // set by the main window's activation
  }
}

TEST_F(StartUp, TheTimerStillFiresAfterAKeyGaveWay) {
  Startup::LateStartup();
  AboutWnd& about = AboutWnd::implicitInstance();
  QTest::keyClick(about.Widget(), Qt::Key_Space);
  ControlWnd& main = ControlWnd::implicitInstance();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main.Widget()));
  EXPECT_TRUE(about.Timer1().Running());
  // The real timer: it hides the hidden window again and brings the main window to the front.
  about.Show();
  QTRY_VERIFY_WITH_TIMEOUT(!about.Timer1().Running(), 6000);
  EXPECT_FALSE(about.Visible());
  EXPECT_TRUE(main.Visible());
  EXPECT_EQ(&main, &ControlWnd::implicitInstance());
}

TEST_F(StartUp, EveryActivationOfTheMainWindowHidesTheAboutWindow) {
  ControlWnd& main = MainWindow();
  AboutWnd& about = AboutWnd::implicitInstance();
  about.Show();  // as Window > About does
  ASSERT_TRUE(QTest::qWaitForWindowActive(about.Widget()));
  main.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main.Widget()));
  EXPECT_FALSE(about.Visible());
}

TEST_F(StartUp, AClosedAboutWindowIsBuiltAnewAndHiddenByTheNextActivation) {
  ControlWnd& main = MainWindow();
  AboutWnd::implicitInstance().Close();
  QCoreApplication::processEvents();
  EXPECT_EQ(framework::GetImplicitWindow("AboutWnd.AboutWnd"), nullptr);
  AboutWnd& fresh = AboutWnd::implicitInstance();  // Window > About from the main window
  ASSERT_TRUE(QTest::qWaitForWindowActive(fresh.Widget()));
  EXPECT_TRUE(fresh.Timer1().Running());
  main.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main.Widget()));
  EXPECT_FALSE(fresh.Visible());
}

TEST_F(StartUp, ClosingTheMainWindowEndsTheProgramWithCodeZero) {
  ControlWnd& main = MainWindow();
  main.Close();
  EXPECT_TRUE(framework::QuitRequested());
  EXPECT_EQ(framework::QuitCode(), 0);
}

TEST_F(StartUp, TheMainWindowIsBuiltOnce) {
  ControlWnd& first = ControlWnd::implicitInstance();
  Module1::dirtyc = "raw";  // Open would reset it if it ran again
  ControlWnd& second = ControlWnd::implicitInstance();
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(Module1::dirtyc, "raw");
}

}  // namespace
