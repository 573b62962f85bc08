#pragma once

#include <array>
#include <memory>
#include <vector>

#include "options/ItemEditor.h"
#include "ui/Control.h"
#include "ui/ImageControls.h"
#include "ui/LanguageTexts.h"

namespace tarnwick {

// The Menu Item page of the options window: the view of the item editor. Its text boxes are
// child edit controls of the window (made by Create, in their tab order); the buttons, toggles,
// the colour swatch and the icon picker are drawn on the window. Every action goes to the
// editor, and the page then shows the editor's state (Sync).
class MenuItemPage {
 public:
  // Control ids of the page's child controls in the options window.
  static constexpr int kDescription = 301;
  static constexpr int kProgramFile = 302;
  static constexpr int kStartIn = 303;
  static constexpr int kParameters = 304;
  static constexpr int kIconLocation = 305;
  static constexpr int kHotkey = 306;
  static constexpr int kIconScroll = 307;
  // The hotkey box's text when the system did not take the hotkey.
  static constexpr Color kInUseText = 0x0000C0;

  // origin: the page's top-left corner in the window's client pixels.
  // icons: the platform's picker strip, whose icons in view the page asks for.
  MenuItemPage(const Skin& skin, ItemEditor& editor, Icons& icons, Point origin);
  ~MenuItemPage();

  // Makes the child controls on the window, hidden.
  void Create(Window& window);
  void UpdateTexts(const LanguageTexts& texts);
  // The child controls show only while the page is in front.
  void SetShown(bool shown);
  // Shows the editor's state: box texts it changed, the hotkey, the picker's scroll range.
  void Sync();

  void Paint(Canvas& canvas) const;
  Controls& Mouse() { return m_controls; }

  // Events of the child controls; false for a control that is not the page's.
  bool EditChanged(int controlId);
  bool EditKeyDown(int controlId, int key);
  bool EditKeyUp(int controlId, int key);
  bool Scrolled(int controlId, int position);

  // The picker box in client pixels, and the first cell in view.
  Rect PickerBox() const;
  int FirstPickerCell() const { return m_firstCell; }

 private:
  class IconPickerBox;
  class ItemColorSwatch;

  ImageButton& Button(Point at, int picture, DoubleClick doubleClick, void (ItemEditor::*handler)());
  ImageCheckBox& Toggle(Point at, std::vector<int> glyphs, std::function<int()> read, void (ItemEditor::*handler)());
  // Runs an editor handler, then shows what it changed.
  void Run(void (ItemEditor::*handler)());
  void SetLabelTexts(const LanguageTexts& texts);
  // The icons of the cells in view are extracted before they are drawn.
  void ShowPickerIcons();

  const Skin& m_skin;
  ItemEditor& m_editor;
  Icons& m_icons;
  Point m_origin;
  std::vector<std::unique_ptr<ImageControl>> m_buttons;
  std::unique_ptr<ItemColorSwatch> m_swatch;
  std::unique_ptr<IconPickerBox> m_picker;
  ImageControl* m_getPath = nullptr;
  ImageControl* m_winMode = nullptr;
  ImageControl* m_disable = nullptr;
  ImageControl* m_getIcon = nullptr;
  ImageControl* m_clearHotkey = nullptr;
  std::array<ImageControl*, 4> m_modifiers{};
  std::vector<Label> m_labels;
  Controls m_controls;

  struct Box {
    int id;
    EditBox* box;
    std::string ItemTexts::*text;  // null for the hotkey box
    Rect bounds;
  };
  std::vector<Box> m_boxes;
  EditBox* m_hotkeyBox = nullptr;
  ScrollBar* m_scroll = nullptr;
  std::string m_inUse;
  bool m_shown = false;
  int m_seenLoads = -1;
  int m_seenPickerBuilds = -1;
  int m_firstCell = 0;
};

}  // namespace tarnwick
