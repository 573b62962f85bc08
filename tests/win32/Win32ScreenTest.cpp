#include "platform/win32/Win32Screen.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace tarnwick {
namespace {

// Under the test Xvfb there is one monitor, the primary screen: 1280 x 800 at 0,0.
TEST(Win32Screen, TheMonitorListIsThePrimaryScreenHereAndStaysAcrossARefresh) {
  Win32Screen screen;
  const Size primary = screen.ScreenSize();
  const std::vector<Rect> expected{{0, 0, primary.width, primary.height}};
  EXPECT_EQ(std::vector<Rect>(screen.Monitors().begin(), screen.Monitors().end()), expected);
  EXPECT_EQ(screen.Monitors().data(), screen.Monitors().data()) << "read from the kept list";
  screen.RefreshMonitors();
  EXPECT_EQ(std::vector<Rect>(screen.Monitors().begin(), screen.Monitors().end()), expected);
}

void SendButton(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

TEST(Win32Screen, AHeldButtonOfAnyKindCounts) {
  Win32Screen screen;
  struct Case {
    const char* name;
    DWORD down;
    DWORD up;
  };
  const Case cases[] = {{"left", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
                        {"right", MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP},
                        {"middle", MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP}};
  EXPECT_FALSE(screen.MouseButtonHeld());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SendButton(c.down);
    EXPECT_TRUE(screen.MouseButtonHeld());
    SendButton(c.up);
    EXPECT_FALSE(screen.MouseButtonHeld());
  }
}

// Our own windows never count as a fullscreen program, even one that covers the screen.
TEST(Win32Screen, OurOwnWindowOverTheWholeScreenIsNoFullscreenProgram) {
  Win32Screen screen;
  const Size primary = screen.ScreenSize();
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, primary.width, primary.height,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  SetForegroundWindow(window);
  ASSERT_EQ(GetForegroundWindow(), window);
  EXPECT_FALSE(screen.ForegroundIsFullscreen());
  DestroyWindow(window);
}

}  // namespace
}  // namespace tarnwick
