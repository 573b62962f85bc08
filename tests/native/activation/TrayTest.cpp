#include <gtest/gtest.h>

#include "fakes/MenuWindowFixture.h"

namespace tarnwick {
namespace {

using testing_support::Configuration;

class TrayTest : public testing_support::MenuWindowFixture {
 protected:
  void Disable() { app->DisableActivation(); }
  void TrayClick(MouseButton button) { OptionsWindow().events.FormTrayClick(button); }
  void RetryTimer() { OptionsWindow().events.FormTimer(kTrayRetryTimerId); }
};

TEST_F(TrayTest, WithTrayMenuOnTheLeftButtonPopsUpTheTrayMenuAtOnce) {
  Start("[Setting]\nVersion=2.0\nSensitive=0\n[Menu]\nA=0\nB=2\n[Popup]\nTray Left Click=2\n");
  Disable();
  EXPECT_TRUE(fake.tray.shown);
  fake.screen.cursor = {1200, 790};
  TrayClick(MouseButton::Left);
  EXPECT_TRUE(menu->MenuShowing());
  EXPECT_EQ(Table().CurrentMenuId(), 2);
  EXPECT_EQ(menu->ActiveTrigger(), 8);
  EXPECT_TRUE(Flags().PopupsDisabled);  // still disabled
}

TEST_F(TrayTest, TheRightButtonNeedsItsTriggerAndTrayMenu) {
  Start(Configuration(1, 1, "", ""));
  Disable();
  TrayClick(MouseButton::Right);  // "Tray Right Click" is off by default
  EXPECT_FALSE(menu->MenuShowing());
  Options().TriggerEnabled[9] = true;
  TrayClick(MouseButton::Right);
  EXPECT_TRUE(menu->MenuShowing());
  EXPECT_EQ(menu->ActiveTrigger(), 9);

  menu->HideMenu();
  Options().TrayMenu = false;
  TrayClick(MouseButton::Right);
  EXPECT_FALSE(menu->MenuShowing());
  EXPECT_TRUE(fake.tray.shown);
}

TEST_F(TrayTest, WithTrayMenuOffTheLeftButtonReenablesAndBringsBackALockedMenu) {
  Start(Configuration(1, 1, "Tray Menu=0\n", ""));
  PopUp();
  Flags().MenuLocked = true;
  Disable();
  EXPECT_FALSE(MenuWindow().visible);
  TrayClick(MouseButton::Left);
  EXPECT_FALSE(Flags().PopupsDisabled);
  EXPECT_FALSE(fake.tray.shown);
  EXPECT_TRUE(menu->IsMenuVisible());
  EXPECT_TRUE(menu->MenuShowing());
  EXPECT_EQ(MenuWindow().bounds, (Rect{1178, 778, 1280, 800}));
}

TEST_F(TrayTest, ARefusedIconLeavesActivationOn) {
  Start(Configuration(1, 1, "", ""));
  PopUp();
  Flags().MenuLocked = true;
  fake.tray.refuse = true;
  Disable();
  EXPECT_TRUE(Flags().PopupsDisabled) << "the task bar may come within the minute";
  EXPECT_EQ(OptionsWindow().timers.at(kTrayRetryTimerId), kTrayRetryIntervalMs);
  for (int retry = 1; retry < kTrayRetries; ++retry) RetryTimer();
  EXPECT_TRUE(Flags().PopupsDisabled);
  RetryTimer();
  EXPECT_FALSE(Flags().PopupsDisabled);
  EXPECT_FALSE(OptionsWindow().timers.contains(kTrayRetryTimerId));
  EXPECT_EQ(fake.tray.adds, 1 + kTrayRetries);
  EXPECT_TRUE(menu->IsMenuVisible()) << "the locked menu comes back with activation";
}

TEST_F(TrayTest, AnIconRefusedBeforeTheTaskBarIsUpComesWithARetryOrTheTaskBar) {
  Start(Configuration(1, 1, "", ""));
  for (const bool byTaskbarMessage : {false, true}) {
    SCOPED_TRACE(byTaskbarMessage ? "TaskbarCreated" : "retry");
    fake.tray.refuse = true;
    Disable();
    RetryTimer();
    RetryTimer();
    EXPECT_FALSE(fake.tray.shown);
    fake.tray.refuse = false;
    if (byTaskbarMessage) {
      OptionsWindow().events.FormTaskbarCreated();
    } else {
      RetryTimer();
    }
    EXPECT_TRUE(fake.tray.shown);
    EXPECT_FALSE(OptionsWindow().timers.contains(kTrayRetryTimerId));
    for (int retry = 0; retry < kTrayRetries; ++retry) RetryTimer();  // late ticks change nothing
    EXPECT_TRUE(Flags().PopupsDisabled);
    EXPECT_TRUE(fake.tray.shown);
    app->EnableActivation();
  }
}

TEST_F(TrayTest, EnablingWhileTheIconIsRefusedEndsTheRetries) {
  Start(Configuration(1, 1, "", ""));
  fake.tray.refuse = true;
  Disable();
  app->EnableActivation();
  EXPECT_FALSE(OptionsWindow().timers.contains(kTrayRetryTimerId));
  fake.tray.refuse = false;
  RetryTimer();
  EXPECT_FALSE(fake.tray.shown);
  EXPECT_FALSE(Flags().PopupsDisabled);
}

TEST_F(TrayTest, TrayClicksPopUpWhateverTheTriggerGuardsSay) {
  Start(Configuration(1, 1, "", ""));
  Disable();
  fake.screen.buttonHeld = true;  // the click itself holds the button down
  fake.screen.fullscreen = true;
  TrayClick(MouseButton::Left);
  EXPECT_TRUE(menu->MenuShowing());
}

TEST_F(TrayTest, TheIconComesBackWithTheTaskBarAndGoesAtExit) {
  Start(Configuration(1, 1, "Autosave=0\n", ""));
  OptionsWindow().events.FormTaskbarCreated();
  EXPECT_EQ(fake.tray.adds, 0);
  Disable();
  OptionsWindow().events.FormTaskbarCreated();
  EXPECT_EQ(fake.tray.adds, 2);
  OptionsWindow().events.FormClose();
  EXPECT_FALSE(fake.tray.shown);
}

}  // namespace
}  // namespace tarnwick
