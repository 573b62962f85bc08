#pragma once

#include <optional>
#include <string>

#include "platform/Application.h"
#include "platform/win32/Handles.h"

namespace tarnwick {

class Win32ApplicationHost final : public ApplicationHost {
 public:
  // instanceName names both the single-instance mutex and the main window's class; tests
  // pass a name of their own so as not to meet a running program.
  explicit Win32ApplicationHost(std::wstring instanceName = L"Tarnwick");

  // The first call takes the mutex and keeps it for the life of this object.
  bool AnotherInstanceRunning() override;
  std::string ExecutablePath() override;
  std::string ExecutableFolder() override;
  void RunMessageLoop() override;

 private:
  std::wstring m_instanceName;
  UniqueKernelHandle m_mutex;
  std::optional<bool> m_anotherRunning;
};

}  // namespace tarnwick
