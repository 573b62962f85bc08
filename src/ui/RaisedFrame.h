#pragma once

#include "platform/Canvas.h"

namespace tarnwick {

// The fixed greys of every window the program draws itself.
inline constexpr Color EdgeLight = 0xAFAFAF;
inline constexpr Color EdgeDark = 0x5F5F5F;

// The raised frame around a client area: light along the top and left, dark along the
// bottom and right, two pixels wide; the dark edges own the top-right and bottom-left corners.
void DrawRaisedFrame(Canvas& canvas, const Rect& client);

}  // namespace tarnwick
