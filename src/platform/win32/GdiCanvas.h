#pragma once

#include <windows.h>

#include "platform/Canvas.h"

namespace tarnwick {

// Canvas over a DC it does not own; every object it creates is deleted before the call returns
// and the DC's selections are as before.
class GdiCanvas final : public Canvas {
 public:
  explicit GdiCanvas(HDC dc) : dc_(dc) {}

  void FillRect(const Rect& rect, Color color) override;
  void Line(Point from, Point to, Color color, int width) override;

 private:
  HDC dc_;
};

}  // namespace tarnwick
