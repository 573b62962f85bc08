#pragma once

#include <string>

#include "model/ItemTable.h"
#include "platform/Icons.h"
#include "fakes/FakePlatform.h"
#include "platform/Platform.h"

namespace tarnwick::fakes {

// Item icons that cost nothing: every extraction succeeds with the next image after the
// built-in ones. For benchmarks and fuzzing, where only the configuration layer should count.
class CountingIcons final : public Icons {
 public:
  int AddAssociatedIcon(const std::string&) override { return m_next++; }
  int AddFileIcon(const std::string&, int) override { return m_next++; }
  int ImageCount() const override { return m_next; }
  int CountFileIcons(const std::string&) override { return 0; }
  void LoadPickerIcons(const std::string&, int) override {}
  void ShowPickerIcons(int, int) override {}
  void LoadPickerAssociatedIcon(const std::string&) override {}
  void ClearPickerIcons() override {}

 private:
  int m_next = 30;
};

// Accepts every hotkey and forgets it.
class AcceptingHotkeys final : public HotkeyBinder {
 public:
  bool RegisterHotkey(int, int, int) override { return true; }
  void UnregisterHotkey(int) override {}
};

// A platform for loading and saving configurations without a desktop: the fakes, with item
// icons that cost nothing and the code page given.
class QuietPlatform {
 public:
  explicit QuietPlatform(const AnsiCodePage& codePage)
      : platform{m_fake.host,   m_fake.files,   codePage,      m_fake.dialogs, m_fake.windows, m_fake.screen,
                 m_fake.hotkeys, m_icons,        m_fake.measure, m_fake.shell,   m_fake.tray,    m_fake.shortcuts,
                 m_fake.runList} {}
  QuietPlatform(const QuietPlatform&) = delete;
  QuietPlatform& operator=(const QuietPlatform&) = delete;

 private:
  FakePlatform m_fake;
  CountingIcons m_icons;

 public:
  Platform platform;
};

}  // namespace tarnwick::fakes
