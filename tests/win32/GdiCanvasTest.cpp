#include "platform/win32/GdiCanvas.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/GdiTextMeasure.h"
#include "platform/win32/Unicode.h"
#include "win32/DibSurface.h"

namespace tarnwick {
namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kGreen = 0x00FF00;
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kBlack = 0x000000;

const FontSpec kMenuFont{"MS Sans Serif", 8, false, false};
const FontSpec kSeparatorFont{"Small Fonts", 7, false, false};

// A white 160 x 40 surface and a canvas over it, with a font cache of the test's own.
class GdiCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(surface_.Valid());
    surface_.Fill(kWhite);
  }

  COLORREF At(int x, int y) const { return surface_.At(x, y); }

  // Calls check(x, y, colour) for every pixel of the surface.
  template <typename Check>
  void ForEachPixel(Check check) const {
    for (int y = 0; y < surface_.Height(); ++y) {
      for (int x = 0; x < surface_.Width(); ++x) check(x, y, At(x, y));
    }
  }

  test::DibSurface surface_{160, 40};
  GdiFontCache m_fonts;
};

struct PixelCase {
  int x;
  int y;
  COLORREF expected;
};

void ExpectPixels(const test::DibSurface& surface, std::initializer_list<PixelCase> cases) {
  for (const PixelCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "(" << c.x << "," << c.y << ")");
    EXPECT_EQ(surface.At(c.x, c.y), c.expected);
  }
}

TEST_F(GdiCanvasTest, FillRectCoversLeftTopButNotRightBottom) {
  GdiCanvas canvas(surface_.Dc(), nullptr, m_fonts);
  canvas.FillRect(Rect{2, 3, 5, 6}, kRed);
  ExpectPixels(surface_, {{2, 3, kRed}, {4, 5, kRed}, {5, 5, kWhite}, {4, 6, kWhite}, {1, 3, kWhite}, {2, 2, kWhite}});
}

// Grooves and separator lines are 1-pixel lines drawn in either direction; each must cover the
// pixels from its start up to, not including, its end, and nothing else.
TEST_F(GdiCanvasTest, ThinLineCoversStartUpToButNotIncludingEnd) {
  struct Case {
    const char* name;
    Point from;
    Point to;
  };
  const Case cases[] = {
      {"left to right", {3, 5}, {12, 5}},
      {"right to left", {12, 8}, {3, 8}},
      {"top to bottom", {7, 2}, {7, 15}},
      {"bottom to top", {9, 15}, {9, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    surface_.Fill(kWhite);
    { GdiCanvas(surface_.Dc(), nullptr, m_fonts).Line(c.from, c.to, kRed, 1); }
    const int dx = (c.to.x > c.from.x) - (c.to.x < c.from.x);
    const int dy = (c.to.y > c.from.y) - (c.to.y < c.from.y);
    std::vector<Point> expected;
    for (Point p = c.from; !(p == c.to); p = Point{p.x + dx, p.y + dy}) expected.push_back(p);
    int mismatches = 0;
    ForEachPixel([&](int x, int y, COLORREF colour) {
      const bool onLine = std::find(expected.begin(), expected.end(), Point{x, y}) != expected.end();
      if (colour != (onLine ? kRed : kWhite) && mismatches++ < 5) ADD_FAILURE() << "pixel " << x << "," << y;
    });
    EXPECT_EQ(mismatches, 0);
  }
}

TEST_F(GdiCanvasTest, WideLineIsCentredAndThePenIsDeselected) {
  const HGDIOBJ penBefore = GetCurrentObject(surface_.Dc(), OBJ_PEN);
  {
    GdiCanvas canvas(surface_.Dc(), nullptr, m_fonts);
    canvas.Line(Point{10, 2}, Point{10, 16}, kBlue, 3);
    // Deselected at once, so that it could be deleted: the DC is as it was.
    EXPECT_EQ(GetCurrentObject(surface_.Dc(), OBJ_PEN), penBefore);
  }
  ExpectPixels(surface_, {{9, 9, kBlue}, {11, 9, kBlue}, {8, 9, kWhite}, {12, 9, kWhite}});
}

TEST_F(GdiCanvasTest, ColourHighByteIsIgnored) {
  // 0x01BBGGRR would ask GDI for palette entry RR.
  GdiCanvas canvas(surface_.Dc(), nullptr, m_fonts);
  canvas.FillRect(Rect{0, 0, 4, 4}, 0x01FF0000);
  EXPECT_EQ(At(1, 1), kBlue);
}

// Red text on green in a rect: the whole rect is filled, text is clipped to it, and nothing
// outside it changes.
TEST_F(GdiCanvasTest, TextInRectFillsTheRectAndClipsTheTextToIt) {
  struct Case {
    const char* name;
    Rect rect;
    Point origin;
    const char* text;
    bool textVisible;
  };
  const Case cases[] = {
      {"runs past the right edge", {10, 5, 60, 25}, {14, 7}, "WWWWWWWWWWWWWWWW", true},
      {"starts above the top edge", {10, 12, 60, 25}, {14, 4}, "Mg Mg", true},
      {"runs past the bottom edge", {10, 5, 60, 12}, {14, 7}, "Mg Mg", true},
      {"non-ASCII caption", {10, 5, 150, 25}, {14, 7}, "\xC3\x89" "diteur \xE2\x9C\x93", true},
      {"empty caption", {10, 5, 60, 25}, {14, 7}, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    surface_.Fill(kWhite);
    {
      GdiCanvas canvas(surface_.Dc(), nullptr, m_fonts);
      canvas.SetFont(FontSpec{"MS Sans Serif", 10, true, false});
      canvas.TextInRect(c.rect, c.origin, c.text, kRed, kGreen);
    }
    int outside = 0, unfilled = 0, leftOfOrigin = 0, red = 0;
    ForEachPixel([&](int x, int y, COLORREF colour) {
      if (!c.rect.Contains(Point{x, y})) {
        outside += colour != kWhite;
        return;
      }
      unfilled += colour == kWhite;
      if (x < c.origin.x) leftOfOrigin += colour != kGreen;
      red += colour == kRed;
    });
    EXPECT_EQ(outside, 0) << "pixels changed outside the rect";
    EXPECT_EQ(unfilled, 0) << "pixels of the rect left unfilled";
    EXPECT_EQ(leftOfOrigin, 0) << "pixels left of the origin not in the fill colour";
    EXPECT_EQ(red > 0, c.textVisible) << red << " text pixels";
  }
}

// The separator caption: its own background behind exactly the text's cells, nothing beyond.
TEST_F(GdiCanvasTest, OpaqueTextPaintsItsBackgroundOverTheTextCellsOnly) {
  struct Case {
    FontSpec font;
    const char* text;
  };
  const Case cases[] = {{kSeparatorFont, "Tools"}, {kMenuFont, "Separator \xE2\x9C\x93"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    surface_.Fill(kWhite);
    SIZE extent{};
    {
      GdiCanvas canvas(surface_.Dc(), nullptr, m_fonts);
      canvas.SetFont(c.font);
      canvas.OpaqueText(Point{10, 8}, c.text, kBlack, kBlue);
      const std::wstring wide = Widen(c.text);
      ASSERT_TRUE(GetTextExtentPoint32W(surface_.Dc(), wide.c_str(), static_cast<int>(wide.size()), &extent));
      EXPECT_EQ(canvas.TextWidth(c.text), extent.cx);
    }
    const Rect cells{10, 8, 10 + extent.cx, 8 + extent.cy};
    int outside = 0, unpainted = 0, blue = 0, black = 0;
    ForEachPixel([&](int x, int y, COLORREF colour) {
      if (!cells.Contains(Point{x, y})) {
        outside += colour != kWhite;
        return;
      }
      unpainted += colour == kWhite;
      blue += colour == kBlue;
      black += colour == kBlack;
    });
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(unpainted, 0);
    EXPECT_GT(blue, 0);
    EXPECT_GT(black, 0);
  }
}

TEST_F(GdiCanvasTest, TextWidthFollowsTextSizeAndWeight) {
  GdiCanvas canvas(surface_.Dc(), nullptr, m_fonts);
  canvas.SetFont(kMenuFont);
  const int note = canvas.TextWidth("Note");
  const int notepad = canvas.TextWidth("Notepad");
  EXPECT_GT(note, 0);
  EXPECT_GT(notepad, note);
  EXPECT_EQ(canvas.TextWidth(""), 0);

  canvas.SetFont(FontSpec{"MS Sans Serif", 8, true, false});
  EXPECT_GT(canvas.TextWidth("Notepad"), notepad) << "bold";
  canvas.SetFont(FontSpec{"MS Sans Serif", 14, false, false});
  EXPECT_GT(canvas.TextWidth("Notepad"), notepad) << "14 points";
}

// Column widths are measured before the window paints; they must match the painted text.
TEST_F(GdiCanvasTest, TextWidthEqualsTheMeasurerForTheSameFont) {
  GdiTextMeasure measure(m_fonts);
  GdiCanvas canvas(surface_.Dc(), nullptr, m_fonts);
  const FontSpec fonts[] = {kMenuFont, kSeparatorFont, {"MS Sans Serif", 12, true, true}, {"Courier New", 9}};
  const char* texts[] = {"Notepad", "Control Panel (2)", "\xC3\x89" "diteur \xE2\x9C\x93", ""};
  for (const FontSpec& font : fonts) {
    canvas.SetFont(font);
    for (const char* text : texts) {
      SCOPED_TRACE(font.Face + " " + std::to_string(font.Size) + (font.Bold ? " bold" : "") + ": " + text);
      EXPECT_EQ(canvas.TextWidth(text), measure.TextWidth(font, text));
    }
  }
}

// A paint of many items switches between the same two fonts; only two are ever created, and
// none is left selected in the DC once the canvas is gone.
TEST_F(GdiCanvasTest, FontsAreCachedAndTheDcIsRestored) {
  const HDC dc = surface_.Dc();
  const HGDIOBJ fontBefore = GetCurrentObject(dc, OBJ_FONT);
  const COLORREF textBefore = GetTextColor(dc);
  const COLORREF backBefore = GetBkColor(dc);
  const int modeBefore = GetBkMode(dc);
  {
    GdiCanvas canvas(dc, nullptr, m_fonts);
    for (int item = 0; item < 1000; ++item) {
      canvas.SetFont(kSeparatorFont);
      canvas.OpaqueText(Point{0, 0}, "-", kRed, kGreen);
      canvas.SetFont(kMenuFont);
      canvas.TextInRect(Rect{0, 20, 50, 37}, Point{2, 22}, "Item", kBlue, kWhite);
    }
    EXPECT_NE(GetCurrentObject(dc, OBJ_FONT), fontBefore);
  }
  EXPECT_EQ(m_fonts.Size(), 2u);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), fontBefore);
  EXPECT_EQ(GetTextColor(dc), textBefore);
  EXPECT_EQ(GetBkColor(dc), backBefore);
  EXPECT_EQ(GetBkMode(dc), modeBefore);
}

}  // namespace
}  // namespace tarnwick
