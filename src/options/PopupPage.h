#pragma once

#include <optional>
#include <string>

#include "app/Session.h"
#include "platform/Dialogs.h"
#include "platform/Window.h"
#include "ui/CheckList.h"
#include "ui/Control.h"
#include "ui/ImageControls.h"
#include "ui/LanguageTexts.h"
#include "ui/WindowControls.h"

namespace tarnwick {

// Where the connector between the selected trigger and its menu runs, in pixels from the top
// of the two lists (which share their top edge): from a on the trigger side to b on the menu
// side, with the arrow's picture at arrowTop.
struct TriggerLink {
  int a = 0;
  int b = 0;
  int arrowTop = 0;
  friend bool operator==(const TriggerLink&, const TriggerLink&) = default;
};
// Rows of both lists are rowHeight high; the menu list shows from topIndex on and is
// listHeight pixels high, so a selected menu scrolled out of sight is pointed at from its
// edge. Nothing to draw without a trigger or a menu row.
std::optional<TriggerLink> TriggerLinkOf(int triggerRow, int menuRow, int topIndex, int rowHeight, int listHeight);

// The Popup page of the options window: the menus (add, remove, rename, import, export) and,
// for each trigger source, whether it is active and which menu it pops up. Every change is
// made in the session at once; the file gets it with the next save.
class PopupPage {
 public:
  // Control ids of the window's child controls.
  static constexpr int kMenuList = 1201;
  static constexpr int kMenuName = 1202;
  static constexpr int kRowHeight = CheckList::kRowHeight;
  static constexpr int kAddGlyph = 0;
  static constexpr int kRemoveGlyph = 2;
  static constexpr int kImportGlyph = 1;
  static constexpr int kExportGlyph = 12;
  static constexpr int kRenameGlyph = 4;
  static constexpr int kLinkGlyph = 17;
  // Page pixels.
  static constexpr Rect kTriggerList{18, 42, 159, 201};
  static constexpr Rect kLink{164, 42, 213, 201};
  static constexpr Rect kMenuListBox{218, 42, 359, 201};
  static constexpr Rect kMenuNameBox{218, 216, 359, 235};

  // origin: the page's top-left corner in the window's client pixels.
  PopupPage(const Skin& skin, Session& session, Dialogs& dialogs, ItemEditorControl& editor, Point origin);

  // Makes the menu list and the name box on the window, hidden until the page is in front.
  void Attach(Window& window);
  void AttachMenuWindow(MenuWindowControl& menu) { m_menu = &menu; }
  // After the load: the menu list as loaded, trigger 0 selected.
  void Load();
  // The page comes to the front or goes behind another.
  void SetVisible(bool visible);
  void UpdateTexts(const LanguageTexts& texts);
  void Paint(Canvas& canvas) const;
  Controls& Mouse() { return m_controls; }

  int SelectedTrigger() const { return m_triggers.Selected(); }
  // The connector as it is drawn now.
  std::optional<TriggerLink> Link() const;

  // A trigger row was selected: its menu is selected in the menu list.
  void CheckListBox1Click();
  // The check mark of a trigger row was pressed.
  void CheckListBox1ClickCheck(int row);
  // A menu row was chosen: the selected trigger pops that menu up from now on.
  void ListBox1Click();
  void IAddMenuClick();
  void IRemoveMenuClick();
  void IRenameMenuClick();
  // Writes the selected menu to a file of its own, named in the save dialog.
  void IExportMenuClick();
  // Reads a menu file as a new menu, named after the file.
  void IImportMenuClick();

 private:
  Rect Place(const Rect& pageRect) const;
  Point Place(Point pagePoint) const { return {m_origin.x + pagePoint.x, m_origin.y + pagePoint.y}; }
  // The list box takes the menu names again and selects a position (-1: none).
  void FillMenuList(int selected);
  void ShowMenuName(int position);
  int SelectedMenu() const;
  void Redraw();
  void DrawTriggerLink(Canvas& canvas) const;

  const Skin& m_skin;
  Session& m_session;
  Dialogs& m_dialogs;
  ItemEditorControl& m_editor;
  Point m_origin;
  MenuWindowControl* m_menu = nullptr;
  Window* m_window = nullptr;
  ListBox* m_menuList = nullptr;
  EditBox* m_menuName = nullptr;
  CheckList m_triggers;
  ImageButton m_add;
  ImageButton m_remove;
  ImageButton m_import;
  ImageButton m_export;
  ImageButton m_rename;
  Label m_triggerLabel;
  Label m_menuLabel;
  Controls m_controls;
};

}  // namespace tarnwick
