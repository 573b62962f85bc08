#pragma once

#include <memory>
#include <vector>

#include "model/Settings.h"
#include "ui/Control.h"
#include "ui/ImageControls.h"
#include "ui/LanguageTexts.h"

namespace tarnwick {

// The General page of the options window: one image check box per behaviour setting. A click
// on a box or its caption changes the setting at once (others read it directly); a double
// click counts as two clicks.
class GeneralPage {
 public:
  // The glyphs of "Popup sensitive", least to most filled, for Sensitive 0, 1 and 2.
  static constexpr int kSensitiveGlyphs[] = {13, 14, 15};

  // origin: the page's top-left corner in the window's client pixels.
  GeneralPage(const Skin& skin, Settings& settings, Point origin);

  // The captions, from the language texts as they are now.
  void UpdateTexts(const LanguageTexts& texts);
  void Paint(Canvas& canvas) const { m_controls.Paint(canvas); }
  Controls& Mouse() { return m_controls; }

 private:
  std::vector<std::unique_ptr<ImageCheckBox>> m_boxes;
  Controls m_controls;
  Point m_origin;
};

}  // namespace tarnwick
