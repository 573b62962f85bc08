#include "options/ItemEditor.h"

#include <utility>

#include "model/Numbers.h"
#include "model/Text.h"

namespace tarnwick {

namespace {

constexpr Color kFreeCellColor = 0xFFFFFF;
// Icon locations that are numbers below this (other than -1) name a built-in picture.
constexpr int kBuiltInPictureLimit = 29;
// The program file must be longer than this to be looked for (a drive alone is not).
constexpr size_t kShortestPathForDialog = 3;
constexpr size_t kShortestPathForDefaultIcon = 2;

// Sets a text; false when it was that already.
bool Change(std::string& field, const std::string& text) {
  if (field == text) return false;
  field = text;
  return true;
}

}  // namespace

ItemEditor::ItemEditor(Session& session, Platform& platform)
    : m_session(session), m_dialogs(platform.dialogs), m_files(platform.files), m_icons(platform.icons) {}

void ItemEditor::ResetCell() {
  const MenuList& menus = m_session.Menus();
  m_cell = {0, 0, menus.MenuIds.empty() ? 0 : menus.MenuIds.front()};
}

void ItemEditor::EditCell(EditorCell cell) {
  m_cell = cell;
  FillItemEditor();
}

std::optional<size_t> ItemEditor::EditedMenuPosition() const {
  const std::vector<int>& ids = m_session.Menus().MenuIds;
  for (size_t position = 0; position < ids.size(); ++position) {
    if (ids[position] == m_cell.menuId) return position;
  }
  return std::nullopt;
}

std::string ItemEditor::MenuName() const {
  const std::optional<size_t> position = EditedMenuPosition();
  const std::vector<std::string>& names = m_session.Menus().MenuNames;
  return position && *position < names.size() ? names[*position] : std::string();
}

void ItemEditor::FillItemEditor() {
  const ItemTable& table = m_session.Table();
  const int position = table.FindItemAt(m_cell.column, m_cell.row, m_cell.menuId);
  m_keysDown.reset();
  if (position < 0) {
    m_texts = ItemTexts{};
    m_texts.programFile = kFreeCellMarker;
    m_iconIndex = -1;
    m_itemColor = kFreeCellColor;
    m_disableAfterRun = false;
    m_windowMode = 1;
    m_hotkey = HotkeyState{};
    m_picker.reset();
    ++m_pickerBuilds;
    m_icons.ClearPickerIcons();
    m_loadedItemId.reset();
    m_loadedHotkey = HotkeyState{};
    m_loadedHotkeyRegistered = false;
  } else {
    const Item& item = table.At(static_cast<size_t>(position));
    m_texts = {item.Description, item.ProgramFile, item.StartIn, item.Parameters, item.IconLocation};
    m_disableAfterRun = item.DisableAfterRun;
    m_windowMode = item.WindowMode;
    m_hotkey = HotkeyState::Of(item.HotkeyModifiers, item.HotkeyKey);
    m_iconIndex = item.IconIndex;
    m_itemColor = item.ItemColor;
    m_loadedItemId = item.ItemId;
    m_loadedHotkey = m_hotkey;
    m_loadedHotkeyRegistered = item.HotkeyRegistered;
    BuildIconPicker();
  }
  m_dirty = false;
  ++m_loads;
}

bool ItemEditor::CommitItemEditor() {
  if (!m_dirty) return true;
  // A free cell still showing the marker has nothing to store; the edit stays pending.
  if (LoadedFreeCell() && EqualsIgnoreCase(m_texts.programFile, kFreeCellMarker)) return true;
  if (m_texts.description.empty()) {
    const LanguageTexts& texts = m_session.Texts();
    m_dialogs.Warn(texts.Text("Warning"), texts.Text("Warning1"));
    return false;
  }
  ItemTable& table = m_session.Table();
  // Only the item the page loaded is replaced, wherever it is now. The cell may meanwhile hold
  // another item (dragged or dropped there); that one stays, and the edit goes to the first
  // free cell at or above.
  if (m_loadedItemId) {
    const int position = table.FindItemById(*m_loadedItemId);
    if (position >= 0) table.RemoveAt(static_cast<size_t>(position));
  }
  Item item;
  item.Description = m_texts.description;
  item.IconLocation = m_texts.iconLocation;
  item.IconIndex = m_iconIndex;
  item.ProgramFile = m_texts.programFile;
  item.StartIn = m_texts.startIn;
  item.Parameters = m_texts.parameters;
  item.WindowMode = m_windowMode;
  item.HotkeyModifiers = m_hotkey.Modifiers();
  item.HotkeyKey = m_hotkey.key;
  item.DisableAfterRun = m_disableAfterRun;
  item.ItemColor = m_itemColor;
  item.Column = m_cell.column;
  item.Row = m_cell.row;
  item.MenuId = m_cell.menuId;
  table.AddItem(std::move(item));
  const Item& added = table.At(table.Count() - 1);
  m_loadedItemId = added.ItemId;
  m_loadedHotkey = HotkeyState::Of(added.HotkeyModifiers, added.HotkeyKey);
  m_loadedHotkeyRegistered = added.HotkeyRegistered;
  m_dirty = false;
  // A menu showing (locked open) shows the stored item at once.
  if (m_menu != nullptr) m_menu->RefreshIfVisible();
  return true;
}

template <typename Step>
void ItemEditor::Navigate(Step&& step) {
  if (!CommitItemEditor()) return;
  step();
  FillItemEditor();
}

int ItemEditor::RowsOfEditedMenu() const {
  const std::vector<int>& rows = m_session.Table().MenuRows();
  const size_t position = m_session.Menus().MenuPositionOfId(m_cell.menuId);
  return position < rows.size() ? rows[position] : 0;
}

int ItemEditor::ColumnsOfEditedMenu() const {
  const std::vector<int>& columns = m_session.Table().MenuColumns();
  const size_t position = m_session.Menus().MenuPositionOfId(m_cell.menuId);
  return position < columns.size() ? columns[position] : 0;
}

void ItemEditor::IRowPClick() {
  Navigate([this] {
    if (m_cell.row > 0) --m_cell.row;
  });
}

void ItemEditor::IRowNClick() {
  Navigate([this] {
    if (m_cell.row < RowsOfEditedMenu() - 1) ++m_cell.row;
  });
}

void ItemEditor::IColumnPClick() {
  Navigate([this] {
    if (m_cell.column > 0) --m_cell.column;
  });
}

void ItemEditor::IColumnNClick() {
  Navigate([this] {
    if (m_cell.column < ColumnsOfEditedMenu() - 1) ++m_cell.column;
  });
}

// A menu id that names no menu (its menu was removed while the menu window showed it) has no
// neighbours: the page stays where it is.
void ItemEditor::IMenuPClick() {
  Navigate([this] {
    const std::optional<size_t> position = EditedMenuPosition();
    if (!position || *position == 0) return;
    m_cell = {0, 0, m_session.Menus().MenuIds[*position - 1]};
  });
}

void ItemEditor::IMenuNClick() {
  Navigate([this] {
    const std::optional<size_t> position = EditedMenuPosition();
    const std::vector<int>& ids = m_session.Menus().MenuIds;
    if (!position || *position + 1 >= ids.size()) return;
    m_cell = {0, 0, ids[*position + 1]};
  });
}

void ItemEditor::EDescriptionChange(const std::string& text) {
  if (Change(m_texts.description, text)) m_dirty = true;
}

void ItemEditor::EStartInChange(const std::string& text) {
  if (Change(m_texts.startIn, text)) m_dirty = true;
}

void ItemEditor::EParametersChange(const std::string& text) {
  if (Change(m_texts.parameters, text)) m_dirty = true;
}

void ItemEditor::EProgramFileChange(const std::string& text) {
  if (Change(m_texts.programFile, text)) ProgramFileChanged();
}

// The default icon follows the program file; an empty icon location becomes the default icon.
void ItemEditor::ProgramFileChanged() {
  m_dirty = true;
  if (m_texts.iconLocation.empty()) m_texts.iconLocation = "Default Icon";
  if (EqualsIgnoreCase(m_texts.iconLocation, "default icon")) BuildIconPicker();
}

void ItemEditor::EIconLocationChange(const std::string& text) {
  if (!Change(m_texts.iconLocation, text)) return;
  BuildIconPicker();
  m_dirty = true;
}

void ItemEditor::SItemColorMouseDown() {
  const std::optional<Color> chosen = m_dialogs.PickColor(m_itemColor);
  if (!chosen) return;
  m_itemColor = *chosen;
  m_dirty = true;
}

void ItemEditor::IGetPathClick() {
  const std::string& programFile = m_texts.programFile;
  if (programFile == "Exit") return;
  const bool presetToBox = programFile.size() > kShortestPathForDialog && m_files.FileOrFolderExists(programFile);
  const std::optional<std::string> chosen = m_dialogs.ChooseFile(presetToBox ? programFile : std::string());
  if (!chosen) return;
  if (LoadedFreeCell() && programFile == kFreeCellMarker) {
    // A free cell takes the file as a new item at once.
    if (m_menu != nullptr) m_menu->AddItemFromFile(*chosen, m_cell.column, m_cell.row, m_cell.menuId);
    FillItemEditor();
    if (m_menu != nullptr) m_menu->RefreshIfVisible();
  } else if (Change(m_texts.programFile, *chosen)) {
    ProgramFileChanged();
  }
  m_dirty = true;
}

void ItemEditor::IGetIconClick() {
  const std::string& location = m_texts.iconLocation;
  const std::optional<std::string> chosen = m_dialogs.ChooseFile(m_files.FileExists(location) ? location : std::string());
  if (!chosen) return;
  m_texts.iconLocation = *chosen;
  m_iconIndex = 0;
  BuildIconPicker();
  m_dirty = true;
}

void ItemEditor::IDisableClick() {
  m_disableAfterRun = !m_disableAfterRun;
  m_dirty = true;
}

void ItemEditor::IWinModeClick() {
  // A mode from a shortcut may lie outside 0..2; it steps on from where it reads.
  m_windowMode = ((m_windowMode + 1) % 3 + 3) % 3;
  m_dirty = true;
}

void ItemEditor::ToggleModifier(bool HotkeyState::*modifier) {
  m_hotkey.*modifier = !(m_hotkey.*modifier);
  m_dirty = true;
}

void ItemEditor::IWinKeyClick() { ToggleModifier(&HotkeyState::win); }
void ItemEditor::ICtrlClick() { ToggleModifier(&HotkeyState::ctrl); }
void ItemEditor::IAltClick() { ToggleModifier(&HotkeyState::alt); }
void ItemEditor::IShiftClick() { ToggleModifier(&HotkeyState::shift); }

void ItemEditor::IClearHotkeyClick() {
  m_hotkey.key = 0;
  m_dirty = true;
}

void ItemEditor::EHotkeyKeyDown(int key) {
  if (key >= 0 && key < KeyNames::kCount) m_keysDown.set(static_cast<size_t>(key));
}

// Only a key pressed in the box counts: the release of the Tab that brought the focus here, or
// of the keys of a switch back to this window, is not the user's choice of a key.
void ItemEditor::EHotkeyKeyUp(int key) {
  if (key < 0 || key >= KeyNames::kCount || !m_keysDown.test(static_cast<size_t>(key))) return;
  m_keysDown.reset(static_cast<size_t>(key));
  if (!IsModifierKey(key)) m_hotkey.key = key;
  m_dirty = true;
}

bool ItemEditor::HotkeyInUse() const {
  return m_loadedItemId && m_loadedHotkey.key != 0 && !m_loadedHotkeyRegistered && m_hotkey == m_loadedHotkey;
}

void ItemEditor::BuildIconPicker() {
  IconPicker picker;
  const std::string& location = m_texts.iconLocation;
  const std::optional<int32_t> number = ParseInt(location);
  if (number && *number != -1 && *number < kBuiltInPictureLimit) {
    picker = {1, *number};
    m_iconIndex = 0;
    m_icons.ClearPickerIcons();
  } else if (EqualsIgnoreCase(location, "default icon")) {
    const std::string& program = m_texts.programFile;
    if (program.size() > kShortestPathForDefaultIcon && m_files.FileOrFolderExists(program)) {
      picker.cells = 1;
      m_iconIndex = 0;
      m_icons.LoadPickerAssociatedIcon(program);
    } else {
      m_iconIndex = -1;
      m_icons.ClearPickerIcons();
    }
  } else {
    picker.cells = m_icons.CountFileIcons(location);
    m_icons.LoadPickerIcons(location, picker.cells);
  }
  m_picker = picker;
  ++m_pickerBuilds;
}

void ItemEditor::PickerMouseDown(int x) {
  if (!m_picker || x < 0 || x >= m_picker->cells * kPickerCellWidth) return;
  m_iconIndex = x / kPickerCellWidth;
  m_dirty = true;
}

}  // namespace tarnwick
