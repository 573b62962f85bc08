#include "app/Application.h"

#include <exception>

#include "contextmenu/TAMenu.h"
#include "menuwindow/TTarnwick.h"
#include "options/TOptions.h"
#include "special/TAddSpecial.h"

namespace tarnwick {

namespace {

void CreateAndRun(Platform& platform) {
  // The later windows read from the earlier ones (file, settings, menu list), so the order
  // is fixed; they are destroyed, in reverse, only after the message loop has ended.
  TOptions options(platform);
  options.FormCreate();
  TTarnwick menuWindow(platform, options);
  options.AttachMenuWindow(menuWindow);
  menuWindow.FormCreate();
  options.ReleaseFile();
  TAMenu contextMenu(platform, options);
  contextMenu.FormCreate();
  options.AttachContextMenu(contextMenu);
  menuWindow.AttachContextMenu(contextMenu);
  TAddSpecial addSpecial(platform, options);
  addSpecial.FormCreate();

  options.ShowAtStartIfNeeded();
  // Started here rather than on the menu window's first activation: a window shown without
  // activation would never start it.
  options.StartTriggerMonitor();
  platform.host.RunMessageLoop();
}

}  // namespace

int RunApplication(Platform& platform) {
  if (platform.host.AnotherInstanceRunning()) return 0;
  try {
    CreateAndRun(platform);
  } catch (const std::exception& error) {
    platform.dialogs.ShowError(error.what());
  }
  return 0;
}

}  // namespace tarnwick
