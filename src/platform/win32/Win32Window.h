#pragma once

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/Window.h"

namespace tarnwick {

// A window of the program: its procedure turns messages into WindowEvents calls. Made by
// Win32WindowFactory. An exception thrown by a handler stops at the procedure, is shown with
// the error display, and the message loop goes on. Closing the main window hides it and ends
// the message loop; like every window, it is destroyed with its object, after the loop.
class Win32Window final : public Window {
 public:
  // Destroys the window if it is still there, without calling the events object.
  ~Win32Window() override;

  // The window handle, or null once the window is destroyed.
  HWND Handle() const { return m_hwnd; }

  void SetBounds(const Rect& bounds) override;
  Rect Bounds() const override;
  void ShowNoActivate() override;
  void ShowActivate() override;
  void Hide() override;
  bool IsVisible() const override;
  void Invalidate() override;
  void Repaint() override;
  void Draw(const std::function<void(Canvas&)>& draw) override;
  void RaiseToTop() override;
  Point ClientToScreen(Point client) const override;
  void Close() override;
  void AcceptFiles(bool accept) override;
  void StartTimer(int timerId, int milliseconds) override;
  void StopTimer(int timerId) override;
  EditBox& AddEditBox(int controlId, const Rect& bounds) override;
  ListBox& AddListBox(int controlId, const Rect& bounds) override;
  ScrollBar& AddScrollBar(int controlId, const Rect& bounds) override;
  void SetHints(const std::vector<Hint>& hints) override;

 private:
  friend class Win32WindowFactory;

  Win32Window(WindowEvents& events, Dialogs& dialogs, HIMAGELIST images, HIMAGELIST pickerImages, bool mainWindow,
              bool noActivate)
      : m_events(events),
        m_dialogs(dialogs),
        m_images(images),
        m_pickerImages(pickerImages),
        m_mainWindow(mainWindow),
        m_noActivate(noActivate) {}

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void OnClose();
  void OnButtonDown(MouseButton button, LPARAM lParam, bool doubleClick);
  void OnButtonUp(MouseButton button, LPARAM lParam);
  void OnTrayCallback(LPARAM mouseMessage);
  void OnDropFiles(HDROP drop);
  void BecomeControlParent();
  void OnScroll(HWND bar, int request);
  // The brush of an edit box's background, with its text colour set; null when not ours.
  HBRUSH EditColors(HDC dc, HWND box);

  // Runs a handler; returns the text of an exception it threw.
  template <typename Handler>
  static std::optional<std::string> Catch(Handler&& handler) noexcept;
  // Runs a handler and shows an exception it threw; false when it threw.
  template <typename Handler>
  bool Guarded(Handler&& handler) noexcept;
  void Report(const std::string& message) noexcept;

  WindowEvents& m_events;
  Dialogs& m_dialogs;
  HIMAGELIST m_images;  // the shared image list the canvases draw from; not owned, may be null
  HIMAGELIST m_pickerImages;  // the icon picker's strip, likewise
  bool m_mainWindow;
  bool m_noActivate;  // a click must not take the focus from the user's application
  bool m_closed = false;
  HWND m_hwnd = nullptr;
  HWND m_focus = nullptr;  // the child control that had the focus last
  HWND m_tooltip = nullptr;  // made with the first hints; a window of its own, owned by this one
  size_t m_hintCount = 0;
  std::vector<std::unique_ptr<EditBox>> m_editBoxes;
  std::vector<std::unique_ptr<ListBox>> m_listBoxes;
  std::vector<std::unique_ptr<ScrollBar>> m_scrollBars;
};

}  // namespace tarnwick
