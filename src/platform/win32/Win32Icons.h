#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/Icons.h"
#include "platform/win32/Handles.h"
#include "platform/win32/UniqueHandle.h"

namespace tarnwick {

struct ImageListTraits {
  using Value = HIMAGELIST;
  static Value Invalid() noexcept { return nullptr; }
  static void Close(Value list) noexcept { ::ImageList_Destroy(list); }
};
using UniqueImageList = UniqueHandle<ImageListTraits>;

// Owns the shared 16 x 16 image list: the 30 built-in glyphs from the GLYPHS bitmap resource of
// module, then item icons appended at run time. Canvases draw from ImageList(), which stays
// valid as long as this object lives.
class Win32Icons final : public Icons {
 public:
  static constexpr int kBuiltInCount = 30;

  explicit Win32Icons(HINSTANCE module = GetModuleHandleW(nullptr));

  // Each adds the file's large icon, scaled to 16 x 16 with its mask, as one new image; -1 and
  // nothing added when there is no icon. Every icon handle extracted is destroyed again.
  int AddAssociatedIcon(const std::string& file) override;
  int AddFileIcon(const std::string& file, int iconIndex) override;
  int ImageCount() const override;

  // The icon picker's 32 x 32 strip, one image per cell; a cell without an icon holds a blank.
  int CountFileIcons(const std::string& file) override;
  void LoadPickerIcons(const std::string& file, int count) override;
  void ShowPickerIcons(int first, int count) override;
  void LoadPickerAssociatedIcon(const std::string& file) override;
  void ClearPickerIcons() override;

  HIMAGELIST ImageList() const { return m_list.Get(); }
  HIMAGELIST PickerImageList() const { return m_picker.Get(); }

 private:
  int AddIcon(HICON icon);
  void AddPickerIcon(HICON icon);

  HINSTANCE m_module;
  UniqueImageList m_list;
  UniqueImageList m_picker;
  UniqueIcon m_blank;  // the picture of a picker cell whose icon could not be had
  std::wstring m_pickerFile;
  std::vector<bool> m_pickerExtracted;  // per cell of the strip
};

}  // namespace tarnwick
