#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "framework/gui/menu.hpp"
#include "program_test.hpp"
#include "shell/menu.hpp"

namespace {

class Menus : public ProgramTest {
 protected:
  static std::vector<std::string> Names(const framework::MenuItem& entry) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < entry.Count(); ++i) names.push_back(entry.Item(i).Name);
    return names;
  }
  static bool Enabled(const char* name) { return Menu::implicitInstance().Lookup(name)->Enabled; }
};

TEST_F(Menus, TheBarHoldsTheWholeTreeOnce) {
  Menu& bar = Menu::implicitInstance();
  EXPECT_EQ(&bar, &Menu::implicitInstance());
  EXPECT_EQ(Names(bar), (std::vector<std::string>{"UntitledMenu3", "UntitledMenu2", "UntitledMenu0",
                                                  "WindowMenu", "UntitledMenu4"}));
  EXPECT_EQ(Names(*bar.Child("UntitledMenu2")),
            (std::vector<std::string>{"FilePrint", "FileQuit", "UntitledMenu8"}));
  EXPECT_EQ(Names(*bar.Child("UntitledMenu0")),
            (std::vector<std::string>{"EditUndo", "UntitledMenu1", "EditCut", "EditCopy",
                                      "EditPaste", "EditClear", "UntitledMenu7"}));
  EXPECT_EQ(Names(*bar.Child("WindowMenu")),
            (std::vector<std::string>{"ControlMenuItem", "DescriptionMenuItem", "AboutMenuItem",
                                      "UntitledMenu6", "UntitledMenu5"}));
  struct Entry {
    const char* name;
    const char* className;
    const char* text;
    const char* shortcut;
    bool autoEnable;
  };
  const Entry entries[] = {
      {"UntitledMenu2", "MenuItem", "File", "", false},
      {"FilePrint", "MenuItem", "Print", "", false},
      {"FileQuit", "QuitMenuItem", "Quit", "Ctrl+Q", true},
      {"UntitledMenu8", "MenuItem", "", "", false},
      {"EditUndo", "MenuItem", "Undo", "Ctrl+Z", false},
      {"UntitledMenu1", "MenuItem", "-", "", false},
      {"EditCut", "MenuItem", "Cut", "Ctrl+X", false},
      {"EditCopy", "MenuItem", "Copy", "Ctrl+C", false},
      {"EditPaste", "MenuItem", "Paste", "Ctrl+V", false},
      {"EditClear", "MenuItem", "", "", false},
      {"ControlMenuItem", "MenuItem", "Control", "", false},
      {"DescriptionMenuItem", "MenuItem", "Description", "", false},
      {"AboutMenuItem", "MenuItem", "About Dalvenquist", "", false},
      {"UntitledMenu5", "AppleMenuItem", "", "", false},
      {"UntitledMenu4", "MenuItem", "", "", false},
  };
  for (const Entry& e : entries) {
    SCOPED_TRACE(e.name);
    const framework::MenuItem* item = bar.Lookup(e.name);
    ASSERT_NE(item, nullptr);
    EXPECT_STREQ(item->ClassName(), e.className);
    EXPECT_EQ(item->Text, e.text);
    EXPECT_EQ(item->CommandKey, e.shortcut);
    EXPECT_EQ(item->AutoEnable, e.autoEnable);
    EXPECT_TRUE(item->Visible);
  }
  EXPECT_EQ(&AboutMenuItem(), bar.Lookup("AboutMenuItem"));
  EXPECT_EQ(&FilePrint(), bar.Child("UntitledMenu2")->Child("FilePrint"));
  EXPECT_EQ(&ControlMenuItem(), bar.Child("WindowMenu")->Child("ControlMenuItem"));
  EXPECT_EQ(&DescriptionMenuItem(), bar.Child("WindowMenu")->Child("DescriptionMenuItem"));
}

TEST_F(Menus, EachWindowShowsTheDrawableEntries) {
  ControlWnd& w = MainWindow();
  auto* bar = static_cast<QMainWindow*>(w.Widget())->menuBar();
  QStringList titles;
  for (QAction* action : bar->actions()) titles << action->text();
  EXPECT_EQ(titles, (QStringList{"File", "Edit", "Window"}));
  QStringList file;
  for (QAction* action : bar->actions()[0]->menu()->actions()) file << action->text();
  EXPECT_EQ(file, (QStringList{"Print", "Quit\tCtrl+Q"}));
  QStringList edit;
  for (QAction* action : bar->actions()[1]->menu()->actions()) {
    edit << (action->isSeparator() ? "-" : action->text());
  }
  EXPECT_EQ(edit, (QStringList{"Undo\tCtrl+Z", "-", "Cut\tCtrl+X", "Copy\tCtrl+C", "Paste\tCtrl+V"}));
}

TEST_F(Menus, TheMainWindowInFrontEnablesItsItems) {
  ControlWnd& w = MainWindow();
  Menu::implicitInstance().Lookup("FilePrint")->Enabled = true;  // left by another window
  w.PrepareMenus();
  EXPECT_FALSE(Enabled("ControlMenuItem"));
  EXPECT_TRUE(Enabled("DescriptionMenuItem"));
  EXPECT_TRUE(Enabled("AboutMenuItem"));
  EXPECT_FALSE(Enabled("FilePrint"));  // nothing enables it here
  EXPECT_TRUE(Enabled("FileQuit"));
  for (const char* edit : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"}) {
    EXPECT_FALSE(Enabled(edit)) << edit;
  }
}

TEST_F(Menus, TheAboutWindowInFrontAnswersOnlyAbout) {
  MainWindow();
  AboutWnd& about = AboutWnd::implicitInstance();
  about.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(about.Widget()));
  about.PrepareMenus();
  EXPECT_FALSE(Enabled("AboutMenuItem"));  // it sets no Enabled state of its own
  EXPECT_TRUE(Enabled("FileQuit"));
  EXPECT_TRUE(about.HasMenuHandler("AboutMenuItem"));
  EXPECT_FALSE(about.HasMenuHandler("ControlMenuItem"));
  about.Hide();
  about.ChooseMenuItem(*Menu::implicitInstance().Lookup("AboutMenuItem"));
  EXPECT_TRUE(about.Visible());
}

TEST_F(Menus, WindowAboutFromTheMainWindowShowsTheAboutWindow) {
  ControlWnd& w = MainWindow();
  ASSERT_FALSE(AboutWnd::implicitInstance().Visible());
  w.ChooseMenuItem(*Menu::implicitInstance().Lookup("AboutMenuItem"));
  EXPECT_TRUE(AboutWnd::implicitInstance().Visible());
  EXPECT_FALSE(w.AboutMenuItem_Action());
}

TEST_F(Menus, QuitEndsTheProgramFromAnyWindow) {
  ControlWnd& w = MainWindow();
  QTest::keyClick(w.Widget(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(framework::QuitRequested());
  EXPECT_EQ(framework::QuitCode(), 0);
}

TEST_F(Menus, QuitFromTheAboutWindowToo) {
  MainWindow();
  AboutWnd& about = AboutWnd::implicitInstance();
  about.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(about.Widget()));
  about.ChooseMenuItem(*Menu::implicitInstance().Lookup("FileQuit"));
  EXPECT_TRUE(framework::QuitRequested());
}

TEST_F(Menus, AFocusedTextAreaAnswersTheEditItems) {
  ControlWnd& w = MainWindow();
  w.OutFld().SetText("some text");
  w.OutFld().Widget()->setFocus();
  w.OutFld().SetSelectionStart(0);
  w.OutFld().SetSelectionLength(4);
  w.PrepareMenus();
  EXPECT_TRUE(Enabled("EditCopy"));
  EXPECT_TRUE(Enabled("EditCut"));
  w.ChooseMenuItem(*Menu::implicitInstance().Lookup("EditCut"));
  EXPECT_EQ(w.OutFld().Text(), " text");
}

}  // namespace
