#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/Font.h"
#include "model/Geometry.h"

namespace tarnwick {

inline constexpr int kTriggerCount = 10;

// The trigger sources by index: the four corners, the four edges, then the tray icon's clicks.
enum TriggerSource : int {
  kTriggerBottomRight,
  kTriggerTopRight,
  kTriggerBottomLeft,
  kTriggerTopLeft,
  kTriggerRight,
  kTriggerLeft,
  kTriggerBottom,
  kTriggerTop,
  kTriggerTrayLeftClick,
  kTriggerTrayRightClick,
};
// No trigger source: a re-placement of the current menu.
inline constexpr int kNoTrigger = -1;

// The trigger sources in their fixed order; also the keys of [Popup Enabled] and [Popup],
// never translated.
inline constexpr std::array<std::string_view, kTriggerCount> TriggerNames = {
    "Bottom Right", "Top Right", "Bottom Left", "Top Left", "Right",
    "Left",         "Bottom",    "Top",         "Tray Left Click", "Tray Right Click"};

// Every saved setting, with its default.
struct Settings {
  std::string LanguageFile;
  bool Startup = true;
  bool Autosave = true;
  bool TrayMenu = true;
  bool HideDupNo = true;
  bool GetShortcut = true;
  bool Tarnwik = true;  // hide the menu after a click on a cell
  bool ExcludeCorners = true;
  int Sensitive = 2;
  // No corner or edge pops up while a fullscreen program is in front.
  bool FullscreenGuard = true;
  // The corners and edges of every monitor trigger, not only the primary screen's.
  bool AllMonitors = false;
  FontSpec MenuFont;
  Color Background = kDefaultBackground;
  Color Text = kDefaultText;
  Color Highlight = kDefaultHighlight;
  Color HighlightText = kDefaultHighlightText;
  std::array<bool, kTriggerCount> TriggerEnabled = {true,  false, false, false, false,
                                                    false, false, false, true,  false};
  std::array<int, kTriggerCount> TriggerMenuIds = {};
};

// Runtime flags, never saved, all off at start.
struct RuntimeFlags {
  bool MenuLocked = false;
  // The trigger monitor leaves the windows alone while a dialog is open. It has two owners,
  // kept apart so that one closing does not clear the other's share.
  bool OptionsShown = false;
  bool CommandDialogOpen = false;
  bool DialogOpen() const { return OptionsShown || CommandDialogOpen; }
  bool PopupsDisabled = false;
  int DwellCount = 0;
};

}  // namespace tarnwick
