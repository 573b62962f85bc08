#include "activation/RunAtLogOn.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/Application.h"
#include "fakes/FakePlatform.h"

namespace tarnwick {
namespace {

TEST(RunAtLogOn, TheEntryFollowsTheSetting) {
  struct Case {
    const char* name;
    bool startup;
    const char* before;  // the entry before, or null
    std::string path;
    const char* after;   // the entry after, or null
  };
  const Case cases[] = {
      {"on", true, nullptr, "C:\\Tools\\Tarnwick.exe", "C:\\Tools\\Tarnwick.exe"},
      {"on, moved", true, "C:\\Old\\Tarnwick.exe", "D:\\Tarnwick.exe", "D:\\Tarnwick.exe"},
      {"a blank in the path is quoted", true, nullptr, "C:\\Program Files\\Tarnwick\\Tarnwick.exe",
       "\"C:\\Program Files\\Tarnwick\\Tarnwick.exe\""},
      {"off", false, "C:\\Tools\\Tarnwick.exe", "C:\\Tools\\Tarnwick.exe", nullptr},
      {"off, already absent", false, nullptr, "C:\\Tools\\Tarnwick.exe", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fakes::FakeRunList runList;
    runList.entries["Other"] = "other.exe";
    if (c.before) runList.entries[kRunValueName] = c.before;
    EXPECT_TRUE(UpdateRunKey(runList, c.startup, c.path));
    std::map<std::string, std::string> expected{{"Other", "other.exe"}};
    if (c.after) expected[kRunValueName] = c.after;
    EXPECT_EQ(runList.entries, expected);
  }
  fakes::FakeRunList refusing;
  refusing.refuse = true;
  EXPECT_FALSE(UpdateRunKey(refusing, true, "C:\\Tarnwick.exe"));
  EXPECT_TRUE(UpdateRunKey(refusing, false, "C:\\Tarnwick.exe")) << "a delete that fails is no error";
}

// Every save ends with the entry; a refused write is reported after the file was written, and
// the entry does not change without a save.
TEST(RunAtLogOn, EverySaveUpdatesTheEntryAndReportsARefusal) {
  fakes::FakePlatform fake;
  fake.host.folder = "C:\\Program Files\\Tarnwick\\";
  fake.files.files[fake.ConfigPath()] = "[Setting]\r\nVersion=2.0\r\nStartup=1\r\n";
  Application app(fake.platform);
  app.Start();
  EXPECT_TRUE(fake.runList.entries.empty()) << "nothing is written at start";

  ASSERT_TRUE(app.State().Save());
  EXPECT_EQ(fake.runList.entries[kRunValueName], "\"C:\\Program Files\\Tarnwick\\Tarnwick.exe\"");

  app.State().Options().Startup = false;
  EXPECT_EQ(fake.runList.entries.count(kRunValueName), 1u) << "not before the save";
  ASSERT_TRUE(app.State().Save());
  EXPECT_EQ(fake.runList.entries.count(kRunValueName), 0u);

  app.State().Options().Startup = true;
  fake.runList.refuse = true;
  EXPECT_FALSE(app.State().Save());
  EXPECT_EQ(fake.dialogs.errors, std::vector<std::string>{"Failed to set data for 'Tarnwick'"});
  EXPECT_NE(fake.files.files[fake.ConfigPath()].find("Startup=1"), std::string::npos) << "the file was written";

  fake.files.failStep = fakes::FakeFileSystem::Step::Create;
  fake.runList.refuse = false;
  app.State().Options().Autosave = false;  // something for the save to write
  EXPECT_FALSE(app.State().Save(Session::FailureReport::DebuggerOutput));
  EXPECT_EQ(fake.runList.entries.count(kRunValueName), 0u) << "a failed file write stops the save before the entry";
}

}  // namespace
}  // namespace tarnwick
