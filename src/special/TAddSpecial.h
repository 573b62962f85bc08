#pragma once

#include <memory>

#include "app/Session.h"
#include "platform/Platform.h"
#include "special/SpecialItems.h"
#include "ui/WindowControls.h"

namespace tarnwick {

// The add-special dialog: a small borderless window, centred on the screen, that adds
// placeholders, rows, columns, window-message items and separators to the cell it was opened
// for. It does not block the rest of the program; closing it only hides it, and its texts and
// chosen colour stay for the next opening.
class TAddSpecial final : public WindowEvents, public AddSpecialControl {
 public:
  static constexpr int kWidth = 371;
  static constexpr int kHeight = 131;

  TAddSpecial(Platform& platform, Session& session, MenuWindowControl& menu);
  void FormCreate();
  Window& FormWindow() { return *m_window; }

  void Open(Cell target, int menuId) override;
  void FormPaint(Canvas& canvas) override;

 private:
  Platform& m_platform;
  Session& m_session;
  MenuWindowControl& m_menu;
  std::unique_ptr<Window> m_window;
  Cell m_target;
  int m_targetMenuId = 0;
};

}  // namespace tarnwick
