#include "platform/win32/Win32Icons.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/win32/GdiCanvas.h"
#include "platform/win32/Handles.h"
#include "win32/DibSurface.h"

namespace tarnwick {
namespace {

constexpr COLORREF kMaskColour = RGB(255, 0, 255);
constexpr COLORREF kBackground = RGB(0x20, 0x40, 0x80);  // in no glyph

// The GLYPHS strip of this executable as COLORREFs, row by row; empty if it cannot be read.
std::vector<COLORREF> ReadStrip(int& width) {
  UniqueGdiObject<HBITMAP> strip(static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), L"GLYPHS", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  BITMAP info{};
  if (!strip || GetObjectW(strip.Get(), sizeof info, &info) == 0) return {};
  width = info.bmWidth;
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = info.bmWidth;
  format.bmiHeader.biHeight = -info.bmHeight;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  std::vector<uint32_t> bits(static_cast<size_t>(info.bmWidth) * static_cast<size_t>(info.bmHeight));
  WindowDc screen(nullptr);
  if (GetDIBits(screen.Get(), strip.Get(), 0, static_cast<UINT>(info.bmHeight), bits.data(), &format,
                DIB_RGB_COLORS) != info.bmHeight) {
    return {};
  }
  std::vector<COLORREF> pixels;
  for (uint32_t p : bits) pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
  return pixels;
}

class Win32IconsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(surface_.Valid());
    surface_.Fill(kBackground);
  }

  // Pixels of the surface that differ from the background, outside the 16 x 16 square at origin.
  int ChangedOutside(Point origin) const {
    int changed = 0;
    for (int y = 0; y < surface_.Height(); ++y) {
      for (int x = 0; x < surface_.Width(); ++x) {
        const bool inside = x >= origin.x && x < origin.x + 16 && y >= origin.y && y < origin.y + 16;
        changed += !inside && surface_.At(x, y) != kBackground;
      }
    }
    return changed;
  }

  Win32Icons icons_;
  test::DibSurface surface_{48, 32};
};

TEST_F(Win32IconsTest, TheListStartsWithTheThirtyBuiltInGlyphs) {
  ASSERT_NE(icons_.ImageList(), nullptr);
  EXPECT_EQ(icons_.ImageCount(), 30);
  int width = 0, height = 0;
  ASSERT_TRUE(ImageList_GetIconSize(icons_.ImageList(), &width, &height));
  EXPECT_EQ(width, 16);
  EXPECT_EQ(height, 16);
}

// Each glyph, drawn through the canvas, shows exactly its pixels of the strip: the strip's own
// colours where it is opaque and the background through the mask colour, nothing beyond 16 x 16.
TEST_F(Win32IconsTest, EveryGlyphDrawsItsStripPixelsThroughTheMask) {
  int stripWidth = 0;
  const std::vector<COLORREF> strip = ReadStrip(stripWidth);
  ASSERT_EQ(stripWidth, 16 * 30);
  ASSERT_EQ(strip.size(), 16u * 16u * 30u);
  const Point origin{20, 8};
  for (int glyph = 0; glyph < Win32Icons::kBuiltInCount; ++glyph) {
    SCOPED_TRACE(::testing::Message() << "glyph " << glyph);
    surface_.Fill(kBackground);
    GdiCanvas(surface_.Dc(), icons_.ImageList()).DrawImage(glyph, origin);
    int opaque = 0, transparent = 0, wrong = 0;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        const COLORREF source = strip[static_cast<size_t>(y * stripWidth + glyph * 16 + x)];
        const bool clear = source == kMaskColour;
        (clear ? transparent : opaque)++;
        const COLORREF drawn = surface_.At(origin.x + x, origin.y + y);
        if (drawn != (clear ? kBackground : source) && wrong++ < 3) {
          ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << drawn << " for " << source;
        }
      }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(opaque, 0);
    EXPECT_GT(transparent, 0);
    EXPECT_EQ(ChangedOutside(origin), 0);
  }
}

}  // namespace
}  // namespace tarnwick
