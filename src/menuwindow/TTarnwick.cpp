#include "menuwindow/TTarnwick.h"

#include "menuwindow/RaisedFrame.h"
#include "options/TOptions.h"
#include "storage/Configuration.h"

namespace tarnwick {

TTarnwick::TTarnwick(Platform& platform, TOptions& options)
    : m_platform(platform), m_options(options), m_table(options.Menus, platform.icons, *this) {}

Rect TTarnwick::CollapsedBounds() const {
  const Size screen = m_platform.screen.ScreenSize();
  return {screen.width - 1, screen.height - 1, screen.width, screen.height};
}

void TTarnwick::FormCreate() {
  WindowSpec spec;
  spec.className = "TTarnwick";
  spec.title = "Tarnwick";
  spec.bounds = CollapsedBounds();
  spec.topmost = true;
  spec.toolWindow = true;
  m_window = m_platform.windows.Create(spec, *this);

  const Settings& settings = m_options.Options;
  MenuFont = settings.MenuFont;
  Background = settings.Background;
  TextColor = settings.Text;
  Highlight = settings.Highlight;
  HighlightText = settings.HighlightText;

  const IniFile& file = m_options.File();
  if (IsLegacyLayout(file)) {
    LoadLegacyMenus(file, m_table, TextColor);
  } else {
    LoadMenus(file, m_table, m_options.Menus, TextColor);
  }

  m_window->AcceptFiles(true);
  m_window->ShowNoActivate();
}

void TTarnwick::FormPaint(Canvas& canvas) {
  const Rect bounds = m_window->Bounds();
  const Rect client{0, 0, bounds.Width(), bounds.Height()};
  canvas.FillRect(client, Background);
  DrawRaisedFrame(canvas, client);
}

bool TTarnwick::RegisterHotkey(int id, int modifiers, int key) {
  return m_platform.hotkeys.Register(*m_window, id, modifiers, key);
}

void TTarnwick::UnregisterHotkey(int id) { m_platform.hotkeys.Unregister(*m_window, id); }

}  // namespace tarnwick
