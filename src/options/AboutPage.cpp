#include "options/AboutPage.h"

#include <sstream>

#include "ui/RaisedFrame.h"

namespace tarnwick {

namespace {

constexpr Color kBlack = 0x000000;

Point At(Point origin, int x, int y) { return {origin.x + x, origin.y + y}; }
Rect Box(Point origin, int x, int y, int width, int height) {
  return {origin.x + x, origin.y + y, origin.x + x + width, origin.y + y + height};
}

void Outline(Canvas& canvas, const Rect& r, Color color) {
  canvas.FillRect({r.left, r.top, r.right, r.top + 1}, color);
  canvas.FillRect({r.left, r.bottom - 1, r.right, r.bottom}, color);
  canvas.FillRect({r.left, r.top, r.left + 1, r.bottom}, color);
  canvas.FillRect({r.right - 1, r.top, r.right, r.bottom}, color);
}

// LLanguage is right-aligned in the room between its place and the panel's inner edge.
constexpr int kLanguageWidth = 74;

}  // namespace

std::vector<std::string> WrapText(TextMeasure& measure, const FontSpec& font, const std::string& text, int width) {
  std::vector<std::string> lines;
  std::istringstream words(text);
  std::string word;
  std::string line;
  while (words >> word) {
    const std::string longer = line.empty() ? word : line + " " + word;
    if (!line.empty() && measure.TextWidth(font, longer) > width) {
      lines.push_back(line);
      line = word;
    } else {
      line = longer;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

LinkLabel::LinkLabel(const Skin& skin, Point origin, std::function<void()> action, int rightAlignWidth)
    : ClickControl(std::move(action)), m_skin(skin), m_origin(origin), m_rightAlignWidth(rightAlignWidth) {}

Rect LinkLabel::Bounds() const {
  const int width = m_skin.measure.TextWidth(m_skin.font, m_text);
  const int left = m_rightAlignWidth > 0 ? m_origin.x + m_rightAlignWidth - width : m_origin.x;
  return {left, m_origin.y, left + width, m_origin.y + Label::kHeight};
}

void LinkLabel::Paint(Canvas& canvas) const {
  const Rect bounds = Bounds();
  canvas.SetFont(m_skin.font);
  canvas.TextInRect(bounds, {bounds.left, bounds.top}, m_text, kLinkColor, m_fill);
  canvas.Line({bounds.left, bounds.bottom - 1}, {bounds.right, bounds.bottom - 1}, kLinkColor, 1);
}

AboutPage::AboutPage(const Skin& skin, Settings& settings, Dialogs& dialogs, Shell& shell, Point origin,
                     std::function<void()> languageChosen)
    : m_settings(settings),
      m_dialogs(dialogs),
      m_shell(shell),
      m_origin(origin),
      m_languageChosen(std::move(languageChosen)),
      m_homePage(skin, At(origin, 72, 96), [this] { LTarnwickHPClick(); }),
      m_feedbackPage(skin, At(origin, 72, 136), [this] { LTarnwickFPClick(); }),
      m_language(skin, At(origin, 303, 24), [this] { ChooseLanguageFile(); }, kLanguageWidth),
      m_skin(skin) {
  m_homePage.SetText("Tarnwick Homepage");
  m_feedbackPage.SetText("Tarnwick Feedback Page");
  for (LinkLabel* link : {&m_homePage, &m_feedbackPage, &m_language}) {
    link->SetFill(EdgeDark);
    m_controls.Add(*link);
  }
  UpdateTexts(LanguageTexts{});
}

void AboutPage::UpdateTexts(const LanguageTexts& texts) {
  m_about1 = texts.Text("About1");
  m_about2 = texts.Text("About2");
  m_about3 = texts.Text("About3");
  m_language.SetText(texts.Text("Language"));
}

void AboutPage::Paint(Canvas& canvas) const {
  const Rect outer = Box(m_origin, 8, 8, 385, 241);
  canvas.FillRect(outer, EdgeLight);
  Outline(canvas, outer, kBlack);
  canvas.FillRect(Box(m_origin, 10, 10, 381, 237), EdgeDark);
  canvas.DrawApplicationIcon(At(m_origin, 24, 24));

  Skin panel(m_skin.measure);
  panel.background = EdgeDark;
  panel.text = m_skin.text;
  panel.font = m_skin.font;
  Label{At(m_origin, 72, 24), kTitle}.Paint(canvas, panel);
  Label{At(m_origin, 72, 80), m_about1}.Paint(canvas, panel);
  Label{At(m_origin, 72, 120), m_about2}.Paint(canvas, panel);
  const std::vector<std::string> notice = WrapText(m_skin.measure, m_skin.font, m_about3, kNoticeWidth);
  for (size_t i = 0; i < notice.size(); ++i) {
    const int top = 160 + static_cast<int>(i) * Label::kHeight;
    if (top + Label::kHeight > 160 + kNoticeHeight) break;
    Label{At(m_origin, 72, top), notice[i], kNoticeWidth}.Paint(canvas, panel);
  }
  m_controls.Paint(canvas);
}

void AboutPage::LTarnwickHPClick() { m_shell.Open(kHomePage, "", "", kShowMaximized); }

void AboutPage::ChooseLanguageFile() {
  const std::optional<std::string> chosen = m_dialogs.ChooseSettingsFile(m_settings.LanguageFile);
  if (!chosen) return;
  m_settings.LanguageFile = *chosen;
  if (m_languageChosen) m_languageChosen();
}

}  // namespace tarnwick
