#pragma once

#include <bitset>
#include <optional>
#include <string>

#include "app/Session.h"
#include "options/KeyNames.h"
#include "platform/Platform.h"
#include "ui/WindowControls.h"

namespace tarnwick {

// The texts of the item being edited, as its boxes hold them.
struct ItemTexts {
  std::string description;
  std::string programFile;
  std::string startIn;
  std::string parameters;
  std::string iconLocation;
  friend bool operator==(const ItemTexts&, const ItemTexts&) = default;
};

// The icon picker as last built: a row of cells, 40 pixels each. Either one cell with a
// built-in picture of the shared image list, or one cell per icon of the platform's picker
// strip (see Icons).
struct IconPicker {
  int cells = 0;
  int builtInPicture = -1;  // -1: the cells show the picker strip
  friend bool operator==(const IconPicker&, const IconPicker&) = default;
};

// The item editor of the options window: one cell of one menu at a time, the item in it or
// nothing. It holds what the page shows (texts, colour, window mode, disable flag, hotkey,
// chosen icon) and stores it into the item table as a new item in place of the one it loaded
// (CommitItemEditor), when asked to by Apply or before it moves to another cell.
class ItemEditor final : public ItemEditorControl {
 public:
  static constexpr int kPickerCellWidth = 40;
  // What a free cell shows in its program file box; a cell still showing it stores nothing.
  static constexpr const char* kFreeCellMarker = "Empty";

  ItemEditor(Session& session, Platform& platform);
  void AttachMenuWindow(MenuWindowControl& menu) { m_menu = &menu; }

  // ItemEditorControl: the cell, and moving to one (the context menu's "Properties" and its
  // removals). Moving loads the cell as it now is; a pending edit is dropped.
  EditorCell EditedCell() const override { return m_cell; }
  void EditCell(EditorCell cell) override;

  // Loads the page from the cell; it ends clean.
  void FillItemEditor();
  // Stores a pending edit; false, having told the user why, when the description is missing.
  bool CommitItemEditor();

  // Each stores a pending edit first and does nothing when that is refused; each ends with a
  // load, also where the cell stays (the ends of the grid or of the menu list).
  void IRowPClick();
  void IRowNClick();
  void IColumnPClick();
  void IColumnNClick();
  void IMenuPClick();
  void IMenuNClick();

  // The boxes' texts as they now read. A text equal to the one held is no change (the page
  // writing a box runs the box's change event too).
  void EDescriptionChange(const std::string& text);
  void EProgramFileChange(const std::string& text);
  void EStartInChange(const std::string& text);
  void EParametersChange(const std::string& text);
  void EIconLocationChange(const std::string& text);

  void SItemColorMouseDown();
  void IGetPathClick();
  void IGetIconClick();
  void IDisableClick();
  void IWinModeClick();

  // The hotkey row: four modifier toggles, the key box and the clear button. Modifiers come
  // from the toggles only; the box takes the key of the next release of a key pressed in it.
  void IWinKeyClick();
  void ICtrlClick();
  void IAltClick();
  void IShiftClick();
  void IClearHotkeyClick();
  void EHotkeyKeyDown(int key);
  void EHotkeyKeyUp(int key);

  // A press in the picker at x pixels from its left edge.
  void PickerMouseDown(int x);

  const ItemTexts& Texts() const { return m_texts; }
  // The name of the edited menu; empty when no menu of the list has its id.
  std::string MenuName() const;
  Color ItemColor() const { return m_itemColor; }
  int WindowMode() const { return m_windowMode; }
  bool DisableAfterRun() const { return m_disableAfterRun; }
  const HotkeyState& Hotkey() const { return m_hotkey; }
  std::string HotkeyText() { return tarnwick::HotkeyText(m_hotkey, m_keyNames); }
  // The hotkey shown is the loaded item's, and the system did not take it when the item was
  // added: another program or another item holds it, so it does nothing for this one.
  bool HotkeyInUse() const;
  int IconIndex() const { return m_iconIndex; }
  const std::optional<IconPicker>& Picker() const { return m_picker; }
  // The colour of the chosen cell: the menu's highlight.
  Color PickerHighlight() const { return m_session.Options().Highlight; }
  bool Dirty() const { return m_dirty; }
  // Whether the page showed a free cell when it was loaded.
  bool LoadedFreeCell() const { return !m_loadedItemId.has_value(); }

  // Counts of loads and of picker builds, for a view to tell what it must show afresh.
  int Loads() const { return m_loads; }
  int PickerBuilds() const { return m_pickerBuilds; }

  // The first menu's first cell, once the menu list is there.
  void ResetCell();

 private:
  // Runs a navigation step between a store and a load.
  template <typename Step>
  void Navigate(Step&& step);
  int RowsOfEditedMenu() const;
  int ColumnsOfEditedMenu() const;
  // Position of the edited menu in the menu list, if it is there.
  std::optional<size_t> EditedMenuPosition() const;
  void ProgramFileChanged();
  void BuildIconPicker();
  void ToggleModifier(bool HotkeyState::*modifier);

  Session& m_session;
  Dialogs& m_dialogs;
  FileSystem& m_files;
  Icons& m_icons;
  MenuWindowControl* m_menu = nullptr;
  KeyNames m_keyNames;

  EditorCell m_cell;
  ItemTexts m_texts;
  Color m_itemColor = 0xFFFFFF;
  int m_windowMode = 1;
  bool m_disableAfterRun = false;
  HotkeyState m_hotkey;
  int m_iconIndex = -1;
  std::optional<IconPicker> m_picker;
  bool m_dirty = false;
  // The item the page loaded (by ItemId), none for a free cell: a store replaces only it.
  std::optional<int> m_loadedItemId;
  HotkeyState m_loadedHotkey;
  bool m_loadedHotkeyRegistered = false;
  int m_loads = 0;
  int m_pickerBuilds = 0;
  // Keys pressed in the hotkey box and not yet released there.
  std::bitset<KeyNames::kCount> m_keysDown;
};

}  // namespace tarnwick
