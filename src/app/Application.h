#pragma once

#include <memory>

#include "activation/Activation.h"
#include "activation/WindowHotkeys.h"
#include "app/Session.h"
#include "platform/Platform.h"
#include "ui/WindowControls.h"

namespace tarnwick {

class TAMenu;
class TAddSpecial;
class TOptions;
class TTarnwick;

// The program between start and end: the session, activation and the four windows, wired
// together. The windows are destroyed, in the reverse of their creation, with it.
class Application final : public ApplicationControl {
 public:
  explicit Application(Platform& platform);
  ~Application() override;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Everything start-up does before the message loop: the four windows in their fixed order,
  // the load of the configuration, the options window at start when the file asks for it,
  // and the trigger monitor.
  void Start();

  Session& State() { return m_session; }
  TOptions& Options() { return *m_options; }
  TTarnwick& MenuWindow() { return *m_menuWindow; }
  TAMenu& ContextMenu() { return *m_contextMenu; }
  TAddSpecial& AddSpecial() { return *m_addSpecial; }

  void CloseApplication() override;
  void DisableActivation() override { m_activation.Disable(); }
  void EnableActivation() override { m_activation.Enable(); }
  void ShowOptions(OptionsPage page) override;

 private:
  Platform& m_platform;
  WindowHotkeys m_hotkeys;
  Session m_session;
  Activation m_activation;
  std::unique_ptr<TOptions> m_options;
  std::unique_ptr<TTarnwick> m_menuWindow;
  std::unique_ptr<TAMenu> m_contextMenu;
  std::unique_ptr<TAddSpecial> m_addSpecial;
};

// The whole life of the process: the single-instance check, start-up, the message loop and
// the shutdown. Returns the process exit code.
int RunApplication(Platform& platform);

}  // namespace tarnwick
