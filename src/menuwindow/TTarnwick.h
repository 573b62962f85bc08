#pragma once

#include <memory>

#include "model/ItemTable.h"
#include "model/Settings.h"
#include "platform/Platform.h"

namespace tarnwick {

class TOptions;

// The menu window: a borderless, always-on-top window that owns the item table and pops the
// menus up. While no menu shows it is collapsed to the bottom-right pixel of the screen.
class TTarnwick final : public WindowEvents, private HotkeyBinder {
 public:
  static constexpr int RowHeight = 20;

  TTarnwick(Platform& platform, TOptions& options);

  // Creates the 1 x 1 window, copies the display settings and loads every menu.
  void FormCreate();

  ItemTable& Table() { return m_table; }
  const ItemTable& Table() const { return m_table; }
  Window& FormWindow() { return *m_window; }

  void FormPaint(Canvas& canvas) override;

  // Applied copies of the display colours and the menu font.
  Color Background = 0;
  Color TextColor = 0xFFFFFF;
  Color Highlight = 0x800000;
  Color HighlightText = 0x00FFFF;
  FontSpec MenuFont;

  int ActiveTrigger = -1;
  bool MenuShowing = false;
  int AnchorX = -1;
  int AnchorY = -1;

 private:
  bool RegisterHotkey(int id, int modifiers, int key) override;
  void UnregisterHotkey(int id) override;
  Rect CollapsedBounds() const;

  Platform& m_platform;
  TOptions& m_options;
  std::unique_ptr<Window> m_window;
  ItemTable m_table;
};

}  // namespace tarnwick
