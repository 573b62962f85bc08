#include "win32/QuietForms.h"
#include "platform/win32/Win32Hotkeys.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <stdexcept>
#include <vector>

#include "platform/win32/Win32Window.h"
#include "platform/win32/Win32WindowFactory.h"

namespace tarnwick {
namespace {

// Not a Win32Window: it has no handle to register on.
class ForeignWindow final : public Window {
 public:
  void SetBounds(const Rect&) override {}
  Rect Bounds() const override { return {}; }
  void ShowNoActivate() override {}
  void ShowActivate() override {}
  void Hide() override {}
  bool IsVisible() const override { return false; }
  void Invalidate() override {}
  void Repaint() override {}
  void Draw(const std::function<void(Canvas&)>&) override {}
  void RaiseToTop() override {}
  Point ClientToScreen(Point client) const override { return client; }
  void Close() override {}
  void AcceptFiles(bool) override {}
  void StartTimer(int, int) override {}
  void StopTimer(int) override {}
  EditBox& AddEditBox(int, const Rect&) override { throw std::logic_error("no controls"); }
  ListBox& AddListBox(int, const Rect&) override { throw std::logic_error("no controls"); }
  ScrollBar& AddScrollBar(int, const Rect&) override { throw std::logic_error("no controls"); }
  void SetHints(const std::vector<Hint>&) override {}
};

// An unlikely combination, so that nothing else on the test machine holds it. Hotkeys belong
// to the whole session (under Wine: the wineserver), so each test has a key of its own in case
// ctest runs them side by side.
constexpr int kCtrlShiftWin = 2 | 4 | 8;
constexpr int kKey = VK_F9;
constexpr int kOtherKey = VK_F10;

void Press(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    inputs.push_back(input);
  }
  for (auto it = keys.end(); it != keys.begin();) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = *--it;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

class Win32HotkeysTest : public ::testing::Test {
 protected:
  WindowSpec Spec() {
    WindowSpec spec;
    spec.className = "TarnwickHotkeyTest";
    spec.toolWindow = true;
    return spec;
  }
  NoDialogs m_dialogs;
  NoEvents m_events;
  Win32WindowFactory factory_{m_dialogs, nullptr};
  Win32Hotkeys hotkeys_;
};

TEST_F(Win32HotkeysTest, ACombinationBelongsToOneWindowUntilUnregistered) {
  auto first = factory_.Create(Spec(), m_events);
  auto second = factory_.Create(Spec(), m_events);

  ASSERT_TRUE(hotkeys_.Register(*first, 1, kCtrlShiftWin, kOtherKey));
  EXPECT_FALSE(hotkeys_.Register(*second, 2, kCtrlShiftWin, kOtherKey));
  hotkeys_.Unregister(*first, 1);
  EXPECT_TRUE(hotkeys_.Register(*second, 2, kCtrlShiftWin, kOtherKey));
  hotkeys_.Unregister(*second, 2);
}

TEST_F(Win32HotkeysTest, PressingTheKeysPostsTheHotkeyToItsWindow) {
  auto window = factory_.Create(Spec(), m_events);
  HWND hwnd = static_cast<Win32Window&>(*window).Handle();
  ASSERT_TRUE(hotkeys_.Register(*window, 5, kCtrlShiftWin, kKey));

  Press({VK_CONTROL, VK_SHIFT, VK_LWIN, kKey});
  // Other messages are dispatched; WM_HOTKEY is left in the queue to be looked at.
  MSG msg{};
  const auto hotkeyQueued = [&] {
    return PeekMessageW(&msg, hwnd, WM_HOTKEY, WM_HOTKEY, PM_REMOVE) != FALSE;
  };
  bool arrived = false;
  for (int i = 0; i < 300 && !(arrived = hotkeyQueued()); ++i) {
    MSG other;
    while (PeekMessageW(&other, nullptr, 0, WM_HOTKEY - 1, PM_REMOVE) ||
           PeekMessageW(&other, nullptr, WM_HOTKEY + 1, 0xFFFF, PM_REMOVE)) {
      DispatchMessageW(&other);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  hotkeys_.Unregister(*window, 5);

  ASSERT_TRUE(arrived);
  EXPECT_EQ(msg.wParam, 5u);
  EXPECT_EQ(LOWORD(msg.lParam), MOD_CONTROL | MOD_SHIFT | MOD_WIN);
  EXPECT_EQ(HIWORD(msg.lParam), kKey);
}

TEST_F(Win32HotkeysTest, RefusesWindowsOfAnotherKind) {
  ForeignWindow foreign;
  EXPECT_FALSE(hotkeys_.Register(foreign, 1, kCtrlShiftWin, kKey));
  hotkeys_.Unregister(foreign, 1);  // harmless
}

}  // namespace
}  // namespace tarnwick
