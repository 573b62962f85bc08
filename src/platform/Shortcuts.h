#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarnwick {

// What a shell shortcut (".lnk") file says.
struct ShortcutInfo {
  std::string target;  // the network-share form of the path where there is one
  std::string description;
  std::string workingFolder;
  std::string arguments;
  std::string iconFile;
  int iconIndex = 0;
  int showCommand = 1;
  uint16_t hotkey = 0;  // low byte: virtual-key code; high byte: 1 Shift, 2 Control, 4 Alt
};

class Shortcuts {
 public:
  Shortcuts() = default;
  Shortcuts(const Shortcuts&) = delete;
  Shortcuts& operator=(const Shortcuts&) = delete;
  virtual ~Shortcuts() = default;

  // nullopt when the file cannot be read as a shortcut.
  virtual std::optional<ShortcutInfo> Read(const std::string& path) = 0;
};

}  // namespace tarnwick
