#pragma once

#include "platform/Registry.h"

namespace tarnwick {

// The current user's Run key: HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run.
// The key is opened, never created: a profile without it keeps no entry.
class Win32RunList final : public RunList {
 public:
  bool Set(const std::string& name, const std::string& command) override;
  void Remove(const std::string& name) override;
};

}  // namespace tarnwick
