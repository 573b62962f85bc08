#include "storage/ConfigurationFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakePlatform.h"
#include "fakes/QuietItemServices.h"
#include "storage/Configuration.h"
#include "storage/TextEncoding.h"

namespace tarnwick {
namespace {

using Step = fakes::FakeFileSystem::Step;

const std::string kPath = "C:\\Tools\\Tarnwick.ini";

// What the writer makes of a small configuration with non-ASCII text, in the encoding a save uses.
std::string SavedBytes(const std::string& description = "Caf\xC3\xA9 \xE6\x8A\xA5\xE5\x91\x8A") {
  Settings settings;
  MenuList menus;
  menus.Add("Tarnwick", 0);
  fakes::FakeIcons icons;
  fakes::AcceptingHotkeys hotkeys;
  ItemTable table{menus, icons, hotkeys};
  Item item;
  item.Description = description;
  item.ProgramFile = "C:\\report.txt";
  table.AddItem(item);
  return EncodeTextFile(ConfigurationText(settings, menus, table), fakes::Cp1252CodePage());
}

std::vector<std::string> Names(const fakes::FakeFileSystem& files) {
  std::vector<std::string> names;
  for (const auto& [name, contents] : files.files) names.push_back(name);
  return names;
}

// Only a file that ends as the writer ends one is complete: no cut of it is, at any byte.
TEST(ConfigurationFile, OnlyTheWholeOfASavedFileCountsAsComplete) {
  for (const std::string& bytes : {SavedBytes("Notepad"), SavedBytes()}) {
    EXPECT_TRUE(IsCompleteConfiguration(bytes));
    for (size_t length = 0; length < bytes.size(); ++length) {
      ASSERT_FALSE(IsCompleteConfiguration(std::string_view(bytes).substr(0, length))) << length;
    }
  }
  EXPECT_TRUE(SavedBytes().starts_with("\xEF\xBB\xBF")) << "the non-ANSI case is UTF-8";
  EXPECT_FALSE(IsCompleteConfiguration("[Setting]\r\nVersion=2.0\r\n"));
}

TEST(ConfigurationFile, ReadRecoversOnlyWhenTheFileIsMissingOrEmpty) {
  const std::string complete = SavedBytes();
  struct Case {
    const char* name;
    std::optional<std::string> file;
    std::vector<std::pair<std::string, std::string>> beside;  // name after the path, contents
    std::string loaded;
    std::vector<std::string> left;  // names after the path of what is left, the file itself as ""
    bool unreadable = false;        // the file is there, but held by another program
  };
  const Case cases[] = {
      {"no file, nothing beside", std::nullopt, {}, "", {}},
      {"no file, a complete temporary file", std::nullopt, {{".77.3.tmp", complete}}, complete, {""}},
      {"empty file, a complete temporary file", "", {{".77.3.tmp", complete}}, complete, {""}},
      {"no file, a cut temporary file", std::nullopt, {{".77.3.tmp", complete.substr(0, 100)}}, "", {".77.3.tmp"}},
      {"a file, and a complete temporary file", "mine", {{".77.3.tmp", complete}}, "mine", {"", ".77.3.tmp"}},
      {"no file, a complete file of another name", std::nullopt,
       {{".bak", complete}, {".bak.77.3.tmp", complete}, {".old.tmp", complete}, {".77.tmp", complete}},
       "", {".77.tmp", ".bak", ".bak.77.3.tmp", ".old.tmp"}},
      {"an unreadable file, and a complete temporary file", "held", {{".77.3.tmp", complete}}, "", {"", ".77.3.tmp"},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fakes::FakeFileSystem files;
    if (c.file) files.files[kPath] = *c.file;
    for (const auto& [suffix, contents] : c.beside) files.files[kPath + suffix] = contents;
    if (c.unreadable) files.unreadable = kPath;
    ConfigurationFile file(files, kPath);
    EXPECT_EQ(file.Read(), c.loaded);
    if (c.file) {
      EXPECT_EQ(files.files[kPath], c.loaded.empty() ? *c.file : c.loaded);
    }
    std::vector<std::string> left;
    for (const std::string& suffix : c.left) left.push_back(kPath + suffix);
    EXPECT_EQ(Names(files), left);
  }
}

TEST(ConfigurationFile, ReadTakesTheNewestCompleteTemporaryFile) {
  fakes::FakeFileSystem files;
  files.files[kPath + ".5.9.tmp"] = SavedBytes("Older");
  files.modified[kPath + ".5.9.tmp"] = 10;
  files.files[kPath + ".6.1.tmp"] = SavedBytes("Newer");
  files.modified[kPath + ".6.1.tmp"] = 20;
  files.files[kPath + ".6.2.tmp"] = SavedBytes("Newest, cut").substr(0, 200);
  files.modified[kPath + ".6.2.tmp"] = 30;
  ConfigurationFile file(files, kPath);
  EXPECT_EQ(file.Read(), SavedBytes("Newer"));
  EXPECT_EQ(files.files[kPath], SavedBytes("Newer"));
}

TEST(ConfigurationFile, SaveKeepsTheBackupOnlyWhenTheBytesChange) {
  fakes::FakeFileSystem files;
  ConfigurationFile file(files, kPath);
  ASSERT_TRUE(file.Save("first"));
  EXPECT_EQ(Names(files), std::vector<std::string>{kPath}) << "nothing to keep before the first save";

  ASSERT_TRUE(file.Save("second"));
  EXPECT_EQ(files.files[kPath], "second");
  EXPECT_EQ(files.files[kPath + ".bak"], "first");

  const size_t removedBefore = files.removed.size();
  files.modified[kPath] = -1;
  ASSERT_TRUE(file.Save("second"));
  EXPECT_EQ(files.files[kPath + ".bak"], "first") << "an equal save is no new generation";
  EXPECT_EQ(files.modified[kPath], -1) << "and writes nothing";
  EXPECT_EQ(files.removed.size(), removedBefore);

  ASSERT_TRUE(file.Save("third"));
  EXPECT_EQ(files.files[kPath + ".bak"], "second");
}

TEST(ConfigurationFile, ABackupThatCannotBeWrittenStopsTheSave) {
  fakes::FakeFileSystem files;
  files.files[kPath] = "previous";
  files.failStep = Step::Replace;
  files.failReplaceOf = kPath + ".bak";
  ConfigurationFile file(files, kPath);
  const WriteResult result = file.Save("new");
  EXPECT_FALSE(result);
  EXPECT_EQ(result.path, kPath + ".bak");
  EXPECT_EQ(result.reason, "The file is read-only.");
  EXPECT_EQ(Names(files), std::vector<std::string>{kPath});
  EXPECT_EQ(files.files[kPath], "previous");
}

TEST(ConfigurationFile, AFileThatExistsButCannotBeReadIsNotReplaced) {
  fakes::FakeFileSystem files;
  files.files[kPath] = "previous";
  files.unreadable = kPath;
  ConfigurationFile file(files, kPath);
  const WriteResult result = file.Save("new");
  EXPECT_FALSE(result);
  EXPECT_EQ(result.path, kPath);
  EXPECT_EQ(result.reason, "The process cannot access the file because it is being used by another process.");
  EXPECT_EQ(Names(files), std::vector<std::string>{kPath});
}

// Leftovers of earlier cut saves go once a save succeeds, and only ours.
TEST(ConfigurationFile, ASuccessfulSaveRemovesOurLeftoverTemporaryFilesOnly) {
  fakes::FakeFileSystem files;
  for (const char* suffix : {".12.1.tmp", ".bak.12.2.tmp", ".old", ".notes.tmp", ".bak"}) files.files[kPath + suffix] = "x";
  files.files["C:\\Tools\\Other.ini.12.1.tmp"] = "x";
  ConfigurationFile file(files, kPath);

  files.failStep = Step::Create;
  EXPECT_FALSE(file.Save("new"));
  EXPECT_EQ(files.files.count(kPath + ".12.1.tmp"), 1u) << "a failed save removes nothing of before";

  files.failStep = Step::None;
  ASSERT_TRUE(file.Save("new"));
  EXPECT_EQ(Names(files), (std::vector<std::string>{"C:\\Tools\\Other.ini.12.1.tmp", kPath, kPath + ".bak",
                                                     kPath + ".notes.tmp", kPath + ".old"}));
}

}  // namespace
}  // namespace tarnwick
