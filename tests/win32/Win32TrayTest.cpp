#include "win32/QuietForms.h"
#include "platform/win32/Win32Tray.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/Win32Window.h"
#include "platform/win32/Win32WindowFactory.h"
#include "win32/MessagePump.h"
#include "wine/WineTray.h"

namespace tarnwick {
namespace {

using test::ClickWineTrayIcon;
using test::PumpUntil;
using test::WineTrayIcons;

class TrayEvents final : public WindowEvents {
 public:
  void FormPaint(Canvas&) override {}
  void FormTrayClick(MouseButton button) override { clicks.push_back(button); }
  std::vector<MouseButton> clicks;
};

// Wine's explorer is the notification area here; this test must be the only icon owner.
TEST(Win32Tray, IconComesAndGoesAndReportsPressesToItsOwner) {
  NoDialogs dialogs;
  TrayEvents events;
  Win32WindowFactory factory(dialogs, nullptr);
  WindowSpec spec;
  spec.className = "TarnwickTrayTestOwner";
  auto owner = factory.Create(spec, events);
  ASSERT_TRUE(WineTrayIcons().empty());

  Win32Tray tray;
  ASSERT_TRUE(tray.Add(*owner));
  std::vector<HWND> icons;
  ASSERT_TRUE(PumpUntil([&] { return (icons = WineTrayIcons()).size() == 1; }));
  // Added again while it is there (a task bar that announced itself with the icon in it): it
  // counts as shown, and it is still one icon.
  EXPECT_TRUE(tray.Add(*owner));
  test::PumpFor(50);
  EXPECT_EQ(WineTrayIcons().size(), 1u);

  struct Case {
    UINT down, up;
    MouseButton button;
  };
  for (const Case& c : {Case{WM_LBUTTONDOWN, WM_LBUTTONUP, MouseButton::Left},
                        Case{WM_RBUTTONDOWN, WM_RBUTTONUP, MouseButton::Right}}) {
    events.clicks.clear();
    ClickWineTrayIcon(icons[0], c.down, c.up);
    ASSERT_TRUE(PumpUntil([&] { return !events.clicks.empty(); }));
    test::PumpFor(50);  // the release and the moves around it are not presses
    EXPECT_EQ(events.clicks, std::vector<MouseButton>{c.button});
  }

  tray.Remove(*owner);
  EXPECT_TRUE(PumpUntil([] { return WineTrayIcons().empty(); }));
}

}  // namespace
}  // namespace tarnwick
