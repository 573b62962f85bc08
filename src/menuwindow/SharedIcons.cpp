#include "menuwindow/SharedIcons.h"

#include "model/Text.h"

namespace tarnwick {

template <typename Extract>
int SharedIcons::Shared(std::string key, Extract&& extract) {
  const auto it = m_images.find(key);
  if (it != m_images.end()) return it->second;
  const int image = extract();
  if (image >= 0) m_images.emplace(std::move(key), image);
  return image;
}

int SharedIcons::AddAssociatedIcon(const std::string& file) {
  // Windows paths compare without regard to case.
  return Shared("assoc|" + FoldCase(file), [&] { return m_icons.AddAssociatedIcon(file); });
}

int SharedIcons::AddFileIcon(const std::string& file, int iconIndex) {
  return Shared("file|" + std::to_string(iconIndex) + "|" + FoldCase(file),
                [&] { return m_icons.AddFileIcon(file, iconIndex); });
}

}  // namespace tarnwick
