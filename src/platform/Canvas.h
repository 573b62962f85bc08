#pragma once

#include "platform/Geometry.h"

namespace tarnwick {

// Drawing surface handed to a window's paint handler, in client pixels.
class Canvas {
 public:
  Canvas() = default;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  virtual ~Canvas() = default;

  virtual void FillRect(const Rect& rect, Color color) = 0;
  // A straight line of the given pen width; pixel coverage follows GDI's pen rules.
  virtual void Line(Point from, Point to, Color color, int width) = 0;
};

}  // namespace tarnwick
