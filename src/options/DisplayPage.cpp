#include "options/DisplayPage.h"

#include <string>

namespace tarnwick {

namespace {

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;

Point At(Point origin, int x, int y) { return {origin.x + x, origin.y + y}; }
Rect Box(Point origin, int x, int y, int width, int height) {
  return {origin.x + x, origin.y + y, origin.x + x + width, origin.y + y + height};
}

}  // namespace

void ApplyDisplayColors(Settings& settings, ItemTable& table, const DisplayColors& chosen) {
  for (size_t i = 0; i < table.Count(); ++i) {
    if (table.At(i).ItemColor == settings.Text) table.SetItemColor(i, chosen.text);
  }
  settings.Background = chosen.background;
  settings.Text = chosen.text;
  settings.Highlight = chosen.highlight;
  settings.HighlightText = chosen.highlightText;
}

FontBox::FontBox(const Rect& bounds, const FontSpec& font, std::function<void()> action)
    : m_bounds(bounds), m_font(font), m_action(std::move(action)) {}

void FontBox::Paint(Canvas& canvas) const {
  DrawFieldFrame(canvas, m_bounds);
  // The face alone shows it: a bold or italic menu font shows in the regular cut.
  FontSpec face;
  face.Face = m_font.Face;
  canvas.SetFont(face);
  canvas.TextInRect(m_bounds, {m_bounds.left + 1, m_bounds.top + 2}, m_font.Face, kBlack, kWhite);
}

bool FontBox::MouseDown(MouseButton, Point point) {
  if (!m_bounds.Contains(point)) return false;
  m_action();
  return true;
}

DisplayPage::DisplayPage(const Skin& skin, Settings& settings, Dialogs& dialogs, TextMeasure& measure,
                         Point origin)
    : m_skin(skin),
      m_settings(settings),
      m_dialogs(dialogs),
      m_measure(measure),
      m_origin(origin),
      m_font(Box(origin, 80, 10, 135, 19), settings.MenuFont, [this] { EFontClick(); }),
      m_smaller(skin, At(origin, 80, 36), kSmallerGlyph, DoubleClick::Clicks, [this] { ISizePClick(); }),
      m_larger(skin, At(origin, 112, 36), kLargerGlyph, DoubleClick::Clicks, [this] { ISizeNClick(); }),
      m_bold(skin, At(origin, 252, 12), ImageCheckBox::Of(settings.MenuFont.Bold)),
      m_italic(skin, At(origin, 252, 36), ImageCheckBox::Of(settings.MenuFont.Italic)),
      m_background(dialogs, Box(origin, 368, 60, 19, 19), settings.Background),
      m_text(dialogs, Box(origin, 368, 84, 19, 19), settings.Text),
      m_highlight(dialogs, Box(origin, 368, 108, 19, 19), settings.Highlight),
      m_highlightText(dialogs, Box(origin, 368, 132, 19, 19), settings.HighlightText),
      m_fontLabel{At(origin, 12, 14), ""},
      m_sizeLabel{At(origin, 12, 38), ""},
      m_backgroundLabel{At(origin, 12, 62), ""},
      m_textLabel{At(origin, 12, 86), ""},
      m_highlightLabel{At(origin, 12, 110), ""},
      m_highlightTextLabel{At(origin, 12, 134), ""} {
  for (Control* control : std::initializer_list<Control*>{&m_font, &m_smaller, &m_larger, &m_bold, &m_italic,
                                                          &m_background, &m_text, &m_highlight, &m_highlightText}) {
    m_controls.Add(*control);
  }
  UpdateTexts(LanguageTexts{});
}

void DisplayPage::LoadColors() {
  m_background.SetValue(m_settings.Background);
  m_text.SetValue(m_settings.Text);
  m_highlight.SetValue(m_settings.Highlight);
  m_highlightText.SetValue(m_settings.HighlightText);
}

DisplayColors DisplayPage::ChosenColors() const {
  return {m_background.Value(), m_text.Value(), m_highlight.Value(), m_highlightText.Value()};
}

void DisplayPage::UpdateTexts(const LanguageTexts& texts) {
  m_fontLabel.text = texts.Text("Display1");
  m_sizeLabel.text = texts.Text("Display2");
  m_bold.SetCaption({At(m_origin, 272, 14), texts.Text("Display3")});
  m_italic.SetCaption({At(m_origin, 272, 38), texts.Text("Display4")});
  m_backgroundLabel.text = texts.Text("Display5");
  m_textLabel.text = texts.Text("Display6");
  m_highlightLabel.text = texts.Text("Display7");
  m_highlightTextLabel.text = texts.Text("Display8");
}

void DisplayPage::Paint(Canvas& canvas) const {
  for (const Label* label : {&m_fontLabel, &m_sizeLabel, &m_backgroundLabel, &m_textLabel, &m_highlightLabel,
                             &m_highlightTextLabel}) {
    label->Paint(canvas, m_skin);
  }
  // The size, centred between its buttons.
  const Rect size = Box(m_origin, 96, 38, 16, Label::kHeight);
  const std::string number = std::to_string(m_settings.MenuFont.Size);
  canvas.SetFont(m_skin.font);
  const int width = canvas.TextWidth(number);
  canvas.TextInRect(size, {size.left + (size.Width() - width) / 2, size.top}, number, m_skin.text,
                    m_skin.background);
  m_controls.Paint(canvas);
}

void DisplayPage::EFontClick() {
  const std::optional<FontSpec> chosen = m_dialogs.PickFont(m_settings.MenuFont);
  if (!chosen) return;
  FontSpec& font = m_settings.MenuFont;
  font.Face = chosen->Face;
  font.Bold = chosen->Bold;
  font.Italic = chosen->Italic;
  // Climb from nothing to the chosen size, one step at a time, so that the size ends at the
  // largest one not above the choice whose text still fits a row. Text only grows with the
  // size, so the first step that does not fit is the last that could.
  font.Size = 0;
  for (int step = 0; step < chosen->Size; ++step) {
    if (!ISizeNClick()) break;
  }
  // A font too tall at any size still needs a size the menu can draw with.
  if (font.Size < 1) font.Size = 1;
}

bool DisplayPage::ISizeNClick() {
  FontSpec larger = m_settings.MenuFont;
  ++larger.Size;
  if (m_measure.TextHeight(larger, "1") > kMaxTextHeight) return false;
  m_settings.MenuFont.Size = larger.Size;
  return true;
}

void DisplayPage::ISizePClick() {
  if (m_settings.MenuFont.Size <= 1) return;
  --m_settings.MenuFont.Size;
}

}  // namespace tarnwick
