#pragma once

#include <memory>

#include "platform/Platform.h"

namespace tarnwick {

class TOptions;

// The context menu window: an owner-drawn command menu that opens over the grid.
// Until it is needed it waits, hidden, as a 1 x 1 window at the bottom-right pixel.
class TAMenu final : public WindowEvents {
 public:
  TAMenu(Platform& platform, TOptions& options);
  void FormCreate();
  void FormPaint(Canvas& canvas) override;
  Window& FormWindow() { return *m_window; }
  // Hidden means hidden, and collapsed back to its resting pixel.
  void Hide();

 private:
  Platform& m_platform;
  TOptions& m_options;
  std::unique_ptr<Window> m_window;
};

}  // namespace tarnwick
