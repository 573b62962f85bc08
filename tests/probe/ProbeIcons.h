// The colours of the icons in ProbeIcons.rc (COLORREF, 0x00BBGGRR), for tests that check which
// icon, and which of its sizes, reached the screen.
#pragma once

#include <cstdint>

namespace tarnwick::test {

// Icon number 0: the 32x32 image, whose top-left 8x8 square is transparent (4x4 once scaled
// to 16x16), and the 16x16 image, which an extraction of the large icon must not show.
inline constexpr std::uint32_t kFirstIconLarge = 0x0066AA22;
inline constexpr std::uint32_t kFirstIconSmall = 0x008822CC;
inline constexpr int kFirstIconClearCorner = 8;
// Icon number 1: solid 32x32 and 16x16 images.
inline constexpr std::uint32_t kSecondIconLarge = 0x001188EE;
inline constexpr std::uint32_t kSecondIconSmall = 0x00662211;

}  // namespace tarnwick::test
