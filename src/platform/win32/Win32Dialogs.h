#pragma once

#include "platform/Dialogs.h"

namespace tarnwick {

class Win32Dialogs final : public Dialogs {
 public:
  void ShowError(const std::string& message) override;
  void LogError(const std::string& message) override;
};

}  // namespace tarnwick
