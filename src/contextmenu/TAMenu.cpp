#include "contextmenu/TAMenu.h"

#include <algorithm>

namespace tarnwick {

TAMenu::TAMenu(Platform& platform, Session& session, MenuWindowControl& menu, ApplicationControl& application,
               AddSpecialControl& addSpecial, ItemEditorControl& editor)
    : m_platform(platform),
      m_session(session),
      m_menu(menu),
      m_commands(session, platform.dialogs, menu, application, addSpecial, editor) {}

Rect TAMenu::RestingBounds() const {
  const Size screen = m_platform.screen.ScreenSize();
  return {screen.width - 1, screen.height - 1, screen.width, screen.height};
}

Size TAMenu::WindowSize() const {
  const Rect bounds = m_window->Bounds();
  return {bounds.Width(), bounds.Height()};
}

ContextColors TAMenu::Colors() const {
  const Settings& options = m_session.Options();
  return {options.Background, options.Text, options.Highlight, options.HighlightText};
}

void TAMenu::FormCreate() {
  WindowSpec spec;
  spec.className = "TAMenu";
  spec.title = "Tarnwick";
  spec.bounds = RestingBounds();
  spec.topmost = true;
  spec.toolWindow = true;
  m_window = m_platform.windows.Create(spec, *this);
}

void TAMenu::Open(Point screen) {
  const Rect menuBounds = m_menu.Bounds();
  const ItemTable& table = m_session.Table();
  ContextMenuState state;
  state.screen = m_platform.screen.ScreenSize();
  state.menuWindow = {menuBounds.Width(), menuBounds.Height()};
  state.hot = m_menu.HotCell();
  const size_t position = m_session.Menus().MenuPositionOfId(table.CurrentMenuId());
  state.rows = position < table.MenuRows().size() ? table.MenuRows()[position] : 1;
  state.columns = position < table.MenuColumns().size() ? table.MenuColumns()[position] : 1;
  state.locked = m_session.Flags().MenuLocked;
  state.popupsDisabled = m_session.Flags().PopupsDisabled;
  m_entries = ContextCommands::Entries(state, m_session.Texts());

  // Measured in the font the entries are painted with, from the first opening on.
  int widest = 0;
  for (const ContextEntry& entry : m_entries) {
    widest = std::max(widest, m_platform.measure.TextWidth(m_session.Texts().Font, entry.caption));
  }
  m_hover.Reset();
  m_window->SetBounds(PlaceContextMenu(screen, state.screen, widest, m_entries.size()));
  m_window->ShowNoActivate();
  m_window->Repaint();
}

void TAMenu::Hide() {
  m_hover.Reset();
  m_window->Hide();
  m_window->SetBounds(RestingBounds());
}

void TAMenu::FormPaint(Canvas& canvas) {
  m_window->RaiseToTop();
  PaintContextMenu(canvas, WindowSize(), m_entries, m_hover.HotEntry(), Colors(), m_session.Texts().Font);
}

void TAMenu::FormMouseMove(Point point) {
  const Size size = WindowSize();
  if (size.width <= 1 && size.height <= 1) return;
  const std::optional<ContextHover::Change> change = m_hover.Move(point, size, m_entries);
  if (!change) return;
  const ContextColors colors = Colors();
  m_window->Draw([&](Canvas& canvas) {
    canvas.SetFont(m_session.Texts().Font);
    if (change->previous >= 0) {
      PaintContextEntry(canvas, size, m_entries[change->previous], change->previous, false, colors);
    }
    if (change->current >= 0) {
      PaintContextEntry(canvas, size, m_entries[change->current], change->current, true, colors);
    }
  });
}

void TAMenu::FormMouseUp(MouseButton button, Point) {
  if (button == MouseButton::Left) FormClick();
}

void TAMenu::FormClick() {
  const int hot = m_hover.HotEntry();
  if (hot < 0 || hot >= static_cast<int>(m_entries.size()) || m_entries[hot].IsBar()) return;
  const ContextCommand command = *m_entries[hot].command;
  const CommandTarget target{m_menu.HotCell(), m_session.Table().CurrentMenuId()};
  Hide();
  m_commands.Run(command, target);
}

}  // namespace tarnwick
