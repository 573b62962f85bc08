#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "platform/win32/Unicode.h"

namespace tarnwick {
namespace {

// Wide path for the file functions, past MAX_PATH too.
std::wstring Long(const std::string& path) { return L"\\\\?\\" + Widen(path); }

std::set<std::string> NamesIn(const std::string& folder) {
  std::set<std::string> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((Long(folder) + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.insert(Narrow(name));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

class Win32FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH + 1];
    ASSERT_GT(GetTempPathW(MAX_PATH + 1, temp), 0u);
    dir_ = Narrow(temp) + "tarnwick-fs-" + std::to_string(GetCurrentProcessId()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
    ASSERT_TRUE(CreateDirectoryW(Long(dir_).c_str(), nullptr));
  }

  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(Long(dir_)), ignored);
  }

  // Creates a file with the given contents, as another program would.
  void Put(const std::string& path, const std::string& contents) {
    HANDLE file = CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(written, contents.size());
  }

  // The save sequence: a temporary file beside the target, written, flushed and moved over it.
  bool SaveAtomically(const std::string& target, const std::string& contents) {
    std::string temp;
    const auto file = fs_.CreateTempBeside(target, temp);
    if (!file) return false;
    EXPECT_EQ(temp.rfind(target + ".", 0), 0u) << temp;
    const bool written = fs_.Write(*file, contents) && fs_.Flush(*file);
    const bool closed = fs_.Close(*file);
    if (written && closed && fs_.Replace(temp, target)) return true;
    fs_.Remove(temp);
    return false;
  }

  Win32FileSystem fs_;
  std::string dir_;
};

TEST_F(Win32FileSystemTest, SaveCreatesThenReplacesAndLeavesNoTemporaryFile) {
  struct Case {
    const char* name;
    std::string folder;  // below the test folder, created first; one per case
    std::string file;
  };
  const std::string longPart(100, 'l');
  const Case cases[] = {
      {"ascii", "ascii\\", "Tarnwick.ini"},
      {"accented", "accented\\", "Caf\xC3\xA9 \xC3\x9C.ini"},
      {"cjk", "\xE8\xA8\xAD\xE5\xAE\x9A\\", "\xE8\x8F\x9C\xE5\x8D\x95.ini"},
      {"past MAX_PATH", longPart + "\\" + longPart + "\\" + longPart + "\\", "long.ini"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string folder = dir_;
    for (size_t start = 0, end; (end = c.folder.find('\\', start)) != std::string::npos;
         start = end + 1) {
      folder += c.folder.substr(start, end + 1 - start);
      ASSERT_TRUE(CreateDirectoryW(Long(folder).c_str(), nullptr));
    }
    const std::string target = folder + c.file;

    ASSERT_TRUE(SaveAtomically(target, "[Setting]\r\nVersion=2.0\r\n"));
    EXPECT_EQ(fs_.ReadWhole(target), "[Setting]\r\nVersion=2.0\r\n");
    ASSERT_TRUE(SaveAtomically(target, "second"));
    EXPECT_EQ(fs_.ReadWhole(target), "second");
    EXPECT_TRUE(fs_.FileExists(target));
    EXPECT_EQ(NamesIn(folder), std::set<std::string>{c.file});
  }
}

TEST_F(Win32FileSystemTest, ReplaceRefusesReadOnlyTarget) {
  const std::string target = dir_ + "Tarnwick.ini";
  Put(target, "old");
  ASSERT_TRUE(SetFileAttributesW(Long(target).c_str(), FILE_ATTRIBUTE_READONLY));

  EXPECT_FALSE(SaveAtomically(target, "new"));
  EXPECT_EQ(fs_.LastError(), "The file is read-only.");

  EXPECT_EQ(fs_.ReadWhole(target), "old");
  EXPECT_TRUE(GetFileAttributesW(Long(target).c_str()) & FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(NamesIn(dir_), std::set<std::string>{"Tarnwick.ini"});
  SetFileAttributesW(Long(target).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Win32FileSystemTest, ReplaceKeepsTheTargetsAttributes) {
  const std::string target = dir_ + "Tarnwick.ini";
  Put(target, "old");
  SetFileAttributesW(Long(target).c_str(), FILE_ATTRIBUTE_HIDDEN);
  if (!(GetFileAttributesW(Long(target).c_str()) & FILE_ATTRIBUTE_HIDDEN)) {
    GTEST_SKIP() << "this file system does not keep the hidden attribute";
  }

  ASSERT_TRUE(SaveAtomically(target, "new"));

  EXPECT_EQ(fs_.ReadWhole(target), "new");
  EXPECT_TRUE(GetFileAttributesW(Long(target).c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

TEST_F(Win32FileSystemTest, ReadWholeReadsLargeFilesAndFilesOpenElsewhere) {
  std::string large(300 * 1024 + 17, '\0');
  for (size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>(i * 7 + i / 251);
  const std::string target = dir_ + "large.bin";
  ASSERT_TRUE(SaveAtomically(target, large));
  EXPECT_EQ(fs_.ReadWhole(target), large);

  // An editor holding the file open for writing must not stop the read.
  HANDLE editor = CreateFileW(Long(target).c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(editor, INVALID_HANDLE_VALUE);
  EXPECT_EQ(fs_.ReadWhole(target), large);
  CloseHandle(editor);
}

TEST_F(Win32FileSystemTest, MissingFilesAndFolders) {
  const std::string file = dir_ + "present.ini";
  Put(file, "x");
  struct Case {
    const char* name;
    std::string path;
    bool exists;
  };
  const Case cases[] = {
      {"file", file, true},
      {"missing file", dir_ + "missing.ini", false},
      {"folder", dir_, false},
      {"file in missing folder", dir_ + "none\\x.ini", false},
      {"invalid utf-8", dir_ + "\xFF.ini", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(fs_.FileExists(c.path), c.exists);
    EXPECT_EQ(fs_.ReadWhole(c.path).has_value(), c.exists);
  }
  std::string temp;
  EXPECT_FALSE(fs_.CreateTempBeside(dir_ + "none\\x.ini", temp));
  EXPECT_FALSE(fs_.LastError().empty()) << "the system's reason is kept";
}

// What recovery and the clean-up after a save look through: files whose names start with the
// prefix, in any letter case; not the file the prefix is made of, nor folders.
TEST_F(Win32FileSystemTest, FilesStartingWithListsOnlyFilesOfThatPrefix) {
  for (const char* name : {"Tarnwick.ini", "Tarnwick.ini.bak", "TARNWICK.INI.7.1.tmp", "Tarnwick.inix", "Other.ini.1.1.tmp"}) {
    Put(dir_ + name, name);
  }
  ASSERT_TRUE(CreateDirectoryW(Long(dir_ + "Tarnwick.ini.d").c_str(), nullptr));
  std::set<std::string> listed;
  for (const FileSystem::FileInfo& file : fs_.FilesStartingWith(dir_ + "Tarnwick.ini.")) {
    listed.insert(file.path);
    EXPECT_NE(file.modified, 0);
  }
  EXPECT_EQ(listed, (std::set<std::string>{dir_ + "TARNWICK.INI.7.1.tmp", dir_ + "Tarnwick.ini.bak"}));
  EXPECT_TRUE(fs_.FilesStartingWith(dir_ + "none\\Tarnwick.ini.").empty());
}

TEST_F(Win32FileSystemTest, RemoveDeletesOnlyExistingFiles) {
  const std::string file = dir_ + "gone.ini";
  Put(file, "x");
  EXPECT_TRUE(fs_.Remove(file));
  EXPECT_FALSE(fs_.FileExists(file));
  EXPECT_FALSE(fs_.Remove(file));
}

TEST_F(Win32FileSystemTest, TemporaryNamesDoNotCollide) {
  const std::string target = dir_ + "Tarnwick.ini";
  std::string first, second;
  const auto a = fs_.CreateTempBeside(target, first);
  const auto b = fs_.CreateTempBeside(target, second);
  ASSERT_TRUE(a && b);
  EXPECT_NE(first, second);
  EXPECT_TRUE(fs_.Close(*a));
  EXPECT_TRUE(fs_.Close(*b));
  // A leftover of an earlier run under the next name is stepped over, not overwritten.
  Win32FileSystem other;
  std::string third;
  const auto c = other.CreateTempBeside(target, third);
  ASSERT_TRUE(c);
  EXPECT_NE(third, first);
  EXPECT_NE(third, second);
  EXPECT_TRUE(other.Close(*c));
  EXPECT_EQ(fs_.ReadWhole(first), "");
}

}  // namespace
}  // namespace tarnwick
