#pragma once

#include <memory>

#include "platform/Platform.h"

namespace tarnwick {

class TOptions;

// The add-special dialog: a small borderless window, centred on the screen, that adds
// placeholders, rows, columns, window-message items and separators. Created hidden.
class TAddSpecial final : public WindowEvents {
 public:
  static constexpr int kWidth = 371;
  static constexpr int kHeight = 131;

  TAddSpecial(Platform& platform, TOptions& options);
  void FormCreate();
  void FormPaint(Canvas& canvas) override;
  Window& FormWindow() { return *m_window; }

 private:
  Platform& m_platform;
  TOptions& m_options;
  std::unique_ptr<Window> m_window;
};

}  // namespace tarnwick
