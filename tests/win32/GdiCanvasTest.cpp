#include "platform/win32/GdiCanvas.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/Handles.h"

namespace tarnwick {
namespace {

constexpr COLORREF kWhite = 0xFFFFFF;

// A 20 x 20 bitmap in the screen's format, white, selected into a memory DC.
class GdiCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WindowDc screen(nullptr);
    ASSERT_TRUE(screen);
    dc_.Reset(CreateCompatibleDC(screen.Get()));
    // From the screen DC: a bitmap compatible with a fresh memory DC is monochrome.
    bitmap_.Reset(CreateCompatibleBitmap(screen.Get(), 20, 20));
    ASSERT_TRUE(dc_ && bitmap_);
    original_ = SelectObject(dc_.Get(), bitmap_.Get());
    const RECT all{0, 0, 20, 20};
    FillRect(dc_.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  void TearDown() override { SelectObject(dc_.Get(), original_); }

  COLORREF At(int x, int y) const { return GetPixel(dc_.Get(), x, y); }

  UniqueMemoryDc dc_;
  UniqueGdiObject<HBITMAP> bitmap_;
  HGDIOBJ original_ = nullptr;
};

struct PixelCase {
  int x;
  int y;
  COLORREF expected;
};

void ExpectPixels(HDC dc, std::initializer_list<PixelCase> cases) {
  for (const PixelCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "(" << c.x << "," << c.y << ")");
    EXPECT_EQ(GetPixel(dc, c.x, c.y), c.expected);
  }
}

TEST_F(GdiCanvasTest, FillRectCoversLeftTopButNotRightBottom) {
  GdiCanvas canvas(dc_.Get());
  canvas.FillRect(Rect{2, 3, 5, 6}, 0x0000FF);
  ExpectPixels(dc_.Get(),
               {{2, 3, 0x0000FF}, {4, 5, 0x0000FF}, {5, 5, kWhite}, {4, 6, kWhite}, {1, 3, kWhite},
                {2, 2, kWhite}});
}

TEST_F(GdiCanvasTest, LinesFollowGdiPenRules) {
  GdiCanvas canvas(dc_.Get());
  const HGDIOBJ penBefore = GetCurrentObject(dc_.Get(), OBJ_PEN);
  canvas.Line(Point{1, 1}, Point{6, 1}, 0x00FF00, 1);
  canvas.Line(Point{10, 2}, Point{10, 16}, 0xFF0000, 3);
  ExpectPixels(dc_.Get(),
               {
                   {1, 1, 0x00FF00},  // thin line: from the start pixel...
                   {5, 1, 0x00FF00},
                   {6, 1, kWhite},  // ...to one short of the end
                   {3, 2, kWhite},
                   {9, 9, 0xFF0000},  // three pixels wide, centred
                   {11, 9, 0xFF0000},
                   {8, 9, kWhite},
                   {12, 9, kWhite},
               });
  // The pen is deselected (and so could be deleted); the DC is as it was.
  EXPECT_EQ(GetCurrentObject(dc_.Get(), OBJ_PEN), penBefore);
}

TEST_F(GdiCanvasTest, ColourHighByteIsIgnored) {
  // 0x01BBGGRR would ask GDI for palette entry RR.
  GdiCanvas canvas(dc_.Get());
  canvas.FillRect(Rect{0, 0, 4, 4}, 0x01FF0000);
  EXPECT_EQ(At(1, 1), 0xFF0000u);
}

}  // namespace
}  // namespace tarnwick
