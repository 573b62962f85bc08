#include "ui/RaisedFrame.h"

namespace tarnwick {

void DrawRaisedFrame(Canvas& canvas, const Rect& client) {
  // Filled rather than stroked: a two-pixel pen on the window's edge would leave half of
  // itself outside the window.
  const int w = client.Width();
  const int h = client.Height();
  const int l = client.left;
  const int t = client.top;
  canvas.FillRect({l, t, l + w, t + 2}, EdgeLight);
  canvas.FillRect({l, t, l + 2, t + h}, EdgeLight);
  canvas.FillRect({l, t + h - 2, l + w, t + h}, EdgeDark);
  canvas.FillRect({l + w - 2, t, l + w, t + h}, EdgeDark);
}

}  // namespace tarnwick
