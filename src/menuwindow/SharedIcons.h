#pragma once

#include <string>
#include <unordered_map>

#include "platform/Icons.h"

namespace tarnwick {

// Items whose icon comes from the same source (the same file and number, or the association of
// the same file) share one image, so a menu of hundreds of items pointing at a few programs
// extracts each icon once. Failures are not remembered: the file may appear later.
class SharedIcons final : public Icons {
 public:
  explicit SharedIcons(Icons& icons) : m_icons(icons) {}

  int AddAssociatedIcon(const std::string& file) override;
  int AddFileIcon(const std::string& file, int iconIndex) override;
  int ImageCount() const override { return m_icons.ImageCount(); }
  // The picker's strip is not shared: it passes straight through.
  int CountFileIcons(const std::string& file) override { return m_icons.CountFileIcons(file); }
  void LoadPickerIcons(const std::string& file, int count) override { m_icons.LoadPickerIcons(file, count); }
  void ShowPickerIcons(int first, int count) override { m_icons.ShowPickerIcons(first, count); }
  void LoadPickerAssociatedIcon(const std::string& file) override { m_icons.LoadPickerAssociatedIcon(file); }
  void ClearPickerIcons() override { m_icons.ClearPickerIcons(); }

 private:
  template <typename Extract>
  int Shared(std::string key, Extract&& extract);

  Icons& m_icons;
  std::unordered_map<std::string, int> m_images;
};

}  // namespace tarnwick
