#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/win32/Handles.h"

namespace tarnwick::test {

// A memory DC drawing into a 32-bit top-down DIB section whose pixels the test reads directly.
class DibSurface {
 public:
  DibSurface(int width, int height) : width_(width), height_(height), m_dc(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(m_dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<const uint32_t*>(bits);
    if (m_dc && bitmap_) original_ = SelectObject(m_dc.Get(), bitmap_.Get());
  }
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;
  ~DibSurface() {
    if (original_ != nullptr) SelectObject(m_dc.Get(), original_);
  }

  bool Valid() const { return original_ != nullptr && bits_ != nullptr; }
  HDC Dc() const { return m_dc.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }

  void Fill(COLORREF color) {
    UniqueGdiObject<HBRUSH> brush(CreateSolidBrush(color));
    const RECT all{0, 0, width_, height_};
    FillRect(m_dc.Get(), &all, brush.Get());
  }

  // As a COLORREF (0x00BBGGRR); the DIB holds 0x00RRGGBB.
  COLORREF At(int x, int y) const {
    GdiFlush();  // GDI may batch calls; the bits are current only after a flush
    const uint32_t p = bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

 private:
  int width_;
  int height_;
  UniqueMemoryDc m_dc;
  UniqueGdiObject<HBITMAP> bitmap_;
  const uint32_t* bits_ = nullptr;
  HGDIOBJ original_ = nullptr;
};

}  // namespace tarnwick::test
