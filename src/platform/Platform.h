#pragma once

#include "platform/AnsiCodePage.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Hotkeys.h"
#include "platform/Icons.h"
#include "platform/Registry.h"
#include "platform/Screen.h"
#include "platform/Shell.h"
#include "platform/Shortcuts.h"
#include "platform/Tray.h"
#include "platform/Window.h"

namespace tarnwick {

// Every platform service the program uses, handed to the windows at creation.
struct Platform {
  ApplicationHost& host;
  FileSystem& files;
  const AnsiCodePage& codePage;
  Dialogs& dialogs;
  WindowFactory& windows;
  Screen& screen;
  Hotkeys& hotkeys;
  Icons& icons;
  TextMeasure& measure;
  Shell& shell;
  Tray& tray;
  Shortcuts& shortcuts;
  RunList& runList;
};

}  // namespace tarnwick
