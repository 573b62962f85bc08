#include "platform/win32/Win32Icons.h"

#include <shellapi.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "platform/win32/Handles.h"
#include "platform/win32/Unicode.h"

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

// A file, not a folder: a folder item shows no icon, as for a missing file.
bool IsExistingFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

HICON ShellAssociatedIcon(HINSTANCE module, const std::wstring& path) {
  // ExtractAssociatedIconW writes into the path (the file it took the icon from); Wine writes
  // its own module's path there, which may be longer than ours.
  std::vector<wchar_t> buffer(path.begin(), path.end());
  buffer.resize(std::max<size_t>(buffer.size() + 1, 32768), L'\0');
  WORD index = 0;
  return ExtractAssociatedIconW(module, buffer.data(), &index);
}

// Wine's ExtractAssociatedIconW returns null for documents and for programs without icons,
// where Windows gives the associated or a generic icon; the shell's file information has one
// for every existing file.
HICON FileInfoIcon(const std::wstring& path) {
  SHFILEINFOW info{};
  if (SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_LARGEICON) == 0) return nullptr;
  return info.hIcon;
}

constexpr int kPickerIconSize = 32;

// Wine reports a missing file as 0xFFFFFFFF, Windows as 0.
UINT IconCount(UINT extracted) { return extracted == UINT_MAX ? 0 : extracted; }

// A 32 x 32 icon that is all mask: nothing shows.
HICON BlankIcon() {
  std::vector<BYTE> andMask(kPickerIconSize * kPickerIconSize / 8, 0xFF);
  std::vector<BYTE> xorMask(andMask.size(), 0x00);
  return CreateIcon(nullptr, kPickerIconSize, kPickerIconSize, 1, 1, andMask.data(), xorMask.data());
}

}  // namespace

Win32Icons::Win32Icons(HINSTANCE module)
    : m_module(module),
      m_list(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, kBuiltInCount, 16)),
      m_picker(ImageList_Create(kPickerIconSize, kPickerIconSize, ILC_COLOR32 | ILC_MASK, 8, 8)),
      m_blank(BlankIcon()) {
  if (m_picker) ImageList_SetBkColor(m_picker.Get(), CLR_NONE);
  if (!m_list) return;
  // CLR_NONE makes ILD_NORMAL draw through the mask instead of onto a background colour.
  ImageList_SetBkColor(m_list.Get(), CLR_NONE);
  AddBuiltInGlyphs(m_list.Get(), module);
}

int Win32Icons::AddAssociatedIcon(const std::string& file) {
  const std::wstring path = Widen(file);
  if (path.empty() || !IsExistingFile(path)) return -1;
  UniqueIcon icon(ShellAssociatedIcon(m_module, path));
  if (!icon) icon.Reset(FileInfoIcon(path));
  return AddIcon(icon.Get());
}

int Win32Icons::AddFileIcon(const std::string& file, int iconIndex) {
  const std::wstring path = Widen(file);
  if (path.empty()) return -1;
  HICON large = nullptr;
  const UINT count = ExtractIconExW(path.c_str(), iconIndex, &large, nullptr, 1);
  // Wine reports a missing file as 0xFFFFFFFF (Windows as 0), and after either failure leaves
  // garbage in the handle, so only the count says whether there is an icon to own.
  if (count == 0 || count == UINT_MAX) return -1;
  UniqueIcon icon(large);
  return AddIcon(icon.Get());
}

// ImageList_AddIcon draws the icon into the list's 16 x 16 cell, scaling the large icon, and
// takes its mask (or alpha) along. The list keeps a copy, so the caller still owns the icon.
int Win32Icons::AddIcon(HICON icon) {
  if (icon == nullptr || !m_list) return -1;
  return ImageList_AddIcon(m_list.Get(), icon);
}

int Win32Icons::ImageCount() const { return m_list ? ImageList_GetImageCount(m_list.Get()) : 0; }

}  // namespace tarnwick

namespace tarnwick {

int Win32Icons::CountFileIcons(const std::string& file) {
  const std::wstring path = Widen(file);
  if (path.empty()) return 0;
  return static_cast<int>(IconCount(ExtractIconExW(path.c_str(), -1, nullptr, nullptr, 0)));
}

// The strip gets its cells at once and their pictures as they are shown. A cell is drawn only
// once shown (the page shows the cells in view before it paints them), so what the grown list
// holds before that is never seen.
void Win32Icons::LoadPickerIcons(const std::string& file, int count) {
  ClearPickerIcons();
  if (!m_picker || count <= 0) return;
  m_pickerFile = Widen(file);
  m_pickerExtracted.assign(static_cast<size_t>(count), false);
  if (!ImageList_SetImageCount(m_picker.Get(), static_cast<UINT>(count))) m_pickerExtracted.clear();
}

// One icon a call: Wine's ExtractIconExW, asked for several, reports them all but hands out only
// the first.
void Win32Icons::ShowPickerIcons(int first, int count) {
  const int cells = static_cast<int>(m_pickerExtracted.size());
  for (int i = std::max(first, 0); i < std::min(first + count, cells); ++i) {
    if (m_pickerExtracted[static_cast<size_t>(i)]) continue;
    m_pickerExtracted[static_cast<size_t>(i)] = true;
    HICON large = nullptr;
    const UINT extracted = IconCount(ExtractIconExW(m_pickerFile.c_str(), i, &large, nullptr, 1));
    // After a failure the handle may hold garbage: only the count says there is an icon.
    UniqueIcon icon(extracted != 0 ? large : nullptr);
    ImageList_ReplaceIcon(m_picker.Get(), i, icon ? icon.Get() : m_blank.Get());
  }
}

void Win32Icons::LoadPickerAssociatedIcon(const std::string& file) {
  ClearPickerIcons();
  const std::wstring path = Widen(file);
  if (path.empty() || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  UniqueIcon icon(ShellAssociatedIcon(m_module, path));
  if (!icon) icon.Reset(FileInfoIcon(path));
  AddPickerIcon(icon.Get());
}

void Win32Icons::ClearPickerIcons() {
  m_pickerFile.clear();
  m_pickerExtracted.clear();
  if (m_picker) ImageList_RemoveAll(m_picker.Get());
}

void Win32Icons::AddPickerIcon(HICON icon) {
  if (!m_picker) return;
  if (icon == nullptr || ImageList_AddIcon(m_picker.Get(), icon) < 0) ImageList_AddIcon(m_picker.Get(), m_blank.Get());
}

}  // namespace tarnwick
