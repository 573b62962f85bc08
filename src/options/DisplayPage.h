#pragma once

#include "model/ItemTable.h"
#include "model/Settings.h"
#include "platform/Dialogs.h"
#include "ui/ColorSwatch.h"
#include "ui/Control.h"
#include "ui/ImageControls.h"
#include "ui/LanguageTexts.h"

namespace tarnwick {

// The four display colours as the Display page's swatches hold them.
struct DisplayColors {
  Color background = kDefaultBackground;
  Color text = kDefaultText;
  Color highlight = kDefaultHighlight;
  Color highlightText = kDefaultHighlightText;
};

// What Apply does to the colours: items that wore the old text colour take the new one (items
// with a colour of their own keep it), then the settings take the chosen colours.
void ApplyDisplayColors(Settings& settings, ItemTable& table, const DisplayColors& chosen);

// The font box: the menu font's face name written in that face, black on white in a field
// frame. A press on it runs its action (the font dialog); it takes no typing.
class FontBox final : public Control {
 public:
  FontBox(const Rect& bounds, const FontSpec& font, std::function<void()> action);
  void Paint(Canvas& canvas) const override;
  bool MouseDown(MouseButton button, Point point) override;
  bool MouseUp(MouseButton, Point) override { return false; }
  bool MouseDoubleClick(MouseButton, Point) override { return false; }

 private:
  Rect m_bounds;
  const FontSpec& m_font;
  std::function<void()> m_action;
};

// The Display page of the options window. It edits the menu font in the settings directly
// (face, size, bold, italic: saved as they stand, shown in the menu after Apply) and holds
// the four colours in its swatches, which become settings only through Apply.
class DisplayPage {
 public:
  // The text of a menu row must fit its 20 pixels with room to spare.
  static constexpr int kMaxTextHeight = 16;
  static constexpr int kSmallerGlyph = 16;
  static constexpr int kLargerGlyph = 17;

  // origin: the page's top-left corner in the window's client pixels.
  DisplayPage(const Skin& skin, Settings& settings, Dialogs& dialogs, TextMeasure& measure, Point origin);

  // The swatches take the colours of the settings (after the load; not at every showing,
  // so that unapplied colours stay).
  void LoadColors();
  DisplayColors ChosenColors() const;
  void UpdateTexts(const LanguageTexts& texts);
  void Paint(Canvas& canvas) const;
  Controls& Mouse() { return m_controls; }

  void EFontClick();
  // One point larger, unless the text "1" would then be more than kMaxTextHeight high; false
  // when the size stayed.
  bool ISizeNClick();
  // One point smaller, down to 1.
  void ISizePClick();

 private:
  const Skin& m_skin;
  Settings& m_settings;
  Dialogs& m_dialogs;
  TextMeasure& m_measure;
  Point m_origin;
  FontBox m_font;
  ImageButton m_smaller;
  ImageButton m_larger;
  ImageCheckBox m_bold;
  ImageCheckBox m_italic;
  ColorSwatch m_background;
  ColorSwatch m_text;
  ColorSwatch m_highlight;
  ColorSwatch m_highlightText;
  Label m_fontLabel;
  Label m_sizeLabel;
  Label m_backgroundLabel;
  Label m_textLabel;
  Label m_highlightLabel;
  Label m_highlightTextLabel;
  Controls m_controls;
};

}  // namespace tarnwick
