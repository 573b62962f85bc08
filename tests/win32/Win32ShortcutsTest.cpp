#include "platform/win32/Win32Shortcuts.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

#include "platform/win32/Unicode.h"
#include "wine/ShellLinks.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;
using test::LinkFields;
using test::SaveShellLink;

std::wstring OwnExe() {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path;
}

class Win32ShortcutsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / (L"tarnwick-links-" + std::to_wstring(GetCurrentProcessId()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  fs::path folder_;
  Win32Shortcuts shortcuts_;
};

TEST_F(Win32ShortcutsTest, ReadsEveryFieldThatTheShellLinkObjectSaved) {
  const std::wstring exe = OwnExe();
  // ShortcutInfo's fields, defaulted for designated initialisers.
  struct Read {
    std::string target{}, description{}, workingFolder{}, arguments{}, iconFile{};
    int iconIndex = 0;
    int showCommand = 1;
    uint16_t hotkey = 0;
  };
  struct Case {
    const char* name;
    LinkFields saved;
    Read read;
  };
  const Case cases[] = {
      {"every field, quotes and characters beyond ANSI",
       {.target = exe,
        .description = L"Caf\u00E9 \u2713 tools",
        .workingFolder = L"C:\\windows",
        .arguments = L"--opt \"two words\" \u00E9\u2713 \U0001D11E",
        .iconFile = L"C:\\windows\\system32\\shell32.dll",
        .iconIndex = 3,
        .showCommand = SW_SHOWMAXIMIZED,
        .hotkey = 0x0674},  // Ctrl+Alt+F5
       {.target = Narrow(exe),
        .description = "Caf\xC3\xA9 \xE2\x9C\x93 tools",
        .workingFolder = "C:\\windows",
        .arguments = "--opt \"two words\" \xC3\xA9\xE2\x9C\x93 \xF0\x9D\x84\x9E",
        .iconFile = "C:\\windows\\system32\\shell32.dll",
        .iconIndex = 3,
        .showCommand = 3,
        .hotkey = 0x0674}},
      {"saved minimised, no activation",
       {.target = exe, .showCommand = SW_SHOWMINNOACTIVE},
       {.target = Narrow(exe), .showCommand = 7}},
      {"the target alone", {.target = exe}, {.target = Narrow(exe), .showCommand = 1}},
      {"a target on a network share",
       {.target = L"\\\\server\\share\\dir\\tool.exe"},
       {.target = "\\\\server\\share\\dir\\tool.exe", .showCommand = 1}},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path link = folder_ / (L"case " + std::to_wstring(++n) + L".lnk");
    ASSERT_EQ(SaveShellLink(link.wstring(), c.saved), S_OK);
    ASSERT_EQ(test::StoredShowCommand(link.wstring()), c.saved.showCommand) << "the file holds the show command";

    const std::optional<ShortcutInfo> info = shortcuts_.Read(Narrow(link.wstring()));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->target, c.read.target);
    EXPECT_EQ(info->description, c.read.description);
    EXPECT_EQ(info->workingFolder, c.read.workingFolder);
    EXPECT_EQ(info->arguments, c.read.arguments);
    EXPECT_EQ(info->iconFile, c.read.iconFile);
    EXPECT_EQ(info->iconIndex, c.read.iconIndex);
    EXPECT_EQ(info->showCommand, c.read.showCommand);
    EXPECT_EQ(info->hotkey, c.read.hotkey);
  }
}

// Not cut at 1023 characters, the size of a MAX_PATH-era buffer. (The shell link object itself
// keeps targets to MAX_PATH, so only the other fields can be this long.)
TEST_F(Win32ShortcutsTest, LongArgumentsAndFoldersComeBackWhole) {
  std::wstring longFolder = L"C:\\";
  while (longFolder.size() < 1500) longFolder += std::wstring(100, L'f') + L"\\";
  const std::wstring longArguments = L"--list " + std::wstring(2000, L'x') + L" \"end\"";
  const fs::path link = folder_ / L"long.lnk";
  ASSERT_EQ(SaveShellLink(link.wstring(),
                          {.target = OwnExe(), .workingFolder = longFolder, .arguments = longArguments}),
            S_OK);

  const std::optional<ShortcutInfo> info = shortcuts_.Read(Narrow(link.wstring()));
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->workingFolder, Narrow(longFolder));
  EXPECT_EQ(info->arguments, Narrow(longArguments));
}

TEST_F(Win32ShortcutsTest, FilesThatAreNoShortcutsReadAsNothing) {
  struct Case {
    const char* name;
    std::optional<std::string> contents;  // nullopt: the file does not exist
  };
  const Case cases[] = {
      {"missing", std::nullopt},
      {"empty", std::string()},
      {"text", std::string("[InternetShortcut]\r\nURL=http://example.com/\r\n")},
      {"a truncated header", std::string("\x4C\0\0\0\x01\x14\x02\0", 8)},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path path = folder_ / (L"not a link " + std::to_wstring(++n) + L".lnk");
    if (c.contents) std::ofstream(path, std::ios::binary) << *c.contents;
    EXPECT_EQ(shortcuts_.Read(Narrow(path.wstring())), std::nullopt);
  }
}

// CoInitializeEx result of a fresh call on the current thread, undone again.
HRESULT ProbeApartment(DWORD model) {
  const HRESULT result = CoInitializeEx(nullptr, model);
  if (SUCCEEDED(result)) CoUninitialize();
  return result;
}

// Each read initialises COM and undoes exactly that: a thread without COM is left without it,
// and a thread already in the multithreaded apartment keeps it.
TEST_F(Win32ShortcutsTest, LeavesTheThreadsComAsItFoundIt) {
  const fs::path link = folder_ / L"com.lnk";
  ASSERT_EQ(SaveShellLink(link.wstring(), {.target = OwnExe()}), S_OK);
  const std::string path = Narrow(link.wstring());

  std::thread([&] {
    EXPECT_TRUE(shortcuts_.Read(path).has_value());
    EXPECT_TRUE(shortcuts_.Read(Narrow((folder_ / L"missing.lnk").wstring())) == std::nullopt);
    EXPECT_EQ(ProbeApartment(COINIT_MULTITHREADED), S_OK) << "COM is still initialised after a read";
  }).join();

  std::thread([&] {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    EXPECT_TRUE(shortcuts_.Read(path).has_value());
    EXPECT_EQ(ProbeApartment(COINIT_MULTITHREADED), S_FALSE) << "the caller's COM was uninitialised";
    CoUninitialize();
  }).join();
}

}  // namespace
}  // namespace tarnwick
