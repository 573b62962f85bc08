#include "platform/win32/GdiFontCache.h"

#include <algorithm>
#include <string>

#include "platform/win32/Unicode.h"

namespace tarnwick {

namespace {

HFONT CreateFontFor(const FontSpec& spec, int pixelsPerInch) {
  LOGFONTW font{};
  // A negative height asks for the character height (em) rather than the cell height, which is
  // what a size in points means.
  font.lfHeight = -MulDiv(spec.Size, pixelsPerInch, 72);
  font.lfWeight = spec.Bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = spec.Italic ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::wstring face = Widen(spec.Face);
  // lfFaceName holds 31 characters and a terminator; a longer name matches no font anyway.
  const size_t length = std::min(face.size(), static_cast<size_t>(LF_FACESIZE - 1));
  std::copy_n(face.begin(), length, font.lfFaceName);
  return CreateFontIndirectW(&font);
}

}  // namespace

GdiFontCache::~GdiFontCache() {
  for (const Entry& entry : m_entries) DeleteObject(entry.font);
}

GdiFontCache& GdiFontCache::Shared() {
  static GdiFontCache cache;
  return cache;
}

// No eviction: a run uses a handful of fonts (the menu font, the separator font and each font
// the user applies), and dropping one could delete a font a live canvas still has selected.
HFONT GdiFontCache::Get(HDC dc, const FontSpec& spec) {
  const int pixelsPerInch = GetDeviceCaps(dc, LOGPIXELSY);
  for (const Entry& entry : m_entries) {
    if (entry.pixelsPerInch == pixelsPerInch && entry.spec == spec) return entry.font;
  }
  HFONT font = CreateFontFor(spec, pixelsPerInch);
  if (font != nullptr) m_entries.push_back(Entry{spec, pixelsPerInch, font});
  return font;
}

}  // namespace tarnwick
