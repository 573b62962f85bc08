#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/Settings.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "ui/Control.h"
#include "ui/LanguageTexts.h"

namespace tarnwick {

// A caption that acts when clicked (a press and a release on it): drawn underlined in aqua.
// A right-aligned link ends at its origin's x plus its width and grows to the left.
class LinkLabel final : public ClickControl {
 public:
  static constexpr Color kLinkColor = 0xFFFF00;

  LinkLabel(const Skin& skin, Point origin, std::function<void()> action, int rightAlignWidth = 0);
  void SetText(std::string text) { m_text = std::move(text); }
  const std::string& Text() const { return m_text; }
  Rect Bounds() const override;
  // Drawn on a fill of its own: the panel it stands on.
  void SetFill(Color fill) { m_fill = fill; }

  void Paint(Canvas& canvas) const override;

 private:
  const Skin& m_skin;
  Point m_origin;
  int m_rightAlignWidth;
  std::string m_text;
  Color m_fill = 0;
};

// The About page: the program's icon and title, the two web links, a short notice, and the
// name of the language in use, which opens the choice of another language file.
class AboutPage {
 public:
  static constexpr const char* kTitle = "Tarnwick 2.2 Revision 2";
  static constexpr const char* kHomePage = "https://tarnwick.org/";
  // Pages open maximised, as a browser window with room to read.
  static constexpr int kShowMaximized = 3;
  static constexpr int kNoticeWidth = 265;
  static constexpr int kNoticeHeight = 73;

  // languageChosen runs after a new language file was stored in the settings.
  AboutPage(const Skin& skin, Settings& settings, Dialogs& dialogs, Shell& shell, Point origin,
            std::function<void()> languageChosen);

  void UpdateTexts(const LanguageTexts& texts);
  void Paint(Canvas& canvas) const;
  Controls& Mouse() { return m_controls; }

  void LTarnwickHPClick();
  void LTarnwickFPClick() { LTarnwickHPClick(); }
  // The file dialog for a language file, preset to the current one; on OK the path becomes
  // the "Language" setting and the texts are read from it.
  void ChooseLanguageFile();

 private:
  Settings& m_settings;
  Dialogs& m_dialogs;
  Shell& m_shell;
  Point m_origin;
  std::function<void()> m_languageChosen;
  std::string m_about1;
  std::string m_about2;
  std::string m_about3;
  LinkLabel m_homePage;
  LinkLabel m_feedbackPage;
  LinkLabel m_language;
  Controls m_controls;
  const Skin& m_skin;
};

// Breaks text into lines at blanks so that each line is at most width pixels wide in the font
// (a single word wider than that stands alone on its line).
std::vector<std::string> WrapText(TextMeasure& measure, const FontSpec& font, const std::string& text, int width);

}  // namespace tarnwick
