#pragma once

#include <array>
#include <vector>

#include "app/Session.h"
#include "contextmenu/ContextMenu.h"
#include "platform/Dialogs.h"
#include "ui/WindowControls.h"

namespace tarnwick {

// The cell and menu a command acts on: read once, when the command starts, and kept through
// its box or dialog, during which the timer may re-place or change the menu.
struct CommandTarget {
  Cell cell;
  int menuId = 0;
};

// The commands of the context menu. One table gives each command its text, its picture, the
// state in which it is offered and what it does, so the entries and the actions cannot
// disagree.
class ContextCommands {
 public:
  ContextCommands(Session& session, Dialogs& dialogs, MenuWindowControl& menu, ApplicationControl& application,
                  AddSpecialControl& addSpecial, ItemEditorControl& editor);

  // The entries the state allows, in display order.
  static std::vector<ContextEntry> Entries(const ContextMenuState& state, const LanguageTexts& texts);
  void Run(ContextCommand command, const CommandTarget& target);

 private:
  struct Row;
  static const std::array<Row, 17> kRows;

  void AddFiles(const CommandTarget& target);
  void OpenAddSpecial(const CommandTarget& target);
  void AddColumn(const CommandTarget& target);
  void Remove(const CommandTarget& target);
  void RemoveRow(const CommandTarget& target);
  void RemoveColumn(const CommandTarget& target);
  void Properties(const CommandTarget& target);
  void Lock(const CommandTarget& target);
  void UnLock(const CommandTarget& target);
  void Disable(const CommandTarget& target);
  void Enable(const CommandTarget& target);
  void Options(const CommandTarget& target);
  void Save(const CommandTarget& target);
  void About(const CommandTarget& target);
  void Exit(const CommandTarget& target);

  // An OK/Cancel box with the warning caption; true for OK.
  bool Confirmed(const char* textKey);

  Session& m_session;
  Dialogs& m_dialogs;
  MenuWindowControl& m_menu;
  ApplicationControl& m_application;
  AddSpecialControl& m_addSpecial;
  ItemEditorControl& m_editor;
};

}  // namespace tarnwick
