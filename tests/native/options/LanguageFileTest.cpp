#include "options/LanguageFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/Application.h"
#include "contextmenu/TAMenu.h"
#include "fakes/Cp1252CodePage.h"
#include "fakes/MenuWindowFixture.h"
#include "storage/TextEncoding.h"

namespace tarnwick {
namespace {

using testing_support::Configuration;
using testing_support::ItemSection;

TEST(LanguageFile, MissingKeysKeepCaptionsAndBringCommandsBackToEnglish) {
  LanguageTexts texts;
  LoadLanguage(IniFile::Parse(""), texts);
  for (const LanguageTexts::Entry& entry : LanguageTexts::Entries()) EXPECT_EQ(texts.Text(entry.key), entry.english);
  EXPECT_EQ(texts.Font, FontSpec{});

  LoadLanguage(IniFile::Parse("[Language]\nLanguage=Deutsch\nFont=Tahoma\nSize=9\nGeneral1=Mit Windows starten\n"
                              "AMenu1=Hinzuf\xC3\xBCgen\nWarning5=Eintrag entfernen?\n"),
               texts);
  EXPECT_EQ(texts.Text("Language"), "Deutsch");
  EXPECT_EQ(texts.Text("General1"), "Mit Windows starten");
  EXPECT_EQ(texts.Text("AMenu1"), "Hinzuf\xC3\xBCgen");
  EXPECT_EQ(texts.Font.Face, "Tahoma");
  EXPECT_EQ(texts.Font.Size, 9);

  // A second file that lacks them: the caption stays, the command and the message are English.
  LoadLanguage(IniFile::Parse("[Language]\nAMenu7=Sperren\nSize=x\n"), texts);
  EXPECT_EQ(texts.Text("General1"), "Mit Windows starten");
  EXPECT_EQ(texts.Text("AMenu1"), "Add");
  EXPECT_EQ(texts.Text("Warning5"), "Are you sure to remove this item?");
  EXPECT_EQ(texts.Text("Language"), "English");
  EXPECT_EQ(texts.Text("AMenu7"), "Sperren");
  EXPECT_EQ(texts.Font.Face, "Tahoma") << "a file without a font keeps the current one";
  EXPECT_EQ(texts.Font.Size, 9) << "and a size that is no number too";
}

// The translations that ship with the program give every text, and read as what they are.
TEST(LanguageFile, TheShippedTranslationsAreComplete) {
  const std::filesystem::path folder = std::filesystem::path(__FILE__).parent_path() / "../../../res/languages";
  struct Case {
    const char* file;
    const char* language;
    const char* add;
  };
  const Case cases[] = {{"German.ini", "Deutsch", "Hinzuf\xC3\xBCgen"},
                        {"SimplifiedChinese.ini", "\xE7\xAE\x80\xE4\xBD\x93\xE4\xB8\xAD\xE6\x96\x87",
                         "\xE6\xB7\xBB\xE5\x8A\xA0"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    std::ifstream in(folder / c.file, std::ios::binary);
    ASSERT_TRUE(in) << (folder / c.file).string();
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    fakes::Cp1252CodePage ansi;
    const IniFile file = IniFile::Parse(DecodeTextFile(bytes, ansi));
    for (const LanguageTexts::Entry& entry : LanguageTexts::Entries()) {
      const std::optional<std::string> text = file.Find("Language", entry.key);
      EXPECT_TRUE(text && !text->empty()) << entry.key << " is missing";
    }
    LanguageTexts texts;
    LoadLanguage(file, texts);
    EXPECT_EQ(texts.Text("Language"), c.language);
    EXPECT_EQ(texts.Text("AMenu1"), c.add);
    EXPECT_GT(texts.Font.Size, 0);
  }
}

TEST(LanguageFile, PathFromTheSettingOrBesideTheExecutable) {
  EXPECT_EQ(LanguageFilePath("", "C:\\Tools\\"), "C:\\Tools\\Language.ini");
  EXPECT_EQ(LanguageFilePath("D:\\Lang\\de.ini", "C:\\Tools\\"), "D:\\Lang\\de.ini");
}

class LanguageStartTest : public testing_support::MenuWindowFixture {
 protected:
  std::string LanguagePath() const { return fake.host.folder + "Language.ini"; }
};

// A file that only renames the lock: the context menu shows the word, and it still locks.
TEST_F(LanguageStartTest, ATranslatedCommandStillRunsItsCommand) {
  fake.files.files[LanguagePath()] = "[Language]\r\nAMenu7=Verrou\r\n";
  Start(Configuration(1, 1, "", ItemSection("A", "C:\\a.exe", 0, 0)));
  PopUp();
  const Rect cell = menu->Grid().CellRect({0, 0});
  const Point point{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
  menu->FormMouseMove(point);
  menu->FormMouseDown(MouseButton::Right, point);
  const std::vector<ContextEntry>& entries = app->ContextMenu().Entries();
  const auto lock = std::find_if(entries.begin(), entries.end(), [](const ContextEntry& e) { return e.caption == "Verrou"; });
  ASSERT_NE(lock, entries.end());
  const Point onLock{40, 20 * static_cast<int>(lock - entries.begin()) + 10};
  app->ContextMenu().FormMouseMove(onLock);
  app->ContextMenu().FormMouseUp(MouseButton::Left, onLock);
  EXPECT_TRUE(Flags().MenuLocked);
}

// The file named by the "Language" setting, in UTF-16 as some editors save it; its typeface is
// the menu's too when Tarnwick.ini names none.
TEST_F(LanguageStartTest, TheChosenFileInAnyEncodingGivesTextsAndTheDefaultMenuFont) {
  const std::string utf16 =
      std::string("\xFF\xFE", 2) + std::string("[\0L\0a\0n\0g\0u\0a\0g\0e\0]\0\r\0\n\0A\0M\0e\0n\0u\0" "1\0=\0", 38) +
      std::string("\xFB\x6D\xA0\x52\r\0\n\0F\0o\0n\0t\0=\0S\0i\0m\0S\0u\0n\0\r\0\n\0", 32);
  fake.files.files["D:\\Lang\\zh.ini"] = utf16;
  Start(Configuration(1, 1, "Language=D:\\Lang\\zh.ini\n", ""));
  EXPECT_EQ(app->State().Texts().Text("AMenu1"), "\xE6\xB7\xBB\xE5\x8A\xA0");  // 添加
  EXPECT_EQ(app->State().Texts().Font.Face, "SimSun");
  EXPECT_EQ(Options().MenuFont.Face, "SimSun");
  EXPECT_EQ(Options().LanguageFile, "D:\\Lang\\zh.ini");
}

}  // namespace
}  // namespace tarnwick
