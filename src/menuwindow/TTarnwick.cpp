#include "menuwindow/TTarnwick.h"

#include <algorithm>

#include "contextmenu/TAMenu.h"
#include "menuwindow/ItemFiles.h"
#include "model/Numbers.h"
#include "options/TOptions.h"
#include "storage/Configuration.h"

namespace tarnwick {

TTarnwick::TTarnwick(Platform& platform, TOptions& options)
    : m_platform(platform), m_options(options), m_icons(platform.icons), m_table(options.Menus, m_icons, *this) {}

Rect TTarnwick::CollapsedBounds() const {
  const Size screen = m_platform.screen.ScreenSize();
  return {screen.width - 1, screen.height - 1, screen.width, screen.height};
}

void TTarnwick::FormCreate() {
  WindowSpec spec;
  spec.className = "TTarnwick";
  spec.title = "Tarnwick";
  spec.bounds = CollapsedBounds();
  spec.topmost = true;
  spec.toolWindow = true;
  m_window = m_platform.windows.Create(spec, *this);

  const Settings& settings = m_options.Options;
  MenuFont = settings.MenuFont;
  Background = settings.Background;
  TextColor = settings.Text;
  Highlight = settings.Highlight;
  HighlightText = settings.HighlightText;

  const IniFile& file = m_options.File();
  if (IsLegacyLayout(file)) {
    LoadLegacyMenus(file, m_table, TextColor);
  } else {
    LoadMenus(file, m_table, m_options.Menus, TextColor);
  }

  m_window->AcceptFiles(true);
  m_window->ShowNoActivate();
}

// ---- Layout and placement ----

void TTarnwick::ComputeColumnWidths() {
  const int menuId = m_table.CurrentMenuId;
  const int columns = std::max(m_table.ColumnsOf(menuId), 1);
  m_grid.columnWidths = tarnwick::ComputeColumnWidths(m_table, menuId, columns, m_platform.measure, MenuFont);
  m_grid.rows = std::max(m_table.RowsOf(menuId), 1);
}

void TTarnwick::ResetMouseState() {
  m_table.HotColumn = m_table.HotRow = -1;
  PrevColumn = PrevRow = -1;
  EndGesture();
}

void TTarnwick::EndGesture() {
  ButtonHeld = false;
  Dragged = false;
  DragSourceColumn = DragSourceRow = -1;
}

void TTarnwick::ShowMenuAt(int x, int y, int trigger) {
  RuntimeFlags& flags = m_options.Flags;
  // Only trigger hits wait for the dwell count: a re-placing call after an edit must always
  // re-size the window, or the new columns would be drawn outside it.
  if (trigger >= 0 && !flags.PopupsDisabled) {
    ++flags.DwellCount;
    const int sensitive = m_options.Options.Sensitive;
    if ((sensitive == 0 && flags.DwellCount < 6) || (sensitive == 1 && flags.DwellCount < 3)) return;
  }
  flags.DwellCount = 0;
  MenuShowing = true;
  ResetMouseState();

  if (trigger >= 0 && trigger < kTriggerCount) {
    m_table.CurrentMenuId = m_options.Options.TriggerMenuIds[static_cast<size_t>(trigger)];
    ActiveTrigger = trigger;
    AnchorX = x;
    AnchorY = y;
  }
  // The window the user worked in when the menu appeared (the resting pixel counts as hidden).
  if (!IsMenuVisible()) PreviousForegroundWindow = m_platform.shell.ForegroundWindow();
  ComputeColumnWidths();
  const Size size = m_grid.WindowSize();
  const Point origin = PlaceMenu({AnchorX, AnchorY}, size, m_platform.screen.ScreenSize());
  m_window->SetBounds({origin.x, origin.y, origin.x + size.width, origin.y + size.height});
  if (!m_window->IsVisible()) m_window->ShowNoActivate();
}

bool TTarnwick::IsMenuVisible() const {
  const Rect bounds = m_window->Bounds();
  return m_window->IsVisible() && !(bounds.Width() <= 1 && bounds.Height() <= 1);
}

void TTarnwick::RefreshIfVisible() {
  if (!IsMenuVisible()) return;
  ShowMenuAt(0, 0, -1);
  m_window->Repaint();
}

void TTarnwick::HideMenu() {
  m_window->Hide();
  m_window->SetBounds(CollapsedBounds());
  MenuShowing = false;
}

// ---- Painting ----

MenuView TTarnwick::View() const {
  const Rect bounds = m_window->Bounds();
  return MenuView{m_table,
                  m_grid,
                  m_table.CurrentMenuId,
                  {bounds.Width(), bounds.Height()},
                  {Background, TextColor, Highlight, HighlightText},
                  MenuFont,
                  m_options.Options.HideDupNo,
                  m_platform.icons.ImageCount()};
}

void TTarnwick::FormPaint(Canvas& canvas) {
  m_window->RaiseToTop();
  ComputeColumnWidths();
  PaintMenu(canvas, View(), HotCell());
}

// ---- Mouse ----

bool TTarnwick::ContextMenuVisible() const {
  return m_contextMenu != nullptr && m_contextMenu->FormWindow().IsVisible();
}

void TTarnwick::FormMouseMove(Point point) {
  if (!IsMenuVisible() || ContextMenuVisible()) return;
  const Cell cell = m_grid.HitTest(point, m_window->Bounds().Height());
  const Cell old = HotCell();
  if (cell == old) return;
  if (ButtonHeld) {
    if (DragSourceColumn == -1) DragSourceColumn = old.column;
    if (DragSourceRow == -1) DragSourceRow = old.row;
  }
  PrevColumn = old.column;
  PrevRow = old.row;
  m_table.HotColumn = cell.column;
  m_table.HotRow = cell.row;

  m_window->Draw([&](Canvas& canvas) {
    const MenuView view = View();
    canvas.SetFont(MenuFont);
    PaintPlainCell(canvas, view, old);
    if (ButtonHeld) {
      Dragged = true;
      PaintDropMarker(canvas, view, old, Background);
      PaintDropMarker(canvas, view, cell, TextColor);
    } else {
      PaintHighlight(canvas, view, cell);
    }
  });
}

void TTarnwick::FormMouseDown(MouseButton button, Point point) {
  if (button != MouseButton::Left) return;
  // The press point counts as a move first: after a re-placement the hot cell is unknown,
  // and a click with a pixel of jitter must not look like a drag from no cell.
  FormMouseMove(point);
  ButtonHeld = true;
}

void TTarnwick::FormMouseUp(MouseButton button, Point point) {
  (void)point;
  const Cell hot = HotCell();
  const Cell source{DragSourceColumn, DragSourceRow};
  const bool dragged = Dragged;
  EndGesture();  // every release ends the gesture, wherever it happens
  if (!hot.IsValid()) return;

  if (!dragged) {
    if (button != MouseButton::Left) return;
    const int position = m_table.FindItemAt(hot.column, hot.row, m_table.CurrentMenuId);
    if (position >= 0) LaunchItem(static_cast<size_t>(position));
    if (m_options.Options.Tarnwik) HideMenu();
    return;
  }
  MoveByDrag(source, hot);
  RefreshIfVisible();
}

void TTarnwick::MoveByDrag(Cell source, Cell target) {
  if (!m_grid.Contains(source) || !m_grid.Contains(target)) return;
  const int menuId = m_table.CurrentMenuId;
  const int a = m_table.FindItemAt(source.column, source.row, menuId);
  const int b = m_table.FindItemAt(target.column, target.row, menuId);

  if (source.column == target.column) {
    // An insertion: the items between shift one row toward the source.
    const int c = source.column;
    if (target.row < source.row) {
      for (int r = source.row; r > target.row; --r) {
        const int i = m_table.FindItemAt(c, r - 1, menuId);
        if (i >= 0) m_table.MoveItem(static_cast<size_t>(i), c, r);
      }
    } else {
      for (int r = source.row; r < target.row; ++r) {
        const int i = m_table.FindItemAt(c, r + 1, menuId);
        if (i >= 0) m_table.MoveItem(static_cast<size_t>(i), c, r);
      }
    }
    if (a >= 0) m_table.MoveItem(static_cast<size_t>(a), c, target.row);
    return;
  }
  if (a >= 0 && b >= 0) {
    m_table.SwapCells(static_cast<size_t>(a), static_cast<size_t>(b));
  } else if (a >= 0) {
    m_table.MoveItem(static_cast<size_t>(a), target.column, target.row);
  } else if (b >= 0) {
    m_table.MoveItem(static_cast<size_t>(b), source.column, source.row);
  }
}

// ---- Launching ----

std::string FieldOf(std::string_view text, int n) {
  int i = 0;
  while (i < n) {
    const size_t separator = text.find(';');
    if (separator == std::string_view::npos) return "0";
    text.remove_prefix(separator + 1);
    ++i;
  }
  return std::string(text.substr(0, text.find(';')));
}

int ShowCommandOf(int windowMode) {
  switch (windowMode) {
    case 0: return 6;  // SW_MINIMIZE
    case 2: return 3;  // SW_SHOWMAXIMIZED
    default: return 1; // SW_SHOWNORMAL
  }
}

void TTarnwick::LaunchItem(size_t position) {
  const Item item = m_table.At(position);
  switch (KindOf(item.ProgramFile)) {
    case ItemKind::Separator:
      return;
    case ItemKind::Exit:
      // The close runs from the message loop; nothing here may touch a window after it.
      m_options.FormWindow().Close();
      return;
    case ItemKind::WindowMessage: {
      const std::string className = FieldOf(item.Parameters, 0);
      const std::string title = FieldOf(item.Parameters, 1);
      const WindowId target = className != "0" && title != "0"
                                  ? m_platform.shell.FindTopWindow(className, title)
                                  : PreviousForegroundWindow;
      // Never one of our own windows: a message there could close or confuse us.
      if (target != 0 && m_platform.shell.IsOwnWindow(target)) return;
      if (target != 0) {
        m_platform.shell.SendWindowMessage(target, static_cast<uint32_t>(IntOr(FieldOf(item.Parameters, 2), 0)),
                                           static_cast<uintptr_t>(IntOr(FieldOf(item.Parameters, 3), 0)),
                                           IntOr(FieldOf(item.Parameters, 4), 0));
      }
      break;
    }
    case ItemKind::FakeEmpty:
      break;  // nothing to open
    case ItemKind::FreeCellMarker:
    case ItemKind::Program:
      m_platform.shell.Open(item.ProgramFile, item.Parameters, item.StartIn, ShowCommandOf(item.WindowMode));
      break;
  }
  if (!m_options.Flags.PopupsDisabled && item.DisableAfterRun) {
    HideMenu();
    m_options.DisableActivation();
  }
}

// ---- Files and hotkeys ----

void TTarnwick::AddItemFromFile(const std::string& path, int column, int row, int menuId) {
  Item item = ItemFromFile(path, m_options.Options.GetShortcut, m_platform.shortcuts, TextColor);
  item.Column = column;
  item.Row = row;
  item.MenuId = menuId;
  m_table.AddItem(std::move(item));
}

void TTarnwick::FormDropFiles(Point point, bool inClient, const std::vector<std::string>& files) {
  if (files.empty()) return;
  if (inClient) FormMouseMove(point);
  // Every file asks for the same cell, so they fill its column upward in drop order.
  const int column = std::max(m_table.HotColumn, 0);
  const int row = std::max(m_table.HotRow, 0);
  const int menuId = m_table.CurrentMenuId;
  for (const std::string& file : files) AddItemFromFile(file, column, row, menuId);
  RefreshIfVisible();
}

void TTarnwick::FormHotkey(int hotkeyId) {
  PreviousForegroundWindow = m_platform.shell.ForegroundWindow();
  const int position = m_table.FindItemById(hotkeyId);
  if (position >= 0) LaunchItem(static_cast<size_t>(position));
}

bool TTarnwick::RegisterHotkey(int id, int modifiers, int key) {
  return m_platform.hotkeys.Register(*m_window, id, modifiers, key);
}

void TTarnwick::UnregisterHotkey(int id) { m_platform.hotkeys.Unregister(*m_window, id); }

}  // namespace tarnwick
