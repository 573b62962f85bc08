#include "platform/win32/Win32Icons.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win32/GdiCanvas.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Unicode.h"
#include "probe/ProbeIcons.h"
#include "win32/DibSurface.h"

namespace tarnwick {
namespace {

constexpr COLORREF kMaskColour = RGB(255, 0, 255);
constexpr COLORREF kBackground = RGB(0x20, 0x40, 0x80);  // in no glyph and no probe icon

namespace fs = std::filesystem;

// This test program carries the probe's icons (ProbeIcons.rc).
std::string OwnExe() {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return Narrow(path);
}

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

// A scratch folder with a document (no icon resources, no association under Wine) in it.
class Win32IconsFilesTest : public Win32IconsTest {
 protected:
  void SetUp() override {
    Win32IconsTest::SetUp();
    folder_ = fs::temp_directory_path() / (L"tarnwick-icons-" + std::to_wstring(GetCurrentProcessId()));
    fs::create_directories(folder_);
    std::ofstream(Document()) << "notes";
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  fs::path Document() const { return folder_ / L"notes \u00E9.txt"; }
  std::string Path(const fs::path& path) const { return Narrow(path.wstring()); }

  fs::path folder_;
};

// Every extraction appends exactly one image, at the end, and draws as the file's large icon
// scaled to 16 x 16: its colour, not the 16 x 16 image's, with the transparent corner of the
// first icon kept transparent by the mask.
TEST_F(Win32IconsFilesTest, ExtractedIconsAreTheLargeIconScaledIntoOneNewImage) {
  struct Case {
    const char* name;
    bool associated;
    int iconIndex;
    COLORREF colour;
    bool clearCorner;
  };
  const Case cases[] = {
      {"the program's own icon", true, 0, test::kFirstIconLarge, true},
      {"icon number 0", false, 0, test::kFirstIconLarge, true},
      {"icon number 1", false, 1, test::kSecondIconLarge, false},
  };
  const Point origin{20, 8};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int before = icons_.ImageCount();
    const int image = c.associated ? icons_.AddAssociatedIcon(OwnExe()) : icons_.AddFileIcon(OwnExe(), c.iconIndex);
    ASSERT_EQ(image, before);
    EXPECT_EQ(icons_.ImageCount(), before + 1);

    surface_.Fill(kBackground);
    GdiCanvas(surface_.Dc(), icons_.ImageList()).DrawImage(image, origin);
    EXPECT_EQ(surface_.At(origin.x + 10, origin.y + 10), c.colour);
    EXPECT_EQ(surface_.At(origin.x + 15, origin.y + 15), c.colour);
    // The 8 x 8 corner of the 32 x 32 image is 4 x 4 at 16 x 16.
    EXPECT_EQ(surface_.At(origin.x + 1, origin.y + 1), c.clearCorner ? kBackground : c.colour);
    EXPECT_EQ(ChangedOutside(origin), 0);
  }
}

// Wine's ExtractAssociatedIconW has nothing for a document; the shell's file information has.
TEST_F(Win32IconsFilesTest, ADocumentGetsAnIconToo) {
  const int before = icons_.ImageCount();
  EXPECT_EQ(icons_.AddAssociatedIcon(Path(Document())), before);
  EXPECT_EQ(icons_.ImageCount(), before + 1);
}

TEST_F(Win32IconsFilesTest, NoIconAddsNoImage) {
  struct Case {
    const char* name;
    bool associated;
    std::string file;
    int iconIndex;
  };
  const Case cases[] = {
      {"associated icon of a missing file", true, Path(folder_ / L"missing.exe"), 0},
      {"associated icon of a folder", true, Path(folder_), 0},
      {"associated icon of no file at all", true, "", 0},
      {"icon of a missing file", false, Path(folder_ / L"missing.exe"), 0},
      {"icon of a file without icons", false, Path(Document()), 0},
      {"icon number past the last one", false, OwnExe(), 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int before = icons_.ImageCount();
    EXPECT_EQ(c.associated ? icons_.AddAssociatedIcon(c.file) : icons_.AddFileIcon(c.file, c.iconIndex), -1);
    EXPECT_EQ(icons_.ImageCount(), before);
  }
}

// Not tested here: that extractions leave no icon handles behind. Only Windows counts a
// process's USER objects (Wine's GetGuiResources answers 0), so such a test could only skip
// under Wine. Every extracted icon is held by a UniqueIcon; the release rules of the handle
// owners are tested in UniqueHandleTest.

// The icon picker's strip: one 32 x 32 image per cell, in the file's order, each extracted when
// its cell is shown; a cell past the file's icons stays empty, and a missing file has none.
TEST_F(Win32IconsTest, ThePickerStripHoldsTheFilesLargeIconsOnePerCell) {
  EXPECT_EQ(icons_.CountFileIcons(OwnExe()), 2);
  EXPECT_EQ(icons_.CountFileIcons("C:\\no such folder\\none.dll"), 0);
  icons_.LoadPickerIcons(OwnExe(), 3);
  ASSERT_EQ(ImageList_GetImageCount(icons_.PickerImageList()), 3);
  icons_.ShowPickerIcons(1, 5);
  icons_.ShowPickerIcons(0, 1);
  test::DibSurface strip(3 * 40, 40);
  ASSERT_TRUE(strip.Valid());
  strip.Fill(kBackground);
  {
    GdiCanvas canvas(strip.Dc(), icons_.ImageList(), GdiFontCache::Shared(), icons_.PickerImageList());
    for (int cell = 0; cell < 3; ++cell) canvas.DrawPickerIcon(cell, {40 * cell + 4, 4});
  }
  EXPECT_EQ(strip.At(4 + 20, 4 + 20), test::kFirstIconLarge) << "the large image, not the small one";
  EXPECT_EQ(strip.At(4 + 2, 4 + 2), kBackground) << "drawn through its mask";
  EXPECT_EQ(strip.At(40 + 4 + 16, 4 + 16), test::kSecondIconLarge);
  EXPECT_EQ(strip.At(80 + 4 + 16, 4 + 16), kBackground) << "a cell without an icon shows nothing";

  icons_.LoadPickerIcons("C:\\no such folder\\none.dll", 2);
  EXPECT_EQ(ImageList_GetImageCount(icons_.PickerImageList()), 2) << "two empty cells";
  icons_.ClearPickerIcons();
  EXPECT_EQ(ImageList_GetImageCount(icons_.PickerImageList()), 0);
}

}  // namespace
}  // namespace tarnwick
