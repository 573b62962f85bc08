#pragma once

#include <windows.h>

#include <commctrl.h>

#include <set>
#include <string>

#include "platform/Dialogs.h"
#include "platform/Window.h"
#include "platform/win32/Handles.h"

namespace tarnwick {

// Makes Win32Windows. Registers each window class on first use and keeps one hidden owner
// window for the windows that are not tool windows, so that none has a task-bar button.
// The windows must not outlive the factory: destroying it destroys the owner and with it
// every window it owns.
class Win32WindowFactory final : public WindowFactory {
 public:
  // dialogs shows the exceptions that escape the windows' event handlers; images is the shared
  // image list the windows' canvases draw pictures from, pickerImages the icon picker's strip
  // (neither owned; null draws none).
  Win32WindowFactory(Dialogs& dialogs, HIMAGELIST images, HIMAGELIST pickerImages = nullptr);

  // Throws std::runtime_error when the class or the window cannot be created.
  std::unique_ptr<Window> Create(const WindowSpec& spec, WindowEvents& events) override;

 private:
  void RegisterClassOnce(const std::wstring& className);
  HWND Owner();

  Dialogs& m_dialogs;
  HIMAGELIST m_images;
  HIMAGELIST m_pickerImages;
  HINSTANCE m_instance;
  std::set<std::wstring> m_registered;
  UniqueHwnd m_owner;
};

}  // namespace tarnwick
