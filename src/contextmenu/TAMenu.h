#pragma once

#include <memory>
#include <vector>

#include "app/Session.h"
#include "contextmenu/ContextCommands.h"
#include "contextmenu/ContextMenu.h"
#include "platform/Platform.h"
#include "ui/WindowControls.h"

namespace tarnwick {

// The context menu window: a borderless, always-on-top window of command entries drawn in the
// menu's colours, opened by a right click on the menu. A left click on an entry hides it and
// runs the entry's command on the right-clicked cell. While hidden it is collapsed to 1 x 1
// at the bottom-right pixel.
class TAMenu final : public WindowEvents, public ContextMenuControl {
 public:
  TAMenu(Platform& platform, Session& session, MenuWindowControl& menu, ApplicationControl& application,
         AddSpecialControl& addSpecial, ItemEditorControl& editor);
  void FormCreate();
  Window& FormWindow() { return *m_window; }

  // BuildContextMenu: the entries the state allows, placed at the point and shown.
  void Open(Point screen) override;
  // Hidden means hidden, and collapsed back to its resting pixel.
  void Hide() override;
  bool IsVisible() const override { return m_window->IsVisible(); }
  Rect Bounds() const override { return m_window->Bounds(); }
  const std::vector<ContextEntry>& Entries() const { return m_entries; }
  int HotEntry() const { return m_hover.HotEntry(); }

  void FormPaint(Canvas& canvas) override;
  void FormMouseMove(Point point) override;
  void FormMouseUp(MouseButton button, Point point) override;

 private:
  Rect RestingBounds() const;
  Size WindowSize() const;
  ContextColors Colors() const;
  // The command of the hot entry, on the cell and menu of this moment.
  void FormClick();

  Platform& m_platform;
  Session& m_session;
  MenuWindowControl& m_menu;
  ContextCommands m_commands;
  std::unique_ptr<Window> m_window;
  std::vector<ContextEntry> m_entries;
  ContextHover m_hover;
};

}  // namespace tarnwick
