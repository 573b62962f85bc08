#pragma once

#include <windows.h>

#include <vector>

#include "model/Font.h"

namespace tarnwick {

// Fonts made from FontSpecs, created once and kept until the cache is destroyed, so that
// painting a large menu selects the same few fonts instead of creating one per caption.
// A font handed out stays valid for the cache's lifetime; callers must deselect it before then.
class GdiFontCache {
 public:
  GdiFontCache() = default;
  GdiFontCache(const GdiFontCache&) = delete;
  GdiFontCache& operator=(const GdiFontCache&) = delete;
  ~GdiFontCache();

  // The cache the program's canvases and text measurer share.
  static GdiFontCache& Shared();

  // The font for spec at the vertical resolution of dc (points become pixels there), or
  // null when GDI cannot create it.
  HFONT Get(HDC dc, const FontSpec& spec);
  size_t Size() const { return m_entries.size(); }

 private:
  struct Entry {
    FontSpec spec;
    int pixelsPerInch;
    HFONT font;
  };
  std::vector<Entry> m_entries;
};

}  // namespace tarnwick
