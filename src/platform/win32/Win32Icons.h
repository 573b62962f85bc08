#pragma once

#include "platform/Icons.h"

namespace tarnwick {

// Items show no icon yet: extracting icons into the shared image list comes with its own
// change. Until then every request reports "no icon", which callers already handle.
class Win32Icons final : public Icons {
 public:
  int AddAssociatedIcon(const std::string& file) override;
  int AddFileIcon(const std::string& file, int iconIndex) override;
};

}  // namespace tarnwick
