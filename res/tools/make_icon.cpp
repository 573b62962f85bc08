// Writes res/Tarnwick.ico: the application icon as pixel art, 32x32 and 16x16, 32 bits per pixel.
// The motif is a raised menu panel holding a 3x3 grid of item cells, the bottom-right one lit.
//
// Regenerate (from the repository root):
//   g++ -std=c++20 -O2 -o /tmp/make_icon res/tools/make_icon.cpp && /tmp/make_icon res/Tarnwick.ico
//
// Each picture is drawn from a character map, so every pixel is placed by hand.

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

// '.' is transparent; the frame greys match the program's own raised-edge colours.
const std::map<char, Rgba> kPalette = {
    {'.', {0, 0, 0, 0}},
    {'L', {0xAF, 0xAF, 0xAF, 0xFF}},  // frame, light edge
    {'D', {0x5F, 0x5F, 0x5F, 0xFF}},  // frame, dark edge
    {'k', {0x1E, 0x27, 0x3A, 0xFF}},  // panel
    {'c', {0x4F, 0x86, 0xC6, 0xFF}},  // cell
    {'h', {0x9C, 0xC4, 0xEE, 0xFF}},  // cell, lit edge
    {'s', {0x2F, 0x55, 0x85, 0xFF}},  // cell, shaded edge
    {'o', {0xF2, 0xA1, 0x2C, 0xFF}},  // the lit cell
    {'y', {0xFF, 0xE0, 0x8A, 0xFF}},  // lit cell, bright edge
    {'r', {0xB8, 0x6A, 0x10, 0xFF}},  // lit cell, shaded edge
};

const std::vector<std::string> kIcon32 = {
    "................................",
    ".LLLLLLLLLLLLLLLLLLLLLLLLLLLLLD.",
    ".LLLLLLLLLLLLLLLLLLLLLLLLLLLLDD.",
    ".LLkkkkkkkkkkkkkkkkkkkkkkkkkkDD.",
    ".LLkkkkkkkkkkkkkkkkkkkkkkkkkkDD.",
    ".LLkkhhhhhskkhhhhhskkhhhhhskkDD.",
    ".LLkkhccccskkhccccskkhccccskkDD.",
    ".LLkkhccccskkhccccskkhccccskkDD.",
    ".LLkkhccccskkhccccskkhccccskkDD.",
    ".LLkkhccccskkhccccskkhccccskkDD.",
    ".LLkkhssssskkhssssskkhssssskkDD.",
    ".LLkkkkkkkkkkkkkkkkkkkkkkkkkkDD.",
    ".LLkkkkkkkkkkkkkkkkkkkkkkkkkkDD.",
    ".LLkkhhhhhskkhhhhhskkhhhhhskkDD.",
    ".LLkkhccccskkhccccskkhccccskkDD.",
    ".LLkkhccccskkhccccskkhccccskkDD.",
    ".LLkkhccccskkhccccskkhccccskkDD.",
    ".LLkkhccccskkhccccskkhccccskkDD.",
    ".LLkkhssssskkhssssskkhssssskkDD.",
    ".LLkkkkkkkkkkkkkkkkkkkkkkkkkkDD.",
    ".LLkkkkkkkkkkkkkkkkkkkkkkkkkkDD.",
    ".LLkkhhhhhskkhhhhhskkyyyyyrkkDD.",
    ".LLkkhccccskkhccccskkyoooorkkDD.",
    ".LLkkhccccskkhccccskkyoooorkkDD.",
    ".LLkkhccccskkhccccskkyoooorkkDD.",
    ".LLkkhccccskkhccccskkyoooorkkDD.",
    ".LLkkhssssskkhssssskkyrrrrrkkDD.",
    ".LLkkkkkkkkkkkkkkkkkkkkkkkkkkDD.",
    ".LLkkkkkkkkkkkkkkkkkkkkkkkkkkDD.",
    ".LDDDDDDDDDDDDDDDDDDDDDDDDDDDDD.",
    ".LDDDDDDDDDDDDDDDDDDDDDDDDDDDDD.",
    "................................",
};

const std::vector<std::string> kIcon16 = {
    "LLLLLLLLLLLLLLLD",
    "LkkkkkkkkkkkkkDD",
    "LkhcckhcckhcckDD",
    "LkccckccckccckDD",
    "LkccskccskccskDD",
    "LkkkkkkkkkkkkkDD",
    "LkhcckhcckhcckDD",
    "LkccckccckccckDD",
    "LkccskccskccskDD",
    "LkkkkkkkkkkkkkDD",
    "LkhcckhcckyookDD",
    "LkccckccckoookDD",
    "LkccskccskoorkDD",
    "LkkkkkkkkkkkkkDD",
    "LDDDDDDDDDDDDDDD",
    "LDDDDDDDDDDDDDDD",
};

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, static_cast<std::uint16_t>(v));
    Put16(out, static_cast<std::uint16_t>(v >> 16));
}

// One icon image: BITMAPINFOHEADER (height doubled for the mask), bottom-up BGRA rows, then the
// 1-bit AND mask with rows padded to 32 bits. The mask matters to old readers that ignore alpha.
bool EncodeImage(const std::vector<std::string>& rows, std::vector<std::uint8_t>& out) {
    const int size = static_cast<int>(rows.size());
    const int maskStride = ((size + 31) / 32) * 4;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(size));
    Put32(out, static_cast<std::uint32_t>(size * 2));
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(size * size * 4 + maskStride * size));
    for (int i = 0; i < 4; ++i) {
        Put32(out, 0);
    }
    for (int y = size - 1; y >= 0; --y) {
        if (static_cast<int>(rows[y].size()) != size) {
            std::fprintf(stderr, "row %d of the %dx%d picture has %zu pixels\n", y, size, size,
                         rows[y].size());
            return false;
        }
        for (char c : rows[y]) {
            auto it = kPalette.find(c);
            if (it == kPalette.end()) {
                std::fprintf(stderr, "unknown colour '%c' in the %dx%d picture\n", c, size, size);
                return false;
            }
            const Rgba p = it->second;
            out.insert(out.end(), {p.b, p.g, p.r, p.a});
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> mask(static_cast<std::size_t>(maskStride), 0);
        for (int x = 0; x < size; ++x) {
            if (kPalette.at(rows[y][x]).a == 0) {
                mask[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), mask.begin(), mask.end());
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.ico\n", argv[0]);
        return 2;
    }
    const std::vector<const std::vector<std::string>*> pictures = {&kIcon32, &kIcon16};

    std::vector<std::vector<std::uint8_t>> images;
    for (const auto* rows : pictures) {
        images.emplace_back();
        if (!EncodeImage(*rows, images.back())) {
            return 1;
        }
    }

    std::vector<std::uint8_t> file;
    Put16(file, 0);
    Put16(file, 1);  // type: icon
    Put16(file, static_cast<std::uint16_t>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto size = static_cast<std::uint8_t>(pictures[i]->size());
        file.insert(file.end(), {size, size, 0, 0});
        Put16(file, 1);
        Put16(file, 32);
        Put32(file, static_cast<std::uint32_t>(images[i].size()));
        Put32(file, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images) {
        file.insert(file.end(), image.begin(), image.end());
    }

    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
