#pragma once

#include <string>

#include "model/Geometry.h"

namespace tarnwick {

// What the windows need of each other. Each window knows the others only through these, so
// no window's header includes another's.

// What the others need of the menu window.
class MenuWindowControl {
 public:
  virtual ~MenuWindowControl() = default;
  // Sizes and places the menu of a trigger source at a screen point and shows it; trigger -1
  // re-places the current menu at the last anchor. Trigger calls wait for the dwell count.
  virtual void ShowMenuAt(int x, int y, int trigger) = 0;
  virtual void HideMenu() = 0;
  // After an edit: re-place and repaint the menu if it is showing.
  virtual void RefreshIfVisible() = 0;
  // Takes copies of the display colours and the menu font of the settings (Apply).
  virtual void ApplyDisplaySettings() = 0;
  // Showing a menu, not the 1 x 1 resting window.
  virtual bool IsMenuVisible() const = 0;
  // The window itself is visible (the resting pixel counts).
  virtual bool IsWindowVisible() const = 0;
  // A menu was popped up and not hidden since; trigger detection waits while it is.
  virtual bool MenuShowing() const = 0;
  // The trigger source of the menu showing, or -1.
  virtual int ActiveTrigger() const = 0;
  // Screen point the last trigger placed the menu at.
  virtual Point Anchor() const = 0;
  virtual Rect Bounds() const = 0;
  virtual Cell HotCell() const = 0;
  virtual void RaiseToTop() = 0;
  // Makes an item of a file and adds it at the first free cell of the column at or above
  // the row (see ItemTable::AddItem).
  virtual void AddItemFromFile(const std::string& path, int column, int row, int menuId) = 0;
};

// What the context menu needs of the add-special dialog.
class AddSpecialControl {
 public:
  virtual ~AddSpecialControl() = default;
  // Shows the dialog, without waiting for it, for a cell of a menu.
  virtual void Open(Cell target, int menuId) = 0;
};

// The cell the options window's item editor works on.
struct EditorCell {
  int column = 0;
  int row = 0;
  int menuId = 0;
  friend bool operator==(const EditorCell&, const EditorCell&) = default;
};

// What the context menu needs of the item editor.
class ItemEditorControl {
 public:
  virtual ~ItemEditorControl() = default;
  virtual EditorCell EditedCell() const = 0;
  // Loads a cell into the editor, as it now is.
  virtual void EditCell(EditorCell cell) = 0;
};

// What the others need of the context menu.
class ContextMenuControl {
 public:
  virtual ~ContextMenuControl() = default;
  // A right click on the menu at a screen point: the entries the state allows, shown there.
  virtual void Open(Point screen) = 0;
  virtual void Hide() = 0;
  virtual bool IsVisible() const = 0;
  virtual Rect Bounds() const = 0;
};

// The pages of the options window.
enum class OptionsPage { General, Display, MenuItem, Popup, About };

// What the windows need of the application.
class ApplicationControl {
 public:
  virtual ~ApplicationControl() = default;
  // Ends the application by closing its main window (with the save when autosave is on).
  virtual void CloseApplication() = 0;
  // Activation off: the menu hides, corners and edges pop nothing up, and the tray icon is
  // what is left to reach the program. If the shell keeps refusing the icon for a minute,
  // activation comes back on.
  virtual void DisableActivation() = 0;
  virtual void EnableActivation() = 0;
  virtual void ShowOptions(OptionsPage page) = 0;
};

}  // namespace tarnwick
