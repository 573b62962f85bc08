#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "model/Geometry.h"

namespace tarnwick {

enum class MouseButton { Left, Right, Middle };

// What a window tells the form that drives it. Every handler runs on the one GUI thread.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  virtual void FormPaint(Canvas& canvas) = 0;
  // The window is closing (the user or the program asked); it is destroyed afterwards.
  virtual void FormClose() {}
  // Windows asks whether the user's session may end; the answer is always yes.
  virtual void FormQueryEndSession() {}
  virtual void FormTimer(int /*timerId*/) {}
  // Client coordinates.
  virtual void FormMouseMove(Point /*point*/) {}
  virtual void FormMouseDown(MouseButton /*button*/, Point /*point*/) {}
  virtual void FormMouseUp(MouseButton /*button*/, Point /*point*/) {}
  // The second press of a double click. Forms that do not tell it apart take it as a press.
  virtual void FormMouseDoubleClick(MouseButton button, Point point) { FormMouseDown(button, point); }
  // A press on the notification-area icon owned by this window.
  virtual void FormTrayClick(MouseButton /*button*/) {}
  // The task bar was created anew (Explorer restarted): icons must be added again.
  virtual void FormTaskbarCreated() {}
  // The display layout changed: a monitor came, went, moved or changed its resolution.
  virtual void FormDisplayChange() {}
  // The user chose another entry of the list box of that id.
  virtual void FormControlChanged(int /*controlId*/) {}
  // Enter (accept) or Esc (cancel) pressed in a window with child controls.
  virtual void FormDialogKey(bool /*accept*/) {}
  // A registered system-wide hotkey was pressed.
  virtual void FormHotkey(int /*hotkeyId*/) {}
  // The text of the edit box of that id changed, by the user or by the program.
  virtual void FormEditChanged(int /*controlId*/) {}
  // A key went down or up (virtual-key code) in an edit box of that id that takes keys.
  virtual void FormEditKeyDown(int /*controlId*/, int /*key*/) {}
  virtual void FormEditKeyUp(int /*controlId*/, int /*key*/) {}
  // The user moved the scroll bar of that id to a position.
  virtual void FormScrolled(int /*controlId*/, int /*position*/) {}
  // Files dropped on the window, in drop order; the point is in client coordinates and
  // inClient tells whether it lies in the client area.
  virtual void FormDropFiles(Point /*point*/, bool /*inClient*/, const std::vector<std::string>& /*files*/) {}
};

struct WindowSpec {
  std::string className;
  std::string title;
  Rect bounds;
  bool topmost = false;
  // A tool window: no task-bar button and no place in Alt+Tab. Other windows are owned by a
  // hidden window so that they show no task-bar button either.
  bool toolWindow = false;
  // The main window: destroying it ends the message loop.
  bool mainWindow = false;
};

// A one-line text box, a child of a window, for what the user types.
class EditBox {
 public:
  EditBox() = default;
  EditBox(const EditBox&) = delete;
  EditBox& operator=(const EditBox&) = delete;
  virtual ~EditBox() = default;

  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& utf8) = 0;
  // A disabled box shows its text greyed and takes no input.
  virtual void SetEnabled(bool enabled) = 0;
  virtual void SetFont(const FontSpec& font) = 0;
  virtual void Focus() = 0;
  // A box can be hidden (the boxes of a page that is not in front).
  virtual void SetVisible(bool visible) = 0;
  // A read-only box takes no typing; it still shows its text black on white.
  virtual void SetReadOnly(bool readOnly) = 0;
  virtual void SetTextColor(Color color) = 0;
  // Puts the caret after the last character, scrolling the end of the text into view.
  virtual void CaretToEnd() = 0;
  // A box that takes keys gets every key but Tab (Enter, Esc and the arrows too) and reports
  // each press and release (FormEditKeyDown, FormEditKeyUp), for a key to be chosen in it.
  virtual void SetTakesKeys(bool takesKeys) = 0;
};

// A horizontal scroll bar, a child of a window. Positions count steps from 0; the bar covers
// `count` steps of which `page` are in view at once, so the last position is count - page.
class ScrollBar {
 public:
  ScrollBar() = default;
  ScrollBar(const ScrollBar&) = delete;
  ScrollBar& operator=(const ScrollBar&) = delete;
  virtual ~ScrollBar() = default;

  virtual void SetRange(int count, int page) = 0;
  virtual void SetPosition(int position) = 0;
  virtual int Position() const = 0;
  virtual void SetVisible(bool visible) = 0;
};

// A list of texts, a child of a window, of which the user chooses one.
class ListBox {
 public:
  ListBox() = default;
  ListBox(const ListBox&) = delete;
  ListBox& operator=(const ListBox&) = delete;
  virtual ~ListBox() = default;

  virtual void SetItems(const std::vector<std::string>& utf8Items) = 0;
  // The chosen entry, or -1.
  virtual int Selected() const = 0;
  // Chooses an entry without telling the form (FormControlChanged is for the user's choices).
  virtual void Select(int index) = 0;
  virtual void SetFont(const FontSpec& font) = 0;
  virtual void SetVisible(bool visible) = 0;
  // Every row this many pixels high, whatever the font.
  virtual void SetRowHeight(int pixels) = 0;
  // The entry shown in the top row (the list scrolls when it holds more than it shows).
  virtual int TopIndex() const = 0;
};

// A text shown while the cursor rests on an area of a window's client.
struct Hint {
  Rect area;
  std::string text;
  friend bool operator==(const Hint&, const Hint&) = default;
};

// A top-level, borderless, owner-drawn window with no task-bar button.
class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window() = default;

  virtual void SetBounds(const Rect& bounds) = 0;
  virtual Rect Bounds() const = 0;
  // Shows the window without taking the focus from the user's application.
  virtual void ShowNoActivate() = 0;
  virtual void ShowActivate() = 0;
  virtual void Hide() = 0;
  virtual bool IsVisible() const = 0;
  virtual void Invalidate() = 0;
  // Paints the whole window now.
  virtual void Repaint() = 0;
  // Draws on the window outside a paint request (the hover highlight of one cell).
  virtual void Draw(const std::function<void(Canvas&)>& draw) = 0;
  // Puts the window at the top of the always-on-top band without moving, sizing or
  // activating it.
  virtual void RaiseToTop() = 0;
  virtual Point ClientToScreen(Point client) const = 0;
  // Asks the window to close, as the user would: FormClose runs, then the window goes.
  virtual void Close() = 0;
  virtual void AcceptFiles(bool accept) = 0;
  virtual void StartTimer(int timerId, int milliseconds) = 0;
  virtual void StopTimer(int timerId) = 0;
  // Child controls, where the platform has real ones (typing, selection, keyboard). The
  // window owns them; they go with it. Bounds are in client pixels.
  virtual EditBox& AddEditBox(int controlId, const Rect& bounds) = 0;
  virtual ListBox& AddListBox(int controlId, const Rect& bounds) = 0;
  // Moves in single steps, pages and with its thumb, which scrolls while it is dragged
  // (FormScrolled at every step).
  virtual ScrollBar& AddScrollBar(int controlId, const Rect& bounds) = 0;
  // The hints of the window's owner-drawn controls, replacing the previous ones. A hint shows
  // at once when the cursor comes to rest on its area and stays for ten seconds.
  virtual void SetHints(const std::vector<Hint>& hints) = 0;
};

class WindowFactory {
 public:
  WindowFactory() = default;
  WindowFactory(const WindowFactory&) = delete;
  WindowFactory& operator=(const WindowFactory&) = delete;
  virtual ~WindowFactory() = default;

  // Creates the window hidden. The events object must outlive the window.
  virtual std::unique_ptr<Window> Create(const WindowSpec& spec, WindowEvents& events) = 0;
};

}  // namespace tarnwick
