#include "options/MenuItemPage.h"

#include <algorithm>
#include <string>
#include <utility>

#include "ui/ColorSwatch.h"

namespace tarnwick {

namespace {

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr int kBoxWidth = 256;
constexpr int kBoxHeight = 19;
constexpr int kCell = ItemEditor::kPickerCellWidth;
// Cells the picker's 278 pixels show, the last of them two pixels short.
constexpr int kVisibleCells = 7;
constexpr int kPictureCount = 30;

constexpr int kPreviousGlyph = 16;
constexpr int kNextGlyph = 17;
constexpr int kBrowseGlyph = 1;
constexpr int kClearGlyph = 2;

Point At(Point origin, int x, int y) { return {origin.x + x, origin.y + y}; }
Rect Area(Point origin, int x, int y, int width, int height) {
  return {origin.x + x, origin.y + y, origin.x + x + width, origin.y + y + height};
}

struct Caption {
  const char* key;
  int x;
  int y;
};
constexpr Caption kCaptions[] = {{"MenuItem1", 16, 16},  {"MenuItem2", 128, 16}, {"MenuItem3", 16, 42},
                                 {"MenuItem4", 16, 66},  {"MenuItem13", 16, 90}, {"MenuItem5", 16, 114},
                                 {"MenuItem6", 16, 138}, {"MenuItem14", 16, 162}, {"MenuItem7", 16, 186}};

}  // namespace

// The item colour: a swatch in a field frame; a press of any button on it opens the colour
// chooser through the editor.
class MenuItemPage::ItemColorSwatch final : public Control {
 public:
  ItemColorSwatch(ItemEditor& editor, Rect bounds) : m_editor(editor), m_bounds(bounds) {}
  void Paint(Canvas& canvas) const override {
    DrawFieldFrame(canvas, m_bounds);
    canvas.FillRect(m_bounds, kBlack);
    canvas.FillRect({m_bounds.left + 1, m_bounds.top + 1, m_bounds.right - 1, m_bounds.bottom - 1},
                    m_editor.ItemColor());
  }
  bool MouseDown(MouseButton, Point point) override {
    if (!m_bounds.Contains(point)) return false;
    m_editor.SItemColorMouseDown();
    return true;
  }
  bool MouseUp(MouseButton, Point) override { return false; }
  // The chooser is modal: the second press of a double click would open it once more.
  bool MouseDoubleClick(MouseButton, Point) override { return false; }

 private:
  ItemEditor& m_editor;
  Rect m_bounds;
};

// The icon picker: a white box with a black outline; inside it a strip of 40 x 40 cells, one
// per icon, of which the page's scroll bar (under the strip) chooses the first in view.
class MenuItemPage::IconPickerBox final : public Control {
 public:
  IconPickerBox(ItemEditor& editor, const MenuItemPage& page, Rect bounds)
      : m_editor(editor), m_page(page), m_bounds(bounds) {}

  Rect Strip() const { return {m_bounds.left + 1, m_bounds.top + 1, m_bounds.right - 1, m_bounds.top + 1 + kCell}; }
  Rect ScrollBarBounds() const {
    return {m_bounds.left + 1, m_bounds.top + 1 + kCell, m_bounds.right - 1, m_bounds.bottom - 1};
  }

  void Paint(Canvas& canvas) const override {
    canvas.FillRect(m_bounds, kBlack);
    canvas.FillRect({m_bounds.left + 1, m_bounds.top + 1, m_bounds.right - 1, m_bounds.bottom - 1}, kWhite);
    const std::optional<IconPicker>& picker = m_editor.Picker();
    if (!picker) return;
    const Rect strip = Strip();
    for (int k = 0; k < kVisibleCells; ++k) {
      const int cell = m_page.FirstPickerCell() + k;
      if (cell >= picker->cells) break;
      const int x = strip.left + k * kCell;
      if (cell == m_editor.IconIndex()) {
        canvas.FillRect({x, strip.top, std::min(x + kCell, strip.right), strip.bottom}, m_editor.PickerHighlight());
      }
      if (picker->builtInPicture < 0) {
        canvas.DrawPickerIcon(cell, {x + 4, strip.top + 4});
      } else if (picker->builtInPicture < kPictureCount) {
        canvas.DrawImage(picker->builtInPicture, {x + 11, strip.top + 11});
      }
    }
  }
  bool MouseDown(MouseButton, Point point) override {
    const Rect strip = Strip();
    if (!m_editor.Picker() || !strip.Contains(point)) return false;
    const int x = point.x - strip.left + m_page.FirstPickerCell() * kCell;
    if (x >= m_editor.Picker()->cells * kCell) return false;
    m_editor.PickerMouseDown(x);
    return true;
  }
  bool MouseUp(MouseButton, Point) override { return false; }
  bool MouseDoubleClick(MouseButton button, Point point) override { return MouseDown(button, point); }

 private:
  ItemEditor& m_editor;
  const MenuItemPage& m_page;
  Rect m_bounds;
};

MenuItemPage::MenuItemPage(const Skin& skin, ItemEditor& editor, Icons& icons, Point origin)
    : m_skin(skin), m_editor(editor), m_icons(icons), m_origin(origin) {
  Button(At(origin, 72, 14), kPreviousGlyph, DoubleClick::Clicks, &ItemEditor::IRowPClick);
  Button(At(origin, 104, 14), kNextGlyph, DoubleClick::Clicks, &ItemEditor::IRowNClick);
  Button(At(origin, 184, 14), kPreviousGlyph, DoubleClick::Clicks, &ItemEditor::IColumnPClick);
  Button(At(origin, 216, 14), kNextGlyph, DoubleClick::Clicks, &ItemEditor::IColumnNClick);
  Button(At(origin, 240, 14), kPreviousGlyph, DoubleClick::Clicks, &ItemEditor::IMenuPClick);
  Button(At(origin, 368, 14), kNextGlyph, DoubleClick::Clicks, &ItemEditor::IMenuNClick);
  // The buttons that open a modal dialog take a double click as one click.
  m_getPath = &Button(At(origin, 368, 65), kBrowseGlyph, DoubleClick::Ignored, &ItemEditor::IGetPathClick);
  m_winMode = &Toggle(At(origin, 368, 89), {18, 19, 20}, [this] { return m_editor.WindowMode(); },
                      &ItemEditor::IWinModeClick);
  m_disable = &Toggle(At(origin, 368, 113), {29, 6}, [this] { return m_editor.DisableAfterRun() ? 1 : 0; },
                      &ItemEditor::IDisableClick);
  m_getIcon = &Button(At(origin, 368, 137), kBrowseGlyph, DoubleClick::Ignored, &ItemEditor::IGetIconClick);
  m_modifiers[0] = &Toggle(At(origin, 104, 161), {21, 22}, [this] { return m_editor.Hotkey().win ? 1 : 0; },
                           &ItemEditor::IWinKeyClick);
  m_modifiers[1] = &Toggle(At(origin, 120, 161), {23, 24}, [this] { return m_editor.Hotkey().ctrl ? 1 : 0; },
                           &ItemEditor::ICtrlClick);
  m_modifiers[2] = &Toggle(At(origin, 136, 161), {25, 26}, [this] { return m_editor.Hotkey().alt ? 1 : 0; },
                           &ItemEditor::IAltClick);
  m_modifiers[3] = &Toggle(At(origin, 152, 161), {27, 28}, [this] { return m_editor.Hotkey().shift ? 1 : 0; },
                           &ItemEditor::IShiftClick);
  m_clearHotkey = &Button(At(origin, 368, 161), kClearGlyph, DoubleClick::Clicks, &ItemEditor::IClearHotkeyClick);
  m_swatch = std::make_unique<ItemColorSwatch>(editor, Area(origin, 367, 40, 19, 19));
  m_controls.Add(*m_swatch);
  m_picker = std::make_unique<IconPickerBox>(editor, *this, Area(origin, 106, 184, 280, 58));
  m_controls.Add(*m_picker);
  // The modifier toggles' hints are the names of their keys, in every language.
  const char* const modifierHints[] = {"Win", "Ctrl", "Alt", "Shift"};
  for (size_t i = 0; i < m_modifiers.size(); ++i) m_modifiers[i]->SetHint(modifierHints[i]);
  SetLabelTexts(LanguageTexts{});
}

MenuItemPage::~MenuItemPage() = default;

ImageButton& MenuItemPage::Button(Point at, int picture, DoubleClick doubleClick, void (ItemEditor::*handler)()) {
  auto button = std::make_unique<ImageButton>(m_skin, at, picture, doubleClick, [this, handler] { Run(handler); });
  ImageButton& added = *button;
  m_controls.Add(added);
  m_buttons.push_back(std::move(button));
  return added;
}

// The state lives in the editor; a click runs the editor's handler, which steps it.
ImageCheckBox& MenuItemPage::Toggle(Point at, std::vector<int> glyphs, std::function<int()> read,
                                    void (ItemEditor::*handler)()) {
  ImageCheckBox::State state{std::move(read), [this, handler](int) { Run(handler); }};
  auto toggle = std::make_unique<ImageCheckBox>(m_skin, at, std::move(state), std::move(glyphs));
  ImageCheckBox& added = *toggle;
  m_controls.Add(added);
  m_buttons.push_back(std::move(toggle));
  return added;
}

void MenuItemPage::Run(void (ItemEditor::*handler)()) {
  (m_editor.*handler)();
  Sync();
}

Rect MenuItemPage::PickerBox() const { return Area(m_origin, 106, 184, 280, 58); }

void MenuItemPage::Create(Window& window) {
  struct Place {
    int id;
    Rect bounds;
    std::string ItemTexts::*text;
  };
  // In their tab order, which is the order of creation.
  const Place places[] = {
      {kDescription, Area(m_origin, 106, 40, kBoxWidth, kBoxHeight), &ItemTexts::description},
      {kProgramFile, Area(m_origin, 106, 64, kBoxWidth, kBoxHeight), &ItemTexts::programFile},
      {kParameters, Area(m_origin, 106, 112, kBoxWidth, kBoxHeight), &ItemTexts::parameters},
      {kIconLocation, Area(m_origin, 106, 136, kBoxWidth, kBoxHeight), &ItemTexts::iconLocation},
      {kIconScroll, m_picker->ScrollBarBounds(), nullptr},
      {kHotkey, Area(m_origin, 178, 160, 184, kBoxHeight), nullptr},
      {kStartIn, Area(m_origin, 106, 88, kBoxWidth, kBoxHeight), &ItemTexts::startIn},
  };
  for (const Place& place : places) {
    if (place.id == kIconScroll) {
      m_scroll = &window.AddScrollBar(place.id, place.bounds);
      continue;
    }
    EditBox& box = window.AddEditBox(place.id, place.bounds);
    m_boxes.push_back({place.id, &box, place.text, place.bounds});
    if (place.id == kHotkey) m_hotkeyBox = &box;
  }
  m_hotkeyBox->SetReadOnly(true);
  m_hotkeyBox->SetTakesKeys(true);
  SetShown(false);
  Sync();
}

void MenuItemPage::SetLabelTexts(const LanguageTexts& texts) {
  m_labels.clear();
  for (const Caption& caption : kCaptions) m_labels.push_back({At(m_origin, caption.x, caption.y), texts.Text(caption.key)});
  m_getPath->SetHint(texts.Text("MenuItem8"));
  m_winMode->SetHint(texts.Text("MenuItem11"));
  m_disable->SetHint(texts.Text("MenuItem15"));
  m_getIcon->SetHint(texts.Text("MenuItem10"));
  m_clearHotkey->SetHint(texts.Text("MenuItem12"));
  m_inUse = texts.Text("MenuItem16");
}

void MenuItemPage::UpdateTexts(const LanguageTexts& texts) {
  SetLabelTexts(texts);
  for (const Box& box : m_boxes) box.box->SetFont(texts.Font);
  // The in-use note is in the language of the moment.
  m_seenLoads = -1;
  Sync();
}

void MenuItemPage::SetShown(bool shown) {
  m_shown = shown;
  for (const Box& box : m_boxes) box.box->SetVisible(shown);
  if (m_scroll != nullptr) {
    const std::optional<IconPicker>& picker = m_editor.Picker();
    m_scroll->SetVisible(shown && picker && picker->cells > kVisibleCells);
  }
}

void MenuItemPage::Sync() {
  if (m_hotkeyBox == nullptr) return;
  const bool loaded = m_editor.Loads() != m_seenLoads;
  m_seenLoads = m_editor.Loads();
  // A box the user types in already reads as the editor holds it and is left alone (its caret
  // stays); writing a box runs its change event, which the editor takes as no change.
  for (const Box& box : m_boxes) {
    if (box.text == nullptr) continue;
    const std::string& text = m_editor.Texts().*(box.text);
    if (box.box->Text() != text) {
      box.box->SetText(text);
      box.box->CaretToEnd();
    } else if (loaded) {
      box.box->CaretToEnd();
    }
  }
  std::string hotkey = m_editor.HotkeyText();
  const bool inUse = m_editor.HotkeyInUse();
  if (inUse) hotkey += " (" + m_inUse + ")";
  m_hotkeyBox->SetTextColor(inUse ? kInUseText : kBlack);
  if (m_hotkeyBox->Text() != hotkey) {
    m_hotkeyBox->SetText(hotkey);
    m_hotkeyBox->CaretToEnd();
  }
  if (m_editor.PickerBuilds() != m_seenPickerBuilds) {
    m_seenPickerBuilds = m_editor.PickerBuilds();
    const std::optional<IconPicker>& picker = m_editor.Picker();
    const int cells = picker ? picker->cells : 0;
    const int last = std::max(0, cells - kVisibleCells);
    // The chosen icon in view, as near the left as the strip allows.
    const int chosen = m_editor.IconIndex();
    m_firstCell = chosen >= kVisibleCells ? std::min(chosen, last) : 0;
    m_scroll->SetRange(cells, kVisibleCells);
    m_scroll->SetPosition(m_firstCell);
    m_scroll->SetVisible(m_shown && cells > kVisibleCells);
    ShowPickerIcons();
  }
}

void MenuItemPage::ShowPickerIcons() {
  const std::optional<IconPicker>& picker = m_editor.Picker();
  if (picker && picker->builtInPicture < 0 && picker->cells > 0) m_icons.ShowPickerIcons(m_firstCell, kVisibleCells);
}

bool MenuItemPage::EditChanged(int controlId) {
  for (const Box& box : m_boxes) {
    if (box.id != controlId) continue;
    const std::string text = box.box->Text();
    switch (controlId) {
      case kDescription: m_editor.EDescriptionChange(text); break;
      case kProgramFile: m_editor.EProgramFileChange(text); break;
      case kStartIn: m_editor.EStartInChange(text); break;
      case kParameters: m_editor.EParametersChange(text); break;
      case kIconLocation: m_editor.EIconLocationChange(text); break;
      default: return true;  // the hotkey box: its text is the page's own
    }
    Sync();
    return true;
  }
  return false;
}

bool MenuItemPage::EditKeyDown(int controlId, int key) {
  if (controlId != kHotkey) return false;
  m_editor.EHotkeyKeyDown(key);
  return true;
}

bool MenuItemPage::EditKeyUp(int controlId, int key) {
  if (controlId != kHotkey) return false;
  m_editor.EHotkeyKeyUp(key);
  Sync();
  return true;
}

bool MenuItemPage::Scrolled(int controlId, int position) {
  if (controlId != kIconScroll) return false;
  const std::optional<IconPicker>& picker = m_editor.Picker();
  const int last = std::max(0, (picker ? picker->cells : 0) - kVisibleCells);
  m_firstCell = std::clamp(position, 0, last);
  ShowPickerIcons();
  return true;
}

void MenuItemPage::Paint(Canvas& canvas) const {
  for (const Label& label : m_labels) label.Paint(canvas, m_skin);
  // The cell's numbers and the menu's name, centred in their places.
  canvas.SetFont(m_skin.font);
  const auto centred = [&](Rect r, const std::string& text) {
    const int width = canvas.TextWidth(text);
    canvas.TextInRect(r, {r.left + (r.Width() - width) / 2, r.top}, text, m_skin.text, m_skin.background);
  };
  const EditorCell cell = m_editor.EditedCell();
  centred(Area(m_origin, 88, 16, 16, Label::kHeight), std::to_string(cell.row));
  centred(Area(m_origin, 200, 16, 16, Label::kHeight), std::to_string(cell.column));
  centred(Area(m_origin, 264, 16, 97, Label::kHeight), m_editor.MenuName());
  for (const Box& box : m_boxes) DrawFieldFrame(canvas, box.bounds);
  m_controls.Paint(canvas);
}

}  // namespace tarnwick
