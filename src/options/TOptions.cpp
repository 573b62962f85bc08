#include "options/TOptions.h"

#include "menuwindow/TTarnwick.h"
#include "storage/AtomicFile.h"
#include "storage/Configuration.h"
#include "storage/TextEncoding.h"
#include "menuwindow/RaisedFrame.h"

namespace tarnwick {

TOptions::TOptions(Platform& platform) : m_platform(platform) {}

void TOptions::FormCreate() {
  const Size screen = m_platform.screen.ScreenSize();
  WindowSpec spec;
  spec.className = "Tarnwick";
  spec.title = "Tarnwick";
  spec.bounds.left = (screen.width - kWidth) / 2;
  spec.bounds.top = (screen.height - kHeight) / 2;
  spec.bounds.right = spec.bounds.left + kWidth;
  spec.bounds.bottom = spec.bounds.top + kHeight;
  spec.mainWindow = true;
  m_window = m_platform.windows.Create(spec, *this);

  m_configPath = m_platform.host.ExecutableFolder() + kConfigFileName;
  // A missing or unreadable file reads as empty: every value takes its default.
  const auto bytes = m_platform.files.ReadWhole(m_configPath);
  m_file = IniFile::Parse(bytes ? DecodeTextFile(*bytes, m_platform.codePage) : std::string());

  LoadSettings(m_file, WindowFont, Options);
  Menus = ReadMenuList(m_file);
  m_showAtStart = ShowOptionsAtStart(m_file);
}

void TOptions::ShowAtStartIfNeeded() {
  if (m_showAtStart) m_window->ShowActivate();
}

bool TOptions::SaveSettings() {
  const std::string text = ConfigurationText(Options, Menus, m_menuWindow->Table());
  const std::string bytes = EncodeTextFile(text, m_platform.codePage);
  if (!WriteFileAtomically(m_platform.files, m_configPath, bytes)) {
    m_platform.dialogs.ShowError("Unable to write to " + m_configPath);
    return false;
  }
  return true;
}

void TOptions::FormPaint(Canvas& canvas) {
  const Rect client{0, 0, kWidth, kHeight};
  canvas.FillRect(client, Options.Background);
  DrawRaisedFrame(canvas, client);
}

void TOptions::FormClose() {
  // A failed save has been reported and the previous file kept; the close goes on.
  if (Options.Autosave && m_menuWindow != nullptr) SaveSettings();
}

void TOptions::FormQueryEndSession() {
  if (Options.Autosave && m_menuWindow != nullptr) SaveSettings();
}

}  // namespace tarnwick
