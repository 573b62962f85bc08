#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/Session.h"
#include "menuwindow/Launcher.h"
#include "menuwindow/MenuGeometry.h"
#include "menuwindow/MenuPainter.h"
#include "menuwindow/PointerGesture.h"
#include "platform/Platform.h"
#include "ui/WindowControls.h"

namespace tarnwick {

// The menu window: a borderless, always-on-top window that pops the menus of the session's
// item table up. While no menu shows it is hidden and collapsed to the bottom-right pixel.
class TTarnwick final : public WindowEvents, public MenuWindowControl {
 public:
  static constexpr int RowHeight = kRowHeight;

  TTarnwick(Platform& platform, Session& session, ApplicationControl& application);

  // Creates the 1 x 1 window, hidden; item hotkeys are registered on it.
  void FormCreate();
  // After the load: takes the display settings and rests, shown, at the bottom-right pixel.
  void ShowResting();
  void AttachContextMenu(ContextMenuControl& contextMenu) { m_contextMenu = &contextMenu; }
  // Takes copies of the display colours and the menu font (the Display page's Apply).
  void ApplyDisplaySettings() override;

  Window& FormWindow() { return *m_window; }
  const MenuGrid& Grid() const { return m_grid; }
  int WidthAfterColumn(int column) const { return m_grid.WidthAfterColumn(column); }

  void ShowMenuAt(int x, int y, int trigger) override;
  void RefreshIfVisible() override;
  void HideMenu() override;
  bool IsMenuVisible() const override;
  bool IsWindowVisible() const override { return m_window->IsVisible(); }
  bool MenuShowing() const override { return m_menuShowing; }
  int ActiveTrigger() const override { return m_activeTrigger; }
  Point Anchor() const override { return m_anchor; }
  Rect Bounds() const override { return m_window->Bounds(); }
  Cell HotCell() const override;
  void RaiseToTop() override { m_window->RaiseToTop(); }

  // The window the user worked in when the menu appeared (or a hotkey was pressed).
  WindowId PreviousForegroundWindow() const { return m_previousForeground; }

  void LaunchItem(size_t position);
  // Makes an item of a file (reading a shortcut's target when "Get Shortcut" is on) and adds
  // it at the first free cell of the column at or above the row.
  void AddItemFromFile(const std::string& path, int column, int row, int menuId) override;

  void FormPaint(Canvas& canvas) override;
  void FormMouseMove(Point point) override;
  void FormMouseDown(MouseButton button, Point point) override;
  void FormMouseUp(MouseButton button, Point point) override;
  void FormHotkey(int hotkeyId) override;
  void FormDropFiles(Point point, bool inClient, const std::vector<std::string>& files) override;
  // The monitors are read again, for the corners and edges and for placing menus.
  void FormDisplayChange() override { m_platform.screen.RefreshMonitors(); }

 private:
  Rect CollapsedBounds() const;
  // Where a menu placed at the anchor must fit: the primary screen, or with "All Monitors"
  // the monitor under the anchor.
  Rect PlacementArea(Point anchor) const;
  MenuView View() const;
  void ComputeColumnWidths();
  void ResetMouseState();
  void SetHotCell(Cell cell);
  bool ContextMenuVisible() const;

  Platform& m_platform;
  Session& m_session;
  ItemTable& m_table;
  ApplicationControl& m_application;
  ContextMenuControl* m_contextMenu = nullptr;
  std::unique_ptr<Window> m_window;
  Launcher m_launcher;
  PointerGesture m_gesture;
  MenuGrid m_grid;

  // Applied copies of the display colours and the menu font.
  MenuColors m_colors;
  FontSpec m_menuFont;

  bool m_menuShowing = false;
  int m_activeTrigger = kNoTrigger;
  Point m_anchor{-1, -1};
  WindowId m_previousForeground = 0;
};

}  // namespace tarnwick
