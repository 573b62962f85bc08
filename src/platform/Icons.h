#pragma once

#include <string>

namespace tarnwick {

// Item icons, appended to the shared 16 x 16 image list after its built-in pictures.
// Each call returns the index of the appended image, or -1 when no icon could be had.
class Icons {
 public:
  Icons() = default;
  Icons(const Icons&) = delete;
  Icons& operator=(const Icons&) = delete;
  virtual ~Icons() = default;

  // The icon the shell associates with an existing file.
  virtual int AddAssociatedIcon(const std::string& file) = 0;
  // Large icon number iconIndex of an icon file, program or library.
  virtual int AddFileIcon(const std::string& file, int iconIndex) = 0;
  // Pictures in the list, built-in ones included.
  virtual int ImageCount() const = 0;
};

}  // namespace tarnwick
