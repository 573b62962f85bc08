#include "contextmenu/ContextCommands.h"

#include <optional>
#include <string>

#include "model/GridEdits.h"

namespace tarnwick {

namespace {

bool Always(const ContextMenuState&) { return true; }
// Room for one more row (20 pixels), or one more column (at least 100 pixels and its grooves).
bool RoomForARow(const ContextMenuState& s) { return s.screen.height >= s.menuWindow.height + 20; }
bool RoomForAColumn(const ContextMenuState& s) { return s.screen.width >= s.menuWindow.width + 110; }
bool OnACell(const ContextMenuState& s) { return s.hot.column != -1 && s.hot.row != -1; }
bool OnARowOfSeveral(const ContextMenuState& s) { return s.rows >= 2 && s.hot.row != -1; }
bool OnAColumnOfSeveral(const ContextMenuState& s) { return s.columns >= 2 && s.hot.column != -1; }
bool Unlocked(const ContextMenuState& s) { return !s.locked; }
bool Locked(const ContextMenuState& s) { return s.locked; }
bool Enabled(const ContextMenuState& s) { return !s.popupsDisabled; }
bool Disabled(const ContextMenuState& s) { return s.popupsDisabled; }

// Sets the command's share of "dialog open" for as long as its box or dialog is up.
class CommandDialog {
 public:
  explicit CommandDialog(RuntimeFlags& flags) : m_flags(flags), m_before(flags.CommandDialogOpen) {
    m_flags.CommandDialogOpen = true;
  }
  ~CommandDialog() { m_flags.CommandDialogOpen = m_before; }
  CommandDialog(const CommandDialog&) = delete;
  CommandDialog& operator=(const CommandDialog&) = delete;

 private:
  RuntimeFlags& m_flags;
  bool m_before;
};

}  // namespace

struct ContextCommands::Row {
  std::optional<ContextCommand> command;  // none: a separator bar
  const char* textKey;
  int image;
  bool (*offered)(const ContextMenuState&);
  void (ContextCommands::*run)(const CommandTarget&);
};

const std::array<ContextCommands::Row, 17> ContextCommands::kRows = {{
    {ContextCommand::Add, "AMenu1", 0, RoomForARow, &ContextCommands::AddFiles},
    {ContextCommand::AddSpecial, "AMenu15", 1, RoomForARow, &ContextCommands::OpenAddSpecial},
    {ContextCommand::AddColumn, "AMenu2", 3, RoomForAColumn, &ContextCommands::AddColumn},
    {ContextCommand::Remove, "AMenu3", 2, OnACell, &ContextCommands::Remove},
    {ContextCommand::RemoveRow, "AMenu4", 2, OnARowOfSeveral, &ContextCommands::RemoveRow},
    {ContextCommand::RemoveColumn, "AMenu5", 2, OnAColumnOfSeveral, &ContextCommands::RemoveColumn},
    {ContextCommand::Properties, "AMenu6", 4, OnACell, &ContextCommands::Properties},
    {std::nullopt, nullptr, -1, Always, nullptr},
    {ContextCommand::Lock, "AMenu7", 5, Unlocked, &ContextCommands::Lock},
    {ContextCommand::UnLock, "AMenu8", 5, Locked, &ContextCommands::UnLock},
    {ContextCommand::Disable, "AMenu9", 6, Enabled, &ContextCommands::Disable},
    {ContextCommand::Enable, "AMenu10", 6, Disabled, &ContextCommands::Enable},
    {std::nullopt, nullptr, -1, Always, nullptr},
    {ContextCommand::Options, "AMenu11", 7, Always, &ContextCommands::Options},
    {ContextCommand::Save, "AMenu12", 12, Always, &ContextCommands::Save},
    {ContextCommand::About, "AMenu13", 8, Always, &ContextCommands::About},
    {ContextCommand::Exit, "AMenu14", 9, Always, &ContextCommands::Exit},
}};

ContextCommands::ContextCommands(Session& session, Dialogs& dialogs, MenuWindowControl& menu,
                                 ApplicationControl& application, AddSpecialControl& addSpecial,
                                 ItemEditorControl& editor)
    : m_session(session),
      m_dialogs(dialogs),
      m_menu(menu),
      m_application(application),
      m_addSpecial(addSpecial),
      m_editor(editor) {}

std::vector<ContextEntry> ContextCommands::Entries(const ContextMenuState& state, const LanguageTexts& texts) {
  std::vector<ContextEntry> entries;
  for (const Row& row : kRows) {
    if (!row.offered(state)) continue;
    entries.push_back({row.command, row.command ? texts.Text(row.textKey) : std::string(kBarCaption), row.image});
  }
  return entries;
}

void ContextCommands::Run(ContextCommand command, const CommandTarget& target) {
  for (const Row& row : kRows) {
    if (row.command == command) (this->*row.run)(target);
  }
}

bool ContextCommands::Confirmed(const char* textKey) {
  const CommandDialog open(m_session.Flags());
  const LanguageTexts& texts = m_session.Texts();
  return m_dialogs.Confirm(texts.Text("Warning"), texts.Text(textKey));
}

void ContextCommands::AddFiles(const CommandTarget& target) {
  std::vector<std::string> files;
  {
    const CommandDialog open(m_session.Flags());
    files = m_dialogs.ChooseFiles();
  }
  // Each file takes the first free cell at or above the target, so the files stack up the
  // column in the dialog's order.
  for (const std::string& file : files) {
    m_menu.AddItemFromFile(file, target.cell.column, target.cell.row, target.menuId);
  }
  m_menu.RefreshIfVisible();
}

void ContextCommands::OpenAddSpecial(const CommandTarget& target) { m_addSpecial.Open(target.cell, target.menuId); }

void ContextCommands::AddColumn(const CommandTarget& target) {
  if (!m_session.Menus().HasMenu(target.menuId)) return;
  ++m_session.Table().ColumnsOf(target.menuId);
  m_menu.RefreshIfVisible();
}

void ContextCommands::Remove(const CommandTarget& target) {
  if (!Confirmed("Warning5")) return;
  m_session.Table().RemoveItemAt(target.cell.column, target.cell.row, target.menuId);
  const EditorCell removed{target.cell.column, target.cell.row, target.menuId};
  if (m_editor.EditedCell() == removed) m_editor.EditCell(removed);
  m_menu.RefreshIfVisible();
}

void ContextCommands::RemoveRow(const CommandTarget& target) {
  const int row = target.cell.row;
  if (row < 0 || !Confirmed("Warning6")) return;
  // Checked after the box: the menu may have changed while it was up.
  ItemTable& table = m_session.Table();
  if (!m_session.Menus().HasMenu(target.menuId) || table.RowsOf(target.menuId) < 2) return;
  tarnwick::RemoveRow(table, target.menuId, row);
  EditorCell edited = m_editor.EditedCell();
  if (edited.menuId == target.menuId && edited.row >= row) {
    edited.row = 0;
    m_editor.EditCell(edited);
  }
  m_menu.RefreshIfVisible();
}

void ContextCommands::RemoveColumn(const CommandTarget& target) {
  const int column = target.cell.column;
  if (column < 0 || !Confirmed("Warning7")) return;
  ItemTable& table = m_session.Table();
  if (!m_session.Menus().HasMenu(target.menuId) || table.ColumnsOf(target.menuId) < 2) return;
  tarnwick::RemoveColumn(table, target.menuId, column);
  EditorCell edited = m_editor.EditedCell();
  if (edited.menuId == target.menuId && edited.column >= column) {
    edited.column = 0;
    m_editor.EditCell(edited);
  }
  m_menu.RefreshIfVisible();
}

void ContextCommands::Properties(const CommandTarget& target) {
  m_editor.EditCell({target.cell.column, target.cell.row, target.menuId});
  m_application.ShowOptions(OptionsPage::MenuItem);
}

void ContextCommands::Lock(const CommandTarget&) { m_session.Flags().MenuLocked = true; }

void ContextCommands::UnLock(const CommandTarget&) { m_session.Flags().MenuLocked = false; }

void ContextCommands::Disable(const CommandTarget&) { m_application.DisableActivation(); }

void ContextCommands::Enable(const CommandTarget&) {
  m_menu.HideMenu();
  m_application.EnableActivation();
}

void ContextCommands::Options(const CommandTarget&) { m_application.ShowOptions(OptionsPage::General); }

void ContextCommands::Save(const CommandTarget&) { m_session.Save(); }

void ContextCommands::About(const CommandTarget&) {
  m_menu.HideMenu();
  m_application.ShowOptions(OptionsPage::About);
}

void ContextCommands::Exit(const CommandTarget&) { m_application.CloseApplication(); }

}  // namespace tarnwick
