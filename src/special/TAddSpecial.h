#pragma once

#include <memory>

#include "app/Session.h"
#include "platform/Platform.h"

namespace tarnwick {

// The add-special dialog. Today it is only the window: small, borderless, centred on the
// screen and created hidden, painting its background and frame when shown; its controls,
// which add placeholders, rows, columns, window-message items and separators, come with a
// later landing.
class TAddSpecial final : public WindowEvents {
 public:
  static constexpr int kWidth = 371;
  static constexpr int kHeight = 131;

  TAddSpecial(Platform& platform, const Session& session);
  void FormCreate();
  void FormPaint(Canvas& canvas) override;
  Window& FormWindow() { return *m_window; }

 private:
  Platform& m_platform;
  const Session& m_session;
  std::unique_ptr<Window> m_window;
};

}  // namespace tarnwick
