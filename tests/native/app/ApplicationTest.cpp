#include "app/Application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Session.h"
#include "fakes/FakePlatform.h"
#include "fakes/QuietItemServices.h"
#include "storage/IniFile.h"

namespace tarnwick {
namespace {

using fakes::FakeFileSystem;
using fakes::FakeWindow;

constexpr const char* kCurrentFile =
    "[Setting]\r\nVersion=2.0\r\n[Menu]\r\nTarnwick=0\r\n[Menu Row]\r\nTarnwick=1\r\n"
    "[Notepad]\r\nExec=C:\\Windows\\notepad.exe\r\nMod=3\r\nKeyCode=78\r\n";

class ApplicationTest : public ::testing::Test {
 protected:
  // Runs the application; inside the message loop, `during` sees the running windows.
  int Run(const std::function<void()>& during = {}) {
    fake.host.whileRunning = [&] {
      EXPECT_EQ(fake.windows.created.size(), 4u);
      if (during) during();
    };
    return RunApplication(fake.platform);
  }
  FakeWindow* Window(const char* className) { return fake.windows.Find(className); }
  // What closing the main window does: the options window's close handler.
  void CloseMainWindow() { Window("Tarnwick")->events.FormClose(); }
  std::string& ConfigFile() { return fake.files.files[fake.ConfigPath()]; }

  fakes::FakePlatform fake;
};

TEST_F(ApplicationTest, ASecondCopyEndsAtOnceWithoutAWindow) {
  fake.host.anotherInstance = true;
  EXPECT_EQ(RunApplication(fake.platform), 0);
  EXPECT_TRUE(fake.windows.created.empty());
  EXPECT_EQ(fake.host.loopRuns, 0);
  EXPECT_TRUE(fake.files.files.empty());
}

TEST_F(ApplicationTest, CreatesFourWindowsInOrder) {
  ConfigFile() = kCurrentFile;
  EXPECT_EQ(Run(), 0);
  std::vector<std::string> classes;
  for (const FakeWindow* window : fake.windows.created) classes.push_back(window->spec.className);
  EXPECT_EQ(classes, (std::vector<std::string>{"Tarnwick", "TTarnwick", "TAMenu", "TAddSpecial"}));
  EXPECT_EQ(fake.host.loopRuns, 1);
  for (const FakeWindow* window : fake.windows.created) EXPECT_TRUE(window->destroyed);
}

TEST_F(ApplicationTest, AVersionTwoFileShowsOnlyTheOnePixelMenuWindow) {
  ConfigFile() = kCurrentFile;
  Run([&] {
    for (const FakeWindow* window : fake.windows.created) EXPECT_FALSE(window->destroyed);
    const FakeWindow* menu = Window("TTarnwick");
    EXPECT_TRUE(menu->visible);
    EXPECT_FALSE(menu->activated);
    EXPECT_TRUE(menu->acceptsFiles);
    EXPECT_TRUE(menu->spec.topmost);
    EXPECT_TRUE(menu->spec.toolWindow);
    EXPECT_EQ(menu->bounds, (Rect{1279, 799, 1280, 800}));
    EXPECT_FALSE(Window("Tarnwick")->visible);
    EXPECT_FALSE(Window("TAMenu")->visible);
    EXPECT_EQ(Window("TAMenu")->bounds, (Rect{1279, 799, 1280, 800}));
    EXPECT_FALSE(Window("TAddSpecial")->visible);
  });
  ASSERT_EQ(fake.hotkeys.registered.size(), 1u);  // items are loaded with their hotkeys
  EXPECT_EQ(fake.hotkeys.registered[0].key, 78);
}

TEST_F(ApplicationTest, TheOptionsWindowShowsUnlessTheFileIsVersionTwo) {
  struct Case {
    const char* name;
    const char* file;  // nullptr: no file
    bool shown;
  };
  const Case cases[] = {
      {"no file", nullptr, true},
      {"version 1.0", "[Setting]\nVersion=1.0\n", true},
      {"version 3.0", "[Setting]\nVersion=3.0\n", true},
      {"version 2.0", "[Setting]\nVersion=2.0\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fakes::FakePlatform local;
    if (c.file) local.files.files[local.ConfigPath()] = c.file;
    bool shown = false;
    Rect bounds;
    local.host.whileRunning = [&] {
      shown = local.windows.Find("Tarnwick")->visible;
      bounds = local.windows.Find("Tarnwick")->bounds;
    };
    RunApplication(local.platform);
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(bounds, (Rect{431, 235, 849, 565}));  // 418 x 330, centred
  }
}

TEST_F(ApplicationTest, FirstRunWithoutAFileSavesVersionTwoOnExit) {
  Run([&] { CloseMainWindow(); });
  const IniFile saved = IniFile::Parse(ConfigFile());
  EXPECT_EQ(saved.ReadString("Setting", "Version", ""), "2.0");
  EXPECT_EQ(saved.KeyNames("Menu"), std::vector<std::string>{"Tarnwick"});
  EXPECT_TRUE(fake.dialogs.errors.empty());
}

TEST_F(ApplicationTest, AutosaveOffLeavesTheFileUntouched) {
  const std::string original = "[Setting]\nVersion=2.0\nAutosave=0\nExtra=1\n";
  ConfigFile() = original;
  Run([&] {
    CloseMainWindow();
    Window("Tarnwick")->events.FormQueryEndSession();
  });
  EXPECT_EQ(ConfigFile(), original);
}

TEST_F(ApplicationTest, TheEndOfTheSessionSavesWithAutosaveOn) {
  ConfigFile() = "[Setting]\nVersion=2.0\nExtra=1\n";
  Run([&] { Window("Tarnwick")->events.FormQueryEndSession(); });
  const IniFile saved = IniFile::Parse(ConfigFile());
  EXPECT_FALSE(saved.Find("Setting", "Extra").has_value());
  EXPECT_EQ(saved.ReadInt("Setting", "Autosave", -1), 1);
}

// The message names the file or folder that refused and the system's reason; the previous file
// stays. At the end of the session nobody would answer a box: the error goes to the debugger.
TEST(ApplicationSaveTest, AFailureAtAnyStepIsReportedWithItsReasonAndKeepsThePreviousFile) {
  using Step = FakeFileSystem::Step;
  const std::string original = "[Setting]\r\nVersion=2.0\r\nExtra=1\r\n";
  struct Case {
    Step step;
    bool onlyTheFileRefuses;  // the backup is written, the file's replacement refused
    const char* message;
  };
  const Case cases[] = {
      {Step::Create, false, "Unable to write to C:\\Tools\\Tarnwick: Access is denied."},
      {Step::Write, false, "Unable to write to C:\\Tools\\Tarnwick\\Tarnwick.ini.bak: There is not enough space on the disk."},
      {Step::Flush, false, "Unable to write to C:\\Tools\\Tarnwick\\Tarnwick.ini.bak: The request could not be performed because of an I/O device error."},
      {Step::Replace, true, "Unable to write to C:\\Tools\\Tarnwick\\Tarnwick.ini: The file is read-only."},
  };
  for (const Case& c : cases) {
    for (const bool sessionEnds : {false, true}) {
      SCOPED_TRACE(std::string(c.message) + (sessionEnds ? ", at the end of the session" : ", at close"));
      fakes::FakePlatform fake;
      fake.files.files[fake.ConfigPath()] = original;
      fake.files.failStep = c.step;
      if (c.onlyTheFileRefuses) fake.files.failReplaceOf = fake.ConfigPath();
      fake.host.whileRunning = [&] {
        FakeWindow* options = fake.windows.Find("Tarnwick");
        if (sessionEnds) {
          options->events.FormQueryEndSession();
        } else {
          options->events.FormClose();
        }
      };
      RunApplication(fake.platform);
      EXPECT_EQ(fake.files.files[fake.ConfigPath()], original);
      const std::vector<std::string> expected{c.message};
      EXPECT_EQ(sessionEnds ? fake.dialogs.logged : fake.dialogs.errors, expected);
      EXPECT_TRUE(sessionEnds ? fake.dialogs.errors.empty() : fake.dialogs.logged.empty());
      EXPECT_EQ(fake.files.files.size(), c.onlyTheFileRefuses ? 2u : 1u) << "a temporary file was left behind";
    }
  }
}

// A save cut off after its temporary file was complete: the next start loads that file and it
// becomes the configuration; the next save clears the other leftovers.
TEST_F(ApplicationTest, AStartAfterAnInterruptedSaveLoadsTheCompleteTemporaryFile) {
  const std::string path = fake.ConfigPath();
  const std::string complete = std::string(kCurrentFile) + "\r\n; end of Tarnwick.ini\r\n";
  fake.files.files[path + ".311.4.tmp"] = complete;
  fake.files.files[path + ".311.5.tmp"] = complete.substr(0, complete.size() - 3);  // newer, but cut off
  fake.files.modified[path + ".311.5.tmp"] = 1;
  Run([&] {
    EXPECT_FALSE(Window("Tarnwick")->visible) << "a version 2.0 file was loaded";
    EXPECT_EQ(fake.files.files.count(path + ".311.4.tmp"), 0u);
    EXPECT_EQ(fake.files.files[path], complete);
    EXPECT_EQ(fake.hotkeys.registered.size(), 1u) << "its item was loaded";
    CloseMainWindow();
  });
  std::vector<std::string> names;
  for (const auto& [name, contents] : fake.files.files) names.push_back(name);
  EXPECT_EQ(names, (std::vector<std::string>{path, path + ".bak"}));
  EXPECT_NE(ConfigFile().find("[Notepad]"), std::string::npos);
}

// Random bytes read as a first run; the next saves keep them aside instead of losing them.
TEST_F(ApplicationTest, AFileOfNothingTheLoaderKnowsIsKeptAsTheBackupThroughEverySaveOfTheRun) {
  const std::string garbage = "\x89PNG\r\n\x1a\n[not ours]\r\nx=1\r\n";
  ConfigFile() = garbage;
  Run([&] {
    EXPECT_TRUE(Window("Tarnwick")->visible) << "read as a first run";
    CloseMainWindow();
    fake.files.files[fake.ConfigPath()] += "; changed";  // a second save has something to back up
    CloseMainWindow();
  });
  EXPECT_EQ(fake.files.files[fake.ConfigPath() + ".bak"], garbage);
  EXPECT_NE(ConfigFile().find("Version=2.0"), std::string::npos);
}

TEST_F(ApplicationTest, PathsOutsideTheCodePageSurviveAndTheFileStaysAnsiOtherwise) {
  // A Western file in the code page, with one Chinese path added by hand as UTF-8.
  ConfigFile() = "[Setting]\r\nVersion=2.0\r\nFont=Caf\xE9\r\n";
  Run([&] { CloseMainWindow(); });
  EXPECT_NE(ConfigFile().find("Font=Caf\xE9\r\n"), std::string::npos) << "written in the ANSI code page";

  ConfigFile() = "[Setting]\r\nVersion=2.0\r\n[报告]\r\nExec=C:\\资料\\报告.txt\r\n";
  fakes::FakePlatform second;
  second.files.files[second.ConfigPath()] = ConfigFile();
  second.host.whileRunning = [&] { second.windows.Find("Tarnwick")->events.FormClose(); };
  RunApplication(second.platform);
  const std::string& saved = second.files.files[second.ConfigPath()];
  ASSERT_EQ(saved.substr(0, 3), "\xEF\xBB\xBF");
  const IniFile reread = IniFile::Parse(saved.substr(3));
  EXPECT_EQ(reread.ReadString("报告", "Exec", ""), "C:\\资料\\报告.txt");
}

TEST_F(ApplicationTest, TheProgramLoadsAndSavesThroughTheSession) {
  const std::string original =
      "[Setting]\r\nVersion=2.0\r\nSensitive=1\r\nBackground=255\r\n[Menu]\r\nMain=0\r\nMore=4\r\n"
      "[Popup]\r\nTop=4\r\n[Tool]\r\nExec=C:\\tool.exe\r\nMod=3\r\nKeyCode=84\r\nRow=2\r\n"
      "[Other]\r\nExec=https://example.org\r\nType=4\r\nColor=-1\r\n";
  ConfigFile() = original;
  Run([&] { CloseMainWindow(); });

  // A session alone, loading the same file and saving it, writes the bytes the program wrote;
  // loading and saving those again changes nothing.
  for (const std::string& input : {original, ConfigFile()}) {
    fakes::FakePlatform alone;
    alone.files.files[alone.ConfigPath()] = input;
    fakes::AcceptingHotkeys hotkeys;
    Session session(alone.platform, hotkeys);
    session.Load();
    EXPECT_EQ(session.Table().Count(), 2u);
    EXPECT_EQ(session.Options().Sensitive, 1);
    EXPECT_TRUE(session.Save());
    EXPECT_EQ(alone.files.files[alone.ConfigPath()], ConfigFile());
  }
}

TEST_F(ApplicationTest, AnErrorDuringStartUpIsShownAndTheProcessEndsWithZero) {
  fake.windows.failForClass = "TAMenu";
  EXPECT_EQ(RunApplication(fake.platform), 0);
  EXPECT_EQ(fake.dialogs.errors, std::vector<std::string>{"Cannot create window TAMenu"});
  EXPECT_EQ(fake.host.loopRuns, 0);
}

}  // namespace
}  // namespace tarnwick
