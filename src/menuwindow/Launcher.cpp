#include "menuwindow/Launcher.h"

#include "model/Numbers.h"

namespace tarnwick {

namespace {

// The shell's show commands (SW_*).
constexpr int kShowMinimized = 6;
constexpr int kShowNormal = 1;
constexpr int kShowMaximized = 3;

}  // namespace

std::string FieldOf(std::string_view text, int n) {
  int i = 0;
  while (i < n) {
    const size_t separator = text.find(';');
    if (separator == std::string_view::npos) return "0";
    text.remove_prefix(separator + 1);
    ++i;
  }
  return std::string(text.substr(0, text.find(';')));
}

int ShowCommandOf(int windowMode) {
  switch (windowMode) {
    case 0: return kShowMinimized;
    case 2: return kShowMaximized;
    default: return kShowNormal;
  }
}

AfterLaunch Launcher::Launch(const Item& item, WindowId previousForeground, bool popupsDisabled) {
  switch (KindOf(item.ProgramFile)) {
    case ItemKind::Separator:
      return AfterLaunch::Nothing;
    case ItemKind::Exit:
      return AfterLaunch::EndApplication;
    case ItemKind::WindowMessage: {
      const std::string className = FieldOf(item.Parameters, 0);
      const std::string title = FieldOf(item.Parameters, 1);
      const WindowId target =
          className != "0" && title != "0" ? m_shell.FindTopWindow(className, title) : previousForeground;
      // Refused for one of our own windows: the launch does nothing at all.
      if (target != 0 && m_shell.IsOwnWindow(target)) return AfterLaunch::Nothing;
      if (target != 0) {
        m_shell.SendWindowMessage(target, static_cast<uint32_t>(IntOr(FieldOf(item.Parameters, 2), 0)),
                                  static_cast<uintptr_t>(IntOr(FieldOf(item.Parameters, 3), 0)),
                                  IntOr(FieldOf(item.Parameters, 4), 0));
      }
      break;
    }
    case ItemKind::FakeEmpty:
      break;  // nothing to open
    case ItemKind::FreeCellMarker:
    case ItemKind::Program:
      m_shell.Open(item.ProgramFile, item.Parameters, item.StartIn, ShowCommandOf(item.WindowMode));
      break;
  }
  return !popupsDisabled && item.DisableAfterRun ? AfterLaunch::DisableActivation : AfterLaunch::Nothing;
}

}  // namespace tarnwick
