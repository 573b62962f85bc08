#pragma once

#include <string>

#include "model/ItemTable.h"
#include "platform/Icons.h"

namespace tarnwick::fakes {

// Item icons that cost nothing: every extraction succeeds with the next image after the
// built-in ones. For benchmarks and fuzzing, where only the configuration layer should count.
class CountingIcons final : public Icons {
 public:
  int AddAssociatedIcon(const std::string&) override { return m_next++; }
  int AddFileIcon(const std::string&, int) override { return m_next++; }
  int ImageCount() const override { return m_next; }

 private:
  int m_next = 30;
};

// Accepts every hotkey and forgets it.
class AcceptingHotkeys final : public HotkeyBinder {
 public:
  bool RegisterHotkey(int, int, int) override { return true; }
  void UnregisterHotkey(int) override {}
};

}  // namespace tarnwick::fakes
