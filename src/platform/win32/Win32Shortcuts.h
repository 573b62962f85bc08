#pragma once

#include "platform/Shortcuts.h"

namespace tarnwick {

// Reads shell link (.lnk) files through the shell link object, with COM initialised for each
// read. The show command comes from the file's header where it can be read (see the .cpp).
class Win32Shortcuts final : public Shortcuts {
 public:
  std::optional<ShortcutInfo> Read(const std::string& path) override;
};

}  // namespace tarnwick
