#pragma once

#include <cstdint>

namespace tarnwick {

// A Windows colour value 0x00BBGGRR.
using Color = uint32_t;

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Right and bottom are exclusive, as in Win32.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A cell of a menu grid: column 0 is the rightmost column and row 0 the bottom row; -1 is none.
struct Cell {
  int column = -1;
  int row = -1;
  bool IsValid() const { return column >= 0 && row >= 0; }
  friend bool operator==(const Cell&, const Cell&) = default;
};

// The display colours every window starts with until the settings say otherwise.
inline constexpr Color kDefaultBackground = 0x000000;
inline constexpr Color kDefaultText = 0xFFFFFF;
inline constexpr Color kDefaultHighlight = 0x800000;
inline constexpr Color kDefaultHighlightText = 0x00FFFF;

}  // namespace tarnwick
