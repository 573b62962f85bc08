#include "platform/win32/Win32Icons.h"

#include "platform/win32/Handles.h"

namespace tarnwick {

namespace {

// Pixels of this colour in the glyph strip are transparent (res/tools/make_pictures.cpp).
constexpr COLORREF kGlyphMaskColor = RGB(255, 0, 255);

void AddBuiltInGlyphs(HIMAGELIST list, HINSTANCE module) {
  // LR_CREATEDIBSECTION keeps the strip's own 24-bit pixels instead of a copy converted to the
  // screen's format, so the mask colour compares exactly.
  UniqueGdiObject<HBITMAP> strip(static_cast<HBITMAP>(
      LoadImageW(module, L"GLYPHS", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!strip) return;
  ImageList_AddMasked(list, strip.Get(), kGlyphMaskColor);
}

}  // namespace

Win32Icons::Win32Icons(HINSTANCE module)
    : list_(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, kBuiltInCount, 16)) {
  if (!list_) return;
  // CLR_NONE makes ILD_NORMAL draw through the mask instead of onto a background colour.
  ImageList_SetBkColor(list_.Get(), CLR_NONE);
  AddBuiltInGlyphs(list_.Get(), module);
}

int Win32Icons::AddAssociatedIcon(const std::string& /*file*/) { return -1; }

int Win32Icons::AddFileIcon(const std::string& /*file*/, int /*iconIndex*/) { return -1; }

int Win32Icons::ImageCount() const { return list_ ? ImageList_GetImageCount(list_.Get()) : 0; }

}  // namespace tarnwick
