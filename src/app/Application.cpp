#include "app/Application.h"

#include <exception>

#include "contextmenu/TAMenu.h"
#include "menuwindow/TTarnwick.h"
#include "options/TOptions.h"
#include "special/TAddSpecial.h"

namespace tarnwick {

Application::Application(Platform& platform)
    : m_platform(platform),
      m_hotkeys(platform.hotkeys),
      m_session(platform, m_hotkeys),
      m_activation(platform, m_session) {}

Application::~Application() {
  m_addSpecial.reset();
  m_contextMenu.reset();
  m_hotkeys.SetWindow(nullptr);
  m_menuWindow.reset();
  m_options.reset();
}

void Application::Start() {
  m_options = std::make_unique<TOptions>(m_platform, m_session, m_activation);
  m_options->FormCreate();
  m_menuWindow = std::make_unique<TTarnwick>(m_platform, m_session, *this);
  m_menuWindow->FormCreate();
  // Item hotkeys arrive at the menu window, so the items load once it exists.
  m_hotkeys.SetWindow(&m_menuWindow->FormWindow());
  m_session.Load(m_options->WindowFont());
  m_options->SettingsLoaded();
  m_options->AttachMenuWindow(*m_menuWindow);
  m_menuWindow->ShowResting();
  // Both made before either window, as each command of the one may open the other.
  m_addSpecial = std::make_unique<TAddSpecial>(m_platform, m_session, *m_menuWindow);
  m_contextMenu =
      std::make_unique<TAMenu>(m_platform, m_session, *m_menuWindow, *this, *m_addSpecial, *m_options);
  m_contextMenu->FormCreate();
  m_menuWindow->AttachContextMenu(*m_contextMenu);
  m_addSpecial->FormCreate();
  m_activation.Attach(m_options->FormWindow(), *m_menuWindow, *m_contextMenu);

  m_options->ShowAtStartIfNeeded();
  // Started here rather than on the menu window's first activation: a window shown without
  // activation would never start it.
  m_activation.StartTriggerMonitor();
}

void Application::CloseApplication() { m_options->FormWindow().Close(); }

void Application::ShowOptions(OptionsPage page) { m_options->ShowPage(page); }

int RunApplication(Platform& platform) {
  if (platform.host.AnotherInstanceRunning()) return 0;
  try {
    Application application(platform);
    application.Start();
    platform.host.RunMessageLoop();
  } catch (const std::exception& error) {
    platform.dialogs.ShowError(error.what());
  }
  return 0;
}

}  // namespace tarnwick
