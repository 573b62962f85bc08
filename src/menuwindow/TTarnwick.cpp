#include "menuwindow/TTarnwick.h"

#include <algorithm>

#include "menuwindow/ItemFiles.h"
#include "model/GridEdits.h"

namespace tarnwick {

namespace {

// Trigger hits a menu waits for, by "Sensitive": 0 low, 1 medium, else at once.
constexpr int kDwellHitsLow = 6;
constexpr int kDwellHitsMedium = 3;

int DwellHitsFor(int sensitive) {
  switch (sensitive) {
    case 0: return kDwellHitsLow;
    case 1: return kDwellHitsMedium;
    default: return 0;
  }
}

}  // namespace

TTarnwick::TTarnwick(Platform& platform, Session& session, ApplicationControl& application)
    : m_platform(platform),
      m_session(session),
      m_table(session.Table()),
      m_application(application),
      m_launcher(platform.shell) {}

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
}

void TTarnwick::ShowResting() {
  ApplyDisplaySettings();
  m_window->AcceptFiles(true);
  m_window->ShowNoActivate();
}

void TTarnwick::ApplyDisplaySettings() {
  const Settings& settings = m_session.Options();
  m_menuFont = settings.MenuFont;
  m_colors = {settings.Background, settings.Text, settings.Highlight, settings.HighlightText};
}

// ---- Layout and placement ----

void TTarnwick::ComputeColumnWidths() {
  const int menuId = m_table.CurrentMenuId();
  const int columns = std::max(m_table.ColumnsOf(menuId), 1);
  m_grid.columnWidths = tarnwick::ComputeColumnWidths(m_table, menuId, columns, m_platform.measure, m_menuFont);
  m_grid.rows = std::max(m_table.RowsOf(menuId), 1);
}

Cell TTarnwick::HotCell() const { return m_table.HotCell(); }

void TTarnwick::SetHotCell(Cell cell) { m_table.SetHotCell(cell); }

void TTarnwick::ResetMouseState() {
  SetHotCell({});
  m_gesture.Reset();
}

void TTarnwick::ShowMenuAt(int x, int y, int trigger) {
  RuntimeFlags& flags = m_session.Flags();
  const Settings& options = m_session.Options();
  // Only trigger hits wait for the dwell count: a re-placing call after an edit must always
  // re-size the window, or the new columns would be drawn outside it.
  if (trigger >= 0 && !flags.PopupsDisabled) {
    ++flags.DwellCount;
    if (flags.DwellCount < DwellHitsFor(options.Sensitive)) return;
  }
  flags.DwellCount = 0;
  m_menuShowing = true;
  ResetMouseState();

  if (trigger >= 0 && trigger < kTriggerCount) {
    m_table.SetCurrentMenu(options.TriggerMenuIds[static_cast<size_t>(trigger)]);
    m_activeTrigger = trigger;
    m_anchor = {x, y};
  }
  // The window the user worked in when the menu appeared (the resting pixel counts as hidden).
  if (!IsMenuVisible()) m_previousForeground = m_platform.shell.ForegroundWindow();
  ComputeColumnWidths();
  const Size size = m_grid.WindowSize();
  const Point origin = PlaceMenu(m_anchor, size, PlacementArea(m_anchor));
  m_window->SetBounds({origin.x, origin.y, origin.x + size.width, origin.y + size.height});
  if (!m_window->IsVisible()) m_window->ShowNoActivate();
}

Rect TTarnwick::PlacementArea(Point anchor) const {
  const Size screen = m_platform.screen.ScreenSize();
  const Rect primary{0, 0, screen.width, screen.height};
  if (!m_session.Options().AllMonitors) return primary;
  // The monitor the menu was triggered on (or the tray icon clicked on).
  for (const Rect& monitor : m_platform.screen.Monitors()) {
    if (monitor.Contains(anchor)) return monitor;
  }
  return primary;
}

bool TTarnwick::IsMenuVisible() const {
  const Rect bounds = m_window->Bounds();
  return m_window->IsVisible() && !(bounds.Width() <= 1 && bounds.Height() <= 1);
}

void TTarnwick::RefreshIfVisible() {
  if (!IsMenuVisible()) return;
  ShowMenuAt(0, 0, kNoTrigger);
  m_window->Repaint();
}

void TTarnwick::HideMenu() {
  m_window->Hide();
  m_window->SetBounds(CollapsedBounds());
  m_menuShowing = false;
}

// ---- Painting ----

MenuView TTarnwick::View() const {
  const Rect bounds = m_window->Bounds();
  return MenuView{m_table,
                  m_grid,
                  m_table.CurrentMenuId(),
                  {bounds.Width(), bounds.Height()},
                  m_colors,
                  m_menuFont,
                  m_session.Options().HideDupNo,
                  m_platform.icons.ImageCount()};
}

void TTarnwick::FormPaint(Canvas& canvas) {
  m_window->RaiseToTop();
  // The resting window is one pixel: measuring and drawing a whole menu into it cost seconds
  // of start-up with thousands of items, for a pixel nobody sees.
  const Rect bounds = m_window->Bounds();
  if (bounds.Width() <= 1 && bounds.Height() <= 1) {
    canvas.FillRect({0, 0, bounds.Width(), bounds.Height()}, m_colors.background);
    return;
  }
  ComputeColumnWidths();
  PaintMenu(canvas, View(), HotCell());
}

// ---- Mouse ----

bool TTarnwick::ContextMenuVisible() const { return m_contextMenu != nullptr && m_contextMenu->IsVisible(); }

void TTarnwick::FormMouseMove(Point point) {
  if (!IsMenuVisible() || ContextMenuVisible()) return;
  const Cell cell = m_grid.HitTest(point, m_window->Bounds().Height());
  const Cell old = HotCell();
  if (cell == old) return;
  // Decided before drawing: the drawing is skipped when the window cannot be drawn on, and
  // the release must still know the gesture was a drag.
  const PointerGesture::Feedback feedback = m_gesture.Move(old);
  SetHotCell(cell);

  m_window->Draw([&](Canvas& canvas) {
    const MenuView view = View();
    canvas.SetFont(m_menuFont);
    PaintPlainCell(canvas, view, old);
    if (feedback == PointerGesture::Feedback::DropMarker) {
      PaintDropMarker(canvas, view, old, m_colors.background);
      PaintDropMarker(canvas, view, cell, m_colors.text);
    } else {
      PaintHighlight(canvas, view, cell);
    }
  });
}

void TTarnwick::FormMouseDown(MouseButton button, Point point) {
  if (button == MouseButton::Right) {
    if (!IsMenuVisible() || m_contextMenu == nullptr) return;
    // A right click elsewhere on the grid while the context menu is open is a new one, on
    // the cell under it.
    if (ContextMenuVisible()) m_contextMenu->Hide();
    FormMouseMove(point);
    m_contextMenu->Open(m_window->ClientToScreen(point));
    return;
  }
  if (button != MouseButton::Left) return;
  // The press point counts as a move first: after a re-placement the hot cell is unknown,
  // and a click with a pixel of jitter must not look like a drag from no cell.
  FormMouseMove(point);
  m_gesture.Press();
}

void TTarnwick::FormMouseUp(MouseButton button, Point point) {
  (void)point;
  const Cell hot = HotCell();
  const PointerGesture::Release release = m_gesture.EndAtRelease();
  if (!hot.IsValid()) return;

  if (!release.dragged) {
    if (button != MouseButton::Left) return;
    const int position = m_table.FindItemAt(hot.column, hot.row, m_table.CurrentMenuId());
    if (position >= 0) LaunchItem(static_cast<size_t>(position));
    if (m_session.Options().Tarnwik) HideMenu();
    return;
  }
  if (m_grid.Contains(release.source) && m_grid.Contains(hot)) {
    DragCell(m_table, m_table.CurrentMenuId(), release.source, hot);
  }
  RefreshIfVisible();
}

// ---- Launching ----

void TTarnwick::LaunchItem(size_t position) {
  const Item item = m_table.At(position);
  switch (m_launcher.Launch(item, m_previousForeground, m_session.Flags().PopupsDisabled)) {
    case AfterLaunch::Nothing:
      break;
    case AfterLaunch::EndApplication:
      // The close runs from the message loop; nothing here may touch a window after it.
      m_application.CloseApplication();
      break;
    case AfterLaunch::DisableActivation:
      HideMenu();
      m_application.DisableActivation();
      break;
  }
}

// ---- Files and hotkeys ----

void TTarnwick::AddItemFromFile(const std::string& path, int column, int row, int menuId) {
  Item item = ItemFromFile(path, m_session.Options().GetShortcut, m_platform.shortcuts, m_colors.text);
  item.Column = column;
  item.Row = row;
  item.MenuId = menuId;
  m_table.AddItem(std::move(item));
}

void TTarnwick::FormDropFiles(Point point, bool inClient, const std::vector<std::string>& files) {
  if (files.empty()) return;
  if (inClient) FormMouseMove(point);
  // Every file asks for the same cell, so they fill its column upward in drop order.
  const Cell hot = HotCell();
  const int column = std::max(hot.column, 0);
  const int row = std::max(hot.row, 0);
  const int menuId = m_table.CurrentMenuId();
  for (const std::string& file : files) AddItemFromFile(file, column, row, menuId);
  RefreshIfVisible();
}

void TTarnwick::FormHotkey(int hotkeyId) {
  m_previousForeground = m_platform.shell.ForegroundWindow();
  const int position = m_table.FindItemById(hotkeyId);
  if (position >= 0) LaunchItem(static_cast<size_t>(position));
}

}  // namespace tarnwick
