// The Windows entry point: builds the Win32 platform services and runs the application.
#include <windows.h>

#include <commctrl.h>

#include <exception>

#include "app/Application.h"
#include "platform/Platform.h"
#include "platform/win32/GdiTextMeasure.h"
#include "platform/win32/Win32AnsiCodePage.h"
#include "platform/win32/Win32ApplicationHost.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Hotkeys.h"
#include "platform/win32/Win32Icons.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32RunList.h"
#include "platform/win32/Win32Shortcuts.h"
#include "platform/win32/Win32Tray.h"
#include "platform/win32/Win32WindowFactory.h"

namespace {

int Run(tarnwick::Dialogs& dialogs) {
  tarnwick::Win32ApplicationHost host;
  tarnwick::Win32FileSystem files;
  tarnwick::Win32AnsiCodePage codePage;
  // Before the factory: the windows draw from its image list, which must outlive them.
  tarnwick::Win32Icons icons;
  tarnwick::Win32WindowFactory windows(dialogs, icons.ImageList(), icons.PickerImageList());
  tarnwick::Win32Screen screen;
  tarnwick::Win32Hotkeys hotkeys;
  tarnwick::GdiTextMeasure measure;
  tarnwick::Win32Shell shell;
  tarnwick::Win32Tray tray;
  tarnwick::Win32Shortcuts shortcuts;
  tarnwick::Win32RunList runList;
  tarnwick::Platform platform{host,    files, codePage, dialogs, windows,   screen,
                              hotkeys, icons, measure,  shell,   tray,    shortcuts, runList};
  return tarnwick::RunApplication(platform);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Registers the common control classes, so that the version 6 controls the manifest asks
  // for are there for the dialogs.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);

  tarnwick::Win32Dialogs dialogs;
  try {
    return Run(dialogs);
  } catch (const std::exception& e) {
    dialogs.ShowError(e.what());
  } catch (...) {
    dialogs.ShowError("An unknown error occurred.");
  }
  return 0;
}
