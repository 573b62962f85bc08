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

  // The icon picker's strip: 32 x 32 icons, one per cell, kept apart from the shared list and
  // drawn with Canvas::DrawPickerIcon. Each load replaces what the strip held.
  // The number of icons in an icon file, program or library; 0 when it has none or cannot be read.
  virtual int CountFileIcons(const std::string& file) = 0;
  // Cells 0 .. count - 1 for large icons 0 .. count - 1 of the file. Their icons are extracted
  // as the cells come into view (ShowPickerIcons): a file may hold hundreds, and each costs.
  virtual void LoadPickerIcons(const std::string& file, int count) = 0;
  // Extracts the icons of cells first .. first + count - 1 not extracted yet; a cell whose
  // icon cannot be had stays empty.
  virtual void ShowPickerIcons(int first, int count) = 0;
  // One cell: the icon the shell associates with an existing file or folder.
  virtual void LoadPickerAssociatedIcon(const std::string& file) = 0;
  virtual void ClearPickerIcons() = 0;
};

}  // namespace tarnwick
