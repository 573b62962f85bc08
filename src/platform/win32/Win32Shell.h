#pragma once

#include <chrono>

#include "platform/Shell.h"

namespace tarnwick {

class Win32Shell final : public Shell {
 public:
  // sendTimeout bounds how long the thread of SendWindowMessage waits for a slow target.
  explicit Win32Shell(std::chrono::milliseconds sendTimeout = std::chrono::seconds(3));

  void Open(const std::string& file, const std::string& parameters, const std::string& folder,
            int showCommand) override;
  WindowId ForegroundWindow() override;
  WindowId FindTopWindow(const std::string& className, const std::string& title) override;
  bool IsOwnWindow(WindowId window) override;
  void SendWindowMessage(WindowId window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;

 private:
  std::chrono::milliseconds m_sendTimeout;
};

}  // namespace tarnwick
