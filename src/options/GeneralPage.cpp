#include "options/GeneralPage.h"

#include <array>
#include <string_view>

namespace tarnwick {

namespace {

struct Row {
  int top;
  std::string_view captionKey;
};

// The boxes top to bottom; the settings they edit are bound in the same order below.
constexpr std::array<Row, 10> kRows = {{
    {12, "General1"},    // Startup
    {36, "General2"},    // Autosave
    {60, "General3"},    // Tray Menu
    {84, "General4"},    // Hide Dup No
    {108, "General6"},   // Get Shortcut
    {132, "General8"},   // Tarnwik
    {156, "General9"},   // Exclude Corners
    {180, "General5"},   // Sensitive
    {204, "General10"},  // Fullscreen Guard
    {228, "General11"},  // All Monitors
}};
constexpr size_t kSensitiveRow = 7;
constexpr int kImageLeft = 12;
constexpr int kCaptionLeft = 32;
constexpr int kCaptionDrop = 2;

}  // namespace

GeneralPage::GeneralPage(const Skin& skin, Settings& settings, Point origin) : m_origin(origin) {
  const std::array<ImageCheckBox::State, kRows.size()> states = {
      ImageCheckBox::Of(settings.Startup),        ImageCheckBox::Of(settings.Autosave),
      ImageCheckBox::Of(settings.TrayMenu),       ImageCheckBox::Of(settings.HideDupNo),
      ImageCheckBox::Of(settings.GetShortcut),    ImageCheckBox::Of(settings.Tarnwik),
      ImageCheckBox::Of(settings.ExcludeCorners), ImageCheckBox::Of(settings.Sensitive),
      ImageCheckBox::Of(settings.FullscreenGuard), ImageCheckBox::Of(settings.AllMonitors)};
  for (size_t i = 0; i < kRows.size(); ++i) {
    const Point image{origin.x + kImageLeft, origin.y + kRows[i].top};
    const bool sensitive = i == kSensitiveRow;
    auto box = sensitive ? std::make_unique<ImageCheckBox>(
                               skin, image, states[i],
                               std::vector<int>(std::begin(kSensitiveGlyphs), std::end(kSensitiveGlyphs)))
                         : std::make_unique<ImageCheckBox>(skin, image, states[i]);
    m_controls.Add(*box);
    m_boxes.push_back(std::move(box));
  }
  UpdateTexts(LanguageTexts{});
}

void GeneralPage::UpdateTexts(const LanguageTexts& texts) {
  for (size_t i = 0; i < kRows.size(); ++i) {
    const Point caption{m_origin.x + kCaptionLeft, m_origin.y + kRows[i].top + kCaptionDrop};
    m_boxes[i]->SetCaption({caption, texts.Text(kRows[i].captionKey)});
  }
}

}  // namespace tarnwick
