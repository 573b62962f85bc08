#pragma once

#include <windows.h>

#include <commctrl.h>

#include "platform/Icons.h"
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

  // Items show no icon yet: extracting icons into the list comes with its own change. Until
  // then every request reports "no icon", which callers already handle.
  int AddAssociatedIcon(const std::string& file) override;
  int AddFileIcon(const std::string& file, int iconIndex) override;
  int ImageCount() const override;

  HIMAGELIST ImageList() const { return list_.Get(); }

 private:
  UniqueImageList list_;
};

}  // namespace tarnwick
