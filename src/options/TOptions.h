#pragma once

#include <memory>

#include "activation/Activation.h"
#include "app/Session.h"
#include "platform/Platform.h"
#include "ui/WindowControls.h"

namespace tarnwick {

// The options window: the main window of the program; closing it ends the application. It
// hosts the tray icon and the trigger timer, whose events it hands to activation.
class TOptions final : public WindowEvents, public ItemEditorControl {
 public:
  static constexpr int kWidth = 418;
  static constexpr int kHeight = 330;

  TOptions(Platform& platform, Session& session, Activation& activation);

  // Creates the window, hidden.
  void FormCreate();
  void ShowAtStartIfNeeded();
  void ShowPage(OptionsPage page);

  // Writes the whole configuration file; see Session::Save.
  bool SaveSettings() { return m_session.Save(); }

  void FormPaint(Canvas& canvas) override;
  void FormClose() override;
  void FormQueryEndSession() override;
  void FormTimer(int timerId) override { m_activation.Timer(timerId); }
  void FormTrayClick(MouseButton button) override { m_activation.TrayClick(button); }
  void FormTaskbarCreated() override { m_activation.TaskbarCreated(); }

  Window& FormWindow() { return *m_window; }
  OptionsPage Page() const { return m_page; }

  // The item editor's cell. The editor itself comes with the Menu Item page; the cell is kept
  // so that the commands that set it need no change then.
  EditorCell EditedCell() const override { return m_editCell; }
  void EditCell(EditorCell cell) override { m_editCell = cell; }
  // The window's own font: the default of the menu font.
  const FontSpec& WindowFont() const { return m_windowFont; }

 private:
  Platform& m_platform;
  Session& m_session;
  Activation& m_activation;
  std::unique_ptr<Window> m_window;
  FontSpec m_windowFont;
  OptionsPage m_page = OptionsPage::General;
  EditorCell m_editCell;
};

}  // namespace tarnwick
