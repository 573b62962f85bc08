#pragma once

#include <memory>

#include "app/Session.h"
#include "platform/Platform.h"
#include "ui/WindowControls.h"

namespace tarnwick {

// The context menu window. Today it is only the window, hidden and collapsed to 1 x 1 at the
// bottom-right pixel, that paints its background and frame when shown; its commands come
// with a later landing.
class TAMenu final : public WindowEvents, public ContextMenuControl {
 public:
  TAMenu(Platform& platform, const Session& session);
  void FormCreate();
  void FormPaint(Canvas& canvas) override;
  Window& FormWindow() { return *m_window; }

  // Hidden means hidden, and collapsed back to its resting pixel.
  void Hide() override;
  bool IsVisible() const override { return m_window->IsVisible(); }
  Rect Bounds() const override { return m_window->Bounds(); }

 private:
  Rect RestingBounds() const;

  Platform& m_platform;
  const Session& m_session;
  std::unique_ptr<Window> m_window;
};

}  // namespace tarnwick
