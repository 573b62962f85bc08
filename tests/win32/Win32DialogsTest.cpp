#include "platform/win32/Win32Dialogs.h"

#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/Unicode.h"

namespace tarnwick {
namespace {

// Answers the modal boxes of this thread in turn, from a timer that keeps ticking inside their
// loops: each step gets the next box that takes input (a box over another disables it).
class DialogScript {
 public:
  using Step = std::function<void(HWND)>;

  explicit DialogScript(std::vector<Step> steps) : m_steps(std::move(steps)) {
    s_current = this;
    m_timer = SetTimer(nullptr, 0, 20, &DialogScript::Tick);
  }
  ~DialogScript() {
    KillTimer(nullptr, m_timer);
    s_current = nullptr;
  }
  DialogScript(const DialogScript&) = delete;
  DialogScript& operator=(const DialogScript&) = delete;

  size_t StepsTaken() const { return m_next; }

 private:
  static BOOL CALLBACK Collect(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) == L"#32770" && IsWindowVisible(window) && IsWindowEnabled(window)) {
      *reinterpret_cast<HWND*>(found) = window;
    }
    return TRUE;
  }

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    DialogScript* script = s_current;
    if (script == nullptr || script->m_busy || script->m_next >= script->m_steps.size()) return;
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &DialogScript::Collect, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr || box == script->m_handled) return;
    script->m_busy = true;
    script->m_handled = box;
    script->m_steps[script->m_next++](box);
    script->m_busy = false;
  }

  static inline DialogScript* s_current = nullptr;
  std::vector<Step> m_steps;
  size_t m_next = 0;
  HWND m_handled = nullptr;
  bool m_busy = false;
  UINT_PTR m_timer = 0;
};

std::wstring NameBox(HWND dialog) {
  wchar_t text[MAX_PATH] = {};
  GetDlgItemTextW(dialog, cmb13, text, MAX_PATH);
  return text;
}

// Types a name into the file dialog's name box and presses its OK button.
DialogScript::Step TypeAndOk(std::wstring name, std::wstring* proposed = nullptr, bool* readOnlyShown = nullptr,
                             bool* resizable = nullptr) {
  return [=](HWND dialog) {
    if (proposed != nullptr) *proposed = NameBox(dialog);
    if (readOnlyShown != nullptr) *readOnlyShown = IsWindowVisible(GetDlgItem(dialog, chx1)) != FALSE;
    if (resizable != nullptr) *resizable = (GetWindowLongW(dialog, GWL_STYLE) & WS_THICKFRAME) != 0;
    SetDlgItemTextW(dialog, cmb13, name.c_str());
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  };
}

DialogScript::Step Press(int button) {
  return [button](HWND box) { PostMessageW(GetDlgItem(box, button), BM_CLICK, 0, 0); };
}

class Win32DialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH + 1];
    ASSERT_GT(GetTempPathW(MAX_PATH + 1, temp), 0u);
    m_folder = std::wstring(temp) + L"tarnwick-dialogs-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    std::filesystem::create_directories(m_folder);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
  }
  std::wstring In(const std::wstring& name) const { return m_folder + name; }
  void Put(const std::wstring& name) const {
    HANDLE file = CreateFileW(In(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
  }

  Win32Dialogs dialogs;
  std::wstring m_folder;
};

TEST_F(Win32DialogsTest, ExportAddsTheExtensionAndProposesANameAFileMayHave) {
  std::wstring proposed;
  bool readOnlyShown = true;
  bool resizable = false;
  DialogScript script({TypeAndOk(In(L"Saved"), &proposed, &readOnlyShown, &resizable)});
  const std::optional<std::string> chosen = dialogs.ChooseExportFile("Tools: Work?");
  EXPECT_EQ(proposed, L"Tools_ Work_.ini");
  EXPECT_FALSE(readOnlyShown);
  EXPECT_TRUE(resizable);
  EXPECT_EQ(chosen, Narrow(In(L"Saved.ini")));
}

TEST_F(Win32DialogsTest, ExportOverAnExistingFileAsksFirst) {
  Put(L"Old.ini");
  // The name, then the question whether to replace the file: Yes.
  std::wstring proposed;
  DialogScript script({TypeAndOk(In(L"Old"), &proposed), Press(IDYES)});
  EXPECT_EQ(dialogs.ChooseExportFile("Old.INI"), Narrow(In(L"Old.ini")));
  EXPECT_EQ(script.StepsTaken(), 2u);
  EXPECT_EQ(proposed, L"Old.INI");
}

TEST_F(Win32DialogsTest, ImportTakesOnlyAnExistingFileAndCancelGivesNothing) {
  Put(L"Menu.ini");
  {
    bool readOnlyShown = true;
    DialogScript script({TypeAndOk(In(L"Menu.ini"), nullptr, &readOnlyShown)});
    EXPECT_EQ(dialogs.ChooseMenuFileToImport(), Narrow(In(L"Menu.ini")));
    EXPECT_FALSE(readOnlyShown);
  }
  {
    // A missing file is refused with a message, and the dialog stays for another choice.
    DialogScript script({TypeAndOk(In(L"Missing.ini")), Press(IDOK), Press(IDCANCEL)});
    EXPECT_EQ(dialogs.ChooseMenuFileToImport(), std::nullopt);
    EXPECT_EQ(script.StepsTaken(), 3u);
  }
}

}  // namespace
}  // namespace tarnwick
