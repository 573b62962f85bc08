#include "menuwindow/RaisedFrame.h"

namespace tarnwick {

void DrawRaisedFrame(Canvas& canvas, const Rect& client) {
  const Point topRight{client.right - 1, client.top};
  const Point topLeft{client.left, client.top};
  const Point bottomLeft{client.left, client.bottom - 1};
  const Point bottomRight{client.right - 1, client.bottom - 1};
  canvas.Line(topRight, topLeft, EdgeLight, 2);
  canvas.Line(topLeft, bottomLeft, EdgeLight, 2);
  canvas.Line(bottomLeft, bottomRight, EdgeDark, 2);
  canvas.Line(bottomRight, topRight, EdgeDark, 2);
}

}  // namespace tarnwick
