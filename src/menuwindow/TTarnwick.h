#pragma once

#include <memory>
#include <string>

#include "menuwindow/MenuGeometry.h"
#include "menuwindow/MenuPainter.h"
#include "menuwindow/SharedIcons.h"
#include "model/ItemTable.h"
#include "model/Settings.h"
#include "platform/Platform.h"

namespace tarnwick {

class TOptions;
class TAMenu;

// The menu window: a borderless, always-on-top window that owns the item table and pops the
// menus up. While no menu shows it is hidden and collapsed to the bottom-right screen pixel.
class TTarnwick final : public WindowEvents, private HotkeyBinder {
 public:
  static constexpr int RowHeight = kRowHeight;

  TTarnwick(Platform& platform, TOptions& options);

  // Creates the 1 x 1 window, copies the display settings and loads every menu.
  void FormCreate();
  void AttachContextMenu(TAMenu& contextMenu) { m_contextMenu = &contextMenu; }

  ItemTable& Table() { return m_table; }
  const ItemTable& Table() const { return m_table; }
  Window& FormWindow() { return *m_window; }
  const MenuGrid& Grid() const { return m_grid; }

  // Sizes and places the menu of a trigger source at a screen point and shows it; trigger -1
  // re-places the current menu at the last anchor. Trigger calls wait for the dwell count.
  void ShowMenuAt(int x, int y, int trigger);
  // After an edit: re-place and repaint the menu if it is showing.
  void RefreshIfVisible();
  void HideMenu();
  // Showing a menu, not the 1 x 1 resting window.
  bool IsMenuVisible() const;

  void ComputeColumnWidths();
  int WidthAfterColumn(int column) const { return m_grid.WidthAfterColumn(column); }

  void LaunchItem(size_t position);
  // Makes an item of a file (reading a shortcut's target when "Get Shortcut" is on) and adds
  // it at the first free cell of the column at or above the row.
  void AddItemFromFile(const std::string& path, int column, int row, int menuId);

  void FormPaint(Canvas& canvas) override;
  void FormMouseMove(Point point) override;
  void FormMouseDown(MouseButton button, Point point) override;
  void FormMouseUp(MouseButton button, Point point) override;
  void FormHotkey(int hotkeyId) override;
  void FormDropFiles(Point point, bool inClient, const std::vector<std::string>& files) override;

  // Applied copies of the display colours and the menu font.
  Color Background = 0;
  Color TextColor = 0xFFFFFF;
  Color Highlight = 0x800000;
  Color HighlightText = 0x00FFFF;
  FontSpec MenuFont;

  int ActiveTrigger = -1;
  bool MenuShowing = false;
  int AnchorX = -1;
  int AnchorY = -1;
  int PrevColumn = -1;
  int PrevRow = -1;
  bool ButtonHeld = false;
  bool Dragged = false;
  int DragSourceColumn = -1;
  int DragSourceRow = -1;
  WindowId PreviousForegroundWindow = 0;

 private:
  bool RegisterHotkey(int id, int modifiers, int key) override;
  void UnregisterHotkey(int id) override;
  Rect CollapsedBounds() const;
  MenuView View() const;
  Cell HotCell() const { return {m_table.HotColumn, m_table.HotRow}; }
  void ResetMouseState();
  void EndGesture();
  void MoveByDrag(Cell source, Cell target);
  void SendWindowMessage(const std::string& parameters);
  bool ContextMenuVisible() const;

  Platform& m_platform;
  TOptions& m_options;
  TAMenu* m_contextMenu = nullptr;
  std::unique_ptr<Window> m_window;
  SharedIcons m_icons;  // before the table, which adds its items' icons through it
  ItemTable m_table;
  MenuGrid m_grid;
};

// Field n (from 0) of a ";"-separated text; "0" when the text has too few fields.
std::string FieldOf(std::string_view text, int n);

// The shell's show command for an item's window mode: minimised, normal or maximised;
// any other stored value opens normally.
int ShowCommandOf(int windowMode);

}  // namespace tarnwick
