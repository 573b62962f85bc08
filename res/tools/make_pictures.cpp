// Writes Tarnwick's built-in pictures as pixel art:
//   Tarnwick.ico  the application icon, 32x32 and 16x16, 32 bits per pixel with alpha;
//   glyphs.bmp    the 30 16x16 glyphs of the shared image list, side by side in one 480x16,
//                 24-bit strip, magenta (255, 0, 255) marking transparent pixels.
// Both files are checked in, so the build needs no host tool; run this after changing a picture.
//
// Regenerate (from the repository root):
//   g++ -std=c++20 -O2 -o /tmp/make_pictures res/tools/make_pictures.cpp && /tmp/make_pictures res
// Preview, scaled up on black and on white:
//   convert res/glyphs.bmp -fill black -opaque magenta -scale 800% /tmp/glyphs-black.png
//   convert res/glyphs.bmp -fill white -opaque magenta -scale 800% /tmp/glyphs-white.png
//
// Every picture is drawn from a character map, one character per pixel, so each pixel is placed
// by hand. The glyphs have a dark outline around bright fills: the fill carries the shape on the
// default black menu, the outline on light colours.

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

struct Rgba {
  std::uint8_t r, g, b, a;
};

using Picture = std::vector<std::string>;

// '.' is transparent. Pure magenta is the strip's mask colour, so no entry may use it.
const std::map<char, Rgba> kPalette = {
    {'.', {0, 0, 0, 0}},
    // outline and neutrals
    {'K', {0x1A, 0x1A, 0x1A, 0xFF}},  // outline
    {'W', {0xFF, 0xFF, 0xFF, 0xFF}},  // white
    {'w', {0xE4, 0xE4, 0xE4, 0xFF}},  // light grey
    {'v', {0xC4, 0xC4, 0xC4, 0xFF}},  // pale grey
    {'g', {0x9A, 0x9A, 0x9A, 0xFF}},  // grey
    {'d', {0x66, 0x66, 0x66, 0xFF}},  // dark grey
    // the program's raised-edge greys
    {'L', {0xAF, 0xAF, 0xAF, 0xFF}},
    {'D', {0x5F, 0x5F, 0x5F, 0xFF}},
    // green
    {'H', {0x9E, 0xEA, 0x8C, 0xFF}},
    {'G', {0x3C, 0xB8, 0x3A, 0xFF}},
    {'n', {0x22, 0x7A, 0x22, 0xFF}},
    // red
    {'P', {0xFF, 0x9A, 0x8A, 0xFF}},
    {'R', {0xE2, 0x2B, 0x22, 0xFF}},
    {'r', {0x98, 0x14, 0x10, 0xFF}},
    // blue
    {'c', {0xA8, 0xD0, 0xFF, 0xFF}},
    {'B', {0x2E, 0x72, 0xE0, 0xFF}},
    {'b', {0x1B, 0x45, 0x9A, 0xFF}},
    // yellow and gold
    {'Y', {0xFF, 0xD8, 0x3A, 0xFF}},
    {'y', {0xC8, 0x94, 0x10, 0xFF}},
    {'e', {0xFF, 0xF0, 0xA8, 0xFF}},
    // wood (the exit door)
    {'T', {0xE0, 0xA0, 0x60, 0xFF}},
    {'O', {0xB8, 0x70, 0x30, 0xFF}},
    {'o', {0x7C, 0x44, 0x18, 0xFF}},
    // magenta (the door of disabled activation)
    {'M', {0xFF, 0x8C, 0xF0, 0xFF}},
    {'m', {0xD8, 0x30, 0xC8, 0xFF}},
    {'q', {0x8A, 0x14, 0x80, 0xFF}},
    // the application icon
    {'k', {0x1E, 0x27, 0x3A, 0xFF}},  // panel
    {'C', {0x4F, 0x86, 0xC6, 0xFF}},  // cell
    {'h', {0x9C, 0xC4, 0xEE, 0xFF}},  // cell, lit edge
    {'s', {0x2F, 0x55, 0x85, 0xFF}},  // cell, shaded edge
    {'1', {0xF2, 0xA1, 0x2C, 0xFF}},  // the lit cell
    {'2', {0xFF, 0xE0, 0x8A, 0xFF}},  // lit cell, bright edge
    {'3', {0xB8, 0x6A, 0x10, 0xFF}},  // lit cell, shaded edge
};

// ---------------------------------------------------------------------------------------------
// Glyphs, in image-list order.

const Picture kPlus = {
    "................",
    "................",
    "......KKKK......",
    "......KHGK......",
    "......KHGK......",
    "......KHGK......",
    "..KKKKKHGKKKKK..",
    "..KHHHHHGGGGGK..",
    "..KGGGGGGGGGnK..",
    "..KKKKKHnKKKKK..",
    "......KHnK......",
    "......KHnK......",
    "......KGnK......",
    "......KKKK......",
    "................",
    "................",
};

const Picture kBrowseArrow = {
    "................",
    ".......KKKKKKKK.",
    ".......KWWWWWWK.",
    "........KWWWWWK.",
    ".........KWWWWK.",
    "........KWWWWWK.",
    ".......KWWWKWWK.",
    "......KWWWK.KWK.",
    ".....KWWWK...KK.",
    "....KWWWK.......",
    "...KWWWK........",
    "..KWWWK.........",
    ".KWWWK..........",
    ".KWWK...........",
    ".KKK............",
    "................",
};

const Picture kCross = {
    "................",
    "................",
    "..KKK......KKK..",
    "..KPRK....KPRK..",
    "..KRRRK..KPRrK..",
    "...KRRRKKPRrK...",
    "....KRRRPRrK....",
    ".....KRRRrK.....",
    ".....KPRRRK.....",
    "....KPRrKRRK....",
    "...KPRrK.KRRK...",
    "..KPRrK...KRRK..",
    "..KRrK.....KRrK.",
    "..KKK.......KKK.",
    "................",
    "................",
};

const Picture kTwoColumns = {
    "................",
    ".KKKKKKK.KKKKKK.",
    ".KcccccK.KccccK.",
    ".KBBBBBK.KBBBBK.",
    ".KKKKKKK.KKKKKK.",
    ".KcccccK.KccccK.",
    ".KBBBBBK.KBBBBK.",
    ".KKKKKKK.KKKKKK.",
    ".KcccccK.KccccK.",
    ".KBBBBBK.KBBBBK.",
    ".KKKKKKK.KKKKKK.",
    ".KcccccK.KccccK.",
    ".KBBBBBK.KBBBBK.",
    ".KKKKKKK.KKKKKK.",
    "................",
    "................",
};

const Picture kCircularArrow = {
    "................",
    "................",
    ".....KKKKK.KK...",
    "....KRRRRRKRK...",
    "...KRRKKKRRRK...",
    "..KRRK...KRRK...",
    "..KRK...KRRRK...",
    "..KRK...KKKKK...",
    "..KRK...........",
    "..KRRK....KK....",
    "...KRRKKKKRRK...",
    "....KRRRRRRK....",
    ".....KKKKKK.....",
    "................",
    "................",
    "................",
};

const Picture kPadlock = {
    "................",
    ".....KKKKKK.....",
    "....KvwwwwvK....",
    "...KvKKKKKKvK...",
    "...KwK....KgK...",
    "...KwK....KgK...",
    "..KKKKKKKKKKKK..",
    "..KeYYYYYYYYYK..",
    "..KYYYYKKYYYyK..",
    "..KYYYYKKYYYyK..",
    "..KYYYYKKYYYyK..",
    "..KYYYYYYYYYyK..",
    "..KYYYYYYYYYyK..",
    "..KyyyyyyyyyyK..",
    "..KKKKKKKKKKKK..",
    "................",
};

// A door in its frame, in wood; the other doors recolour it.
const Picture kDoor = {
    "................",
    "..KKKKKKKKKKKK..",
    "..KooooooooooK..",
    "..KoKKKKKKKKoK..",
    "..KoKTOOOOOKoK..",
    "..KoKTooooOKoK..",
    "..KoKToOOTOKoK..",
    "..KoKToTTTOKoK..",
    "..KoKTOOOOOKoK..",
    "..KoKTOOOOeKoK..",
    "..KoKTOOOOYKoK..",
    "..KoKTooooOKoK..",
    "..KoKToOOTOKoK..",
    "..KoKToTTTOKoK..",
    "..KKKKKKKKKKKK..",
    "................",
};

const Picture kGear = {
    "................",
    "......KKKK......",
    "..KK..KwvK..KK..",
    ".KwvKKwvvgKKvgK.",
    ".KvvvvvvvvvvvgK.",
    "..KvvvgKKgvvgK..",
    "..KvvgK..KgvgK..",
    "KKwvvK....KvggKK",
    "KwvvvK....KvvggK",
    "..KvvgK..KvvgK..",
    "..KvvvgKKvvggK..",
    ".KwvvvvvvvvgggK.",
    ".KvgKKvvvgKKggK.",
    "..KK..KvgK..KK..",
    "......KKKK......",
    "................",
};

const Picture kExclamation = {
    "................",
    ".....KKKKKK.....",
    "....KYYYYYYK....",
    "...KYYYKKYYYK...",
    "..KYYYYKKYYYYK..",
    ".KYYYYYKKYYYYYK.",
    ".KYYYYYKKYYYYYK.",
    ".KYYYYYKKYYYYYK.",
    ".KYYYYYKKYYYYYK.",
    ".KYYYYYYYYYYYyK.",
    ".KYYYYYKKYYYYyK.",
    "..KYYYYKKYYYyK..",
    "...KYYYYYYyyK...",
    "....KyyyyyyK....",
    ".....KKKKKK.....",
    "................",
};

const Picture kBox = {
    "................",
    ".KKKKKKKKKKKKKK.",
    ".KggggggggggggK.",
    ".KgWWWWWWWWWWWK.",
    ".KgWWWWWWWWWWWK.",
    ".KgWWWWWWWWWWWK.",
    ".KgWWWWWWWWWWWK.",
    ".KgWWWWWWWWWWWK.",
    ".KgWWWWWWWWWWWK.",
    ".KgWWWWWWWWWWWK.",
    ".KgWWWWWWWWWWWK.",
    ".KgWWWWWWWWWWWK.",
    ".KgWWWWWWWWWWWK.",
    ".KgWWWWWWWWWWWK.",
    ".KKKKKKKKKKKKKK.",
    "................",
};

// Drawn over kBox; '.' leaves the box showing.
const Picture kTick = {
    "................",
    "................",
    "................",
    "...........Rr...",
    "..........RRr...",
    ".........RRr....",
    "...Rr...RRr.....",
    "...RRr.RRr......",
    "....RRRRr.......",
    ".....RRr........",
    "......r.........",
    "................",
    "................",
    "................",
    "................",
    "................",
};

const Picture kFloppy = {
    "................",
    ".KKKKKKKKKKKKK..",
    ".KBKwwwwwwKcBK..",
    ".KBKwwwwKwKBBK..",
    ".KBKwwwwKwKBBK..",
    ".KBKwwwwwwKBBK..",
    ".KBBKKKKKKBBBK..",
    ".KBBBBBBBBBBBK..",
    ".KBKKKKKKKKKBK..",
    ".KBKWWWWWWWKBK..",
    ".KBKWddddWWKBK..",
    ".KBKWWWWWWWKBK..",
    ".KBKWddddWWKBK..",
    ".KbKWWWWWWWKbK..",
    ".KKKKKKKKKKKKK..",
    "................",
};

const Picture kTriangleLeft = {
    "................",
    "................",
    "..........KK....",
    "........KKcK....",
    "......KKcBBK....",
    "....KKcBBBBK....",
    "..KKcBBBBBBK....",
    "..KcBBBBBBBK....",
    "..KbBBBBBBBK....",
    "..KKbbBBBBBK....",
    "....KKbbBBBK....",
    "......KKbbBK....",
    "........KKbK....",
    "..........KK....",
    "................",
    "................",
};

const Picture kTriangleRight = {
    "................",
    "................",
    "....KK..........",
    "....KcKK........",
    "....KcBBKK......",
    "....KcBBBBKK....",
    "....KcBBBBBBKK..",
    "....KcBBBBBBBK..",
    "....KBBBBBBBbK..",
    "....KBBBBBbbKK..",
    "....KBBBbbKK....",
    "....KBbbKK......",
    "....KbKK........",
    "....KK..........",
    "................",
    "................",
};

const Picture kMinimised = {
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    ".KKKKKKKKKKKKKK.",
    ".KcBBBBBBBKWKWK.",
    ".KBBBBBBBBKKKKK.",
    ".KKKKKKKKKKKKKK.",
    "................",
    "................",
};

const Picture kOverlapping = {
    "................",
    "......KKKKKKKKK.",
    "......KcBBBBBBK.",
    "......KKKKKKKKK.",
    "......KWWWWWWWK.",
    ".KKKKKKKKKWWWWK.",
    ".KcBBBBBBKWWWWK.",
    ".KKKKKKKKKWWWWK.",
    ".KWWWWWWWKKKKKK.",
    ".KWWWWWWWK......",
    ".KWWWWWWWK......",
    ".KWWWWWWWK......",
    ".KWWWWWWWK......",
    ".KKKKKKKKK......",
    "................",
    "................",
};

const Picture kFullWindow = {
    "................",
    ".KKKKKKKKKKKKKK.",
    ".KcBBBBBBBBBBBK.",
    ".KBBBBBBBBBBBBK.",
    ".KKKKKKKKKKKKKK.",
    ".KWWWWWWWWWWWWK.",
    ".KWWWWWWWWWWWWK.",
    ".KWWWWWWWWWWWWK.",
    ".KWWWWWWWWWWWWK.",
    ".KWWWWWWWWWWWWK.",
    ".KWWWWWWWWWWWWK.",
    ".KWWWWWWWWWWWWK.",
    ".KWWWWWWWWWWWWK.",
    ".KKKKKKKKKKKKKK.",
    "................",
    "................",
};

// Key caps: a raised cap and a pressed one, each with a 5x7 letter laid on top.
const Picture kKeyRaised = {
    "................",
    "..KKKKKKKKKKKK..",
    ".KWWWWWWWWWWWwK.",
    ".KWwwwwwwwwwwvK.",
    ".KWwwwwwwwwwwvK.",
    ".KWwwwwwwwwwwvK.",
    ".KWwwwwwwwwwwvK.",
    ".KWwwwwwwwwwwvK.",
    ".KWwwwwwwwwwwvK.",
    ".KWwwwwwwwwwwvK.",
    ".KWwwwwwwwwwwvK.",
    ".KwvvvvvvvvvvgK.",
    ".KggggggggggggK.",
    "..KKKKKKKKKKKK..",
    "................",
    "................",
};

const Picture kKeyPressed = {
    "................",
    "................",
    "..KKKKKKKKKKKK..",
    ".KddddddddddddK.",
    ".KdggggggggggvK.",
    ".KdgvvvvvvvvvvK.",
    ".KdgvvvvvvvvvvK.",
    ".KdgvvvvvvvvvvK.",
    ".KdgvvvvvvvvvvK.",
    ".KdgvvvvvvvvvvK.",
    ".KdgvvvvvvvvvvK.",
    ".KdgvvvvvvvvvvK.",
    ".KvvvvvvvvvvvvK.",
    "..KKKKKKKKKKKK..",
    "................",
    "................",
};

const Picture kLetterW = {"K...K", "K...K", "K...K", "K.K.K", "K.K.K", "KK.KK", "K...K"};
const Picture kLetterC = {".KKK.", "K...K", "K....", "K....", "K....", "K...K", ".KKK."};
const Picture kLetterA = {".KKK.", "K...K", "K...K", "KKKKK", "K...K", "K...K", "K...K"};
const Picture kLetterS = {".KKKK", "K....", "K....", ".KKK.", "....K", "....K", "KKKK."};

// ---------------------------------------------------------------------------------------------
// Application icon: a raised menu panel holding a 3x3 grid of item cells, one of them lit under
// the mouse pointer.

const Picture kIcon32 = {
    "................................",
    ".LLLLLLLLLLLLLLLLLLLLLLLLLLLLLD.",
    ".LLLLLLLLLLLLLLLLLLLLLLLLLLLLDD.",
    ".LLkkkkkkkkkkkkkkkkkkkkkkkkkkDD.",
    ".LLkkkkkkkkkkkkkkkkkkkkkkkkkkDD.",
    ".LLkkhhhhhskkhhhhhskkhhhhhskkDD.",
    ".LLkkhCCCCskkhCCCCskkhCCCCskkDD.",
    ".LLkkhCCCCskkhCCCCskkhCCCCskkDD.",
    ".LLkkhCCCCskkhCCCCskkhCCCCskkDD.",
    ".LLkkhCCCCskkhCCCCskkhCCCCskkDD.",
    ".LLkkhssssskkhssssskkhssssskkDD.",
    ".LLkkkkkkkkkkkkkkkkkkkkkkkkkkDD.",
    ".LLkkkkkkkkkkkkkkkkkkkkkkkkkkDD.",
    ".LLkkhhhhhskkhhhhhskk22222skkDD.",
    ".LLkkhCCCCskkhCCCCskk21111skkDD.",
    ".LLkkhCCCCskkhCCCCskk21111skkDD.",
    ".LLkkhCCCCskkhCCCCskk21111skkDD.",
    ".LLkkhCCCCskkhCCCCskk21111skkDD.",
    ".LLkkhssssskkhssssskk23333skkDD.",
    ".LLkkkkkkkkkkkkkkkkkkkkkkkkkkDD.",
    ".LLkkkkkkkkkkkkkkkkkkkkkkkkkkDD.",
    ".LLkkhhhhhskkhhhhhskkhhhhhskkDD.",
    ".LLkkhCCCCskkhCCCCskkhCCCCskkDD.",
    ".LLkkhCCCCskkhCCCCskkhCCCCskkDD.",
    ".LLkkhCCCCskkhCCCCskkhCCCCskkDD.",
    ".LLkkhCCCCskkhCCCCskkhCCCCskkDD.",
    ".LLkkhssssskkhssssskkhssssskkDD.",
    ".LLkkkkkkkkkkkkkkkkkkkkkkkkkkDD.",
    ".LLkkkkkkkkkkkkkkkkkkkkkkkkkkDD.",
    ".LDDDDDDDDDDDDDDDDDDDDDDDDDDDDD.",
    ".LDDDDDDDDDDDDDDDDDDDDDDDDDDDDD.",
    "................................",
};

const Picture kIcon16 = {
    "LLLLLLLLLLLLLLLD",
    "LkkkkkkkkkkkkkDD",
    "LkhCCkhCCkhCCkDD",
    "LkCCCkCCCkCCCkDD",
    "LkCCskCCskCCskDD",
    "LkkkkkkkkkkkkkDD",
    "LkhCCkhCCk211kDD",
    "LkCCCkCCCk111kDD",
    "LkCCskCCsk113kDD",
    "LkkkkkkkkkkkkkDD",
    "LkhCCkhCCkhCCkDD",
    "LkCCCkCCCkCCCkDD",
    "LkCCskCCskCCskDD",
    "LkkkkkkkkkkkkkDD",
    "LDDDDDDDDDDDDDDD",
    "LDDDDDDDDDDDDDDD",
};

// The mouse pointer laid over the icons, its tip on the lit cell.
const Picture kPointer32 = {
    "K.......",
    "KK......",
    "KWK.....",
    "KWWK....",
    "KWWWK...",
    "KWWWWK..",
    "KWWWWWK.",
    "KWWWWWWK",
    "KWWWKKKK",
    "KWKKWK..",
    "KK.KWWK.",
    "....KWWK",
    ".....KK.",
};

const Picture kPointer16 = {
    "K...",
    "KK..",
    "KWK.",
    "KWWK",
    "KWKK",
    "KK..",
};

// ---------------------------------------------------------------------------------------------

Picture Recolour(Picture picture, const std::map<char, char>& swaps) {
  for (std::string& row : picture) {
    for (char& c : row) {
      auto it = swaps.find(c);
      if (it != swaps.end()) c = it->second;
    }
  }
  return picture;
}

// top laid over base with its top-left pixel at (x, y); '.' in top leaves base showing.
Picture Overlay(Picture base, const Picture& top, int x, int y) {
  for (size_t row = 0; row < top.size(); ++row) {
    for (size_t column = 0; column < top[row].size(); ++column) {
      if (top[row][column] != '.') base[y + row][x + column] = top[row][column];
    }
  }
  return base;
}

// The box filled with blue from the bottom up to `rows` of its 12 inner rows.
Picture FilledBox(int rows) {
  Picture box = kBox;
  for (int y = 14 - rows; y < 14; ++y) {
    for (int x = 2; x < 14; ++x) box[y][x] = (y == 14 - rows) ? 'c' : 'B';
  }
  return box;
}

std::vector<Picture> Glyphs() {
  const Picture magentaDoor = Recolour(kDoor, {{'T', 'M'}, {'O', 'm'}, {'o', 'q'}});
  const Picture greyDoor = Recolour(kDoor, {{'T', 'w'}, {'O', 'g'}, {'o', 'd'}, {'e', 'W'}, {'Y', 'v'}});
  const auto raised = [](const Picture& letter) { return Overlay(kKeyRaised, letter, 5, 3); };
  const auto pressed = [](const Picture& letter) { return Overlay(kKeyPressed, letter, 6, 5); };
  return {
      kPlus,                        // 0
      kBrowseArrow,                 // 1
      kCross,                       // 2
      kTwoColumns,                  // 3
      kCircularArrow,               // 4
      kPadlock,                     // 5
      magentaDoor,                  // 6
      kGear,                        // 7
      kExclamation,                 // 8
      kDoor,                        // 9
      kBox,                         // 10
      Overlay(kBox, kTick, 0, 0),   // 11
      kFloppy,                      // 12
      FilledBox(4),                 // 13
      FilledBox(8),                 // 14
      FilledBox(12),                // 15
      kTriangleLeft,                // 16
      kTriangleRight,               // 17
      kMinimised,                   // 18
      kOverlapping,                 // 19
      kFullWindow,                  // 20
      raised(kLetterW),             // 21
      pressed(kLetterW),            // 22
      raised(kLetterC),             // 23
      pressed(kLetterC),            // 24
      raised(kLetterA),             // 25
      pressed(kLetterA),            // 26
      raised(kLetterS),             // 27
      pressed(kLetterS),            // 28
      greyDoor,                     // 29
  };
}

// ---------------------------------------------------------------------------------------------

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, static_cast<std::uint16_t>(v));
  Put16(out, static_cast<std::uint16_t>(v >> 16));
}

bool Check(const Picture& picture, int width, int height, const char* name) {
  if (static_cast<int>(picture.size()) != height) {
    std::fprintf(stderr, "%s has %zu rows, not %d\n", name, picture.size(), height);
    return false;
  }
  for (size_t y = 0; y < picture.size(); ++y) {
    if (static_cast<int>(picture[y].size()) != width) {
      std::fprintf(stderr, "row %zu of %s has %zu pixels, not %d\n", y, name, picture[y].size(), width);
      return false;
    }
    for (char c : picture[y]) {
      if (kPalette.count(c) == 0) {
        std::fprintf(stderr, "unknown colour '%c' in %s\n", c, name);
        return false;
      }
    }
  }
  return true;
}

// One icon image: BITMAPINFOHEADER (height doubled for the mask), bottom-up BGRA rows, then the
// 1-bit AND mask with rows padded to 32 bits. The mask matters to old readers that ignore alpha.
std::vector<std::uint8_t> EncodeIconImage(const Picture& rows) {
  std::vector<std::uint8_t> out;
  const int size = static_cast<int>(rows.size());
  const int maskStride = ((size + 31) / 32) * 4;
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(size));
  Put32(out, static_cast<std::uint32_t>(size * 2));
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);
  Put32(out, static_cast<std::uint32_t>(size * size * 4 + maskStride * size));
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  for (int y = size - 1; y >= 0; --y) {
    for (char c : rows[y]) {
      const Rgba p = kPalette.at(c);
      out.insert(out.end(), {p.b, p.g, p.r, p.a});
    }
  }
  for (int y = size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(maskStride), 0);
    for (int x = 0; x < size; ++x) {
      if (kPalette.at(rows[y][x]).a == 0) mask[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), mask.begin(), mask.end());
  }
  return out;
}

std::vector<std::uint8_t> EncodeIcon(const std::vector<Picture>& pictures) {
  std::vector<std::vector<std::uint8_t>> images;
  for (const Picture& picture : pictures) images.push_back(EncodeIconImage(picture));
  std::vector<std::uint8_t> file;
  Put16(file, 0);
  Put16(file, 1);  // type: icon
  Put16(file, static_cast<std::uint16_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const auto size = static_cast<std::uint8_t>(pictures[i].size());
    file.insert(file.end(), {size, size, 0, 0});
    Put16(file, 1);
    Put16(file, 32);
    Put32(file, static_cast<std::uint32_t>(images[i].size()));
    Put32(file, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());
  return file;
}

// A bottom-up 24-bit BMP of the glyphs side by side; transparent pixels become magenta.
std::vector<std::uint8_t> EncodeStrip(const std::vector<Picture>& glyphs) {
  const int width = 16 * static_cast<int>(glyphs.size());
  const int stride = (width * 3 + 3) / 4 * 4;
  const std::uint32_t pixelBytes = static_cast<std::uint32_t>(stride * 16);
  std::vector<std::uint8_t> file;
  file.push_back('B');
  file.push_back('M');
  Put32(file, 14 + 40 + pixelBytes);
  Put32(file, 0);
  Put32(file, 14 + 40);
  Put32(file, 40);
  Put32(file, static_cast<std::uint32_t>(width));
  Put32(file, 16);
  Put16(file, 1);
  Put16(file, 24);
  Put32(file, 0);  // BI_RGB
  Put32(file, pixelBytes);
  Put32(file, 2835);  // 72 dpi
  Put32(file, 2835);
  Put32(file, 0);
  Put32(file, 0);
  for (int y = 15; y >= 0; --y) {
    int written = 0;
    for (const Picture& glyph : glyphs) {
      for (char c : glyph[y]) {
        const Rgba p = c == '.' ? Rgba{0xFF, 0x00, 0xFF, 0xFF} : kPalette.at(c);
        file.insert(file.end(), {p.b, p.g, p.r});
        written += 3;
      }
    }
    for (; written < stride; ++written) file.push_back(0);
  }
  return file;
}

bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s RESOURCE-FOLDER\n", argv[0]);
    return 2;
  }
  for (const auto& [c, rgba] : kPalette) {
    if (c != '.' && rgba.r == 0xFF && rgba.g == 0x00 && rgba.b == 0xFF) {
      std::fprintf(stderr, "colour '%c' is the strip's mask colour\n", c);
      return 1;
    }
  }
  const std::vector<Picture> glyphs = Glyphs();
  if (glyphs.size() != 30) {
    std::fprintf(stderr, "%zu glyphs, not 30\n", glyphs.size());
    return 1;
  }
  bool ok = true;
  for (size_t i = 0; i < glyphs.size(); ++i) ok &= Check(glyphs[i], 16, 16, ("glyph " + std::to_string(i)).c_str());
  const Picture icon32 = Overlay(kIcon32, kPointer32, 24, 16);
  const Picture icon16 = Overlay(kIcon16, kPointer16, 11, 7);
  ok &= Check(icon32, 32, 32, "the 32x32 icon") && Check(icon16, 16, 16, "the 16x16 icon");
  if (!ok) return 1;

  const std::string folder = argv[1];
  return Write(folder + "/Tarnwick.ico", EncodeIcon({icon32, icon16})) &&
                 Write(folder + "/glyphs.bmp", EncodeStrip(glyphs))
             ? 0
             : 1;
}
