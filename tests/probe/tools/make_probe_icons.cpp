// Writes the two icons compiled into the launch probe and the Win32 tests, so that a test can
// tell from a single pixel which icon, and which of its sizes, was drawn:
//   probe-first.ico   32x32 green with a transparent 8x8 top-left corner; 16x16 magenta-red
//   probe-second.ico  32x32 orange; 16x16 dark blue
// 32 bits per pixel with alpha and a matching AND mask. The colours are listed in
// tests/probe/ProbeIcons.h. Both files are checked in, so the build needs no host tool.
//
// Regenerate (from the repository root):
//   g++ -std=c++20 -O2 -o /tmp/make_probe_icons tests/probe/tools/make_probe_icons.cpp &&
//   /tmp/make_probe_icons tests/probe
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Rgb {
  std::uint8_t r, g, b;
};

struct Image {
  int size;
  Rgb colour;
  int clearCorner;  // side of the transparent square at the top left, 0 for none
};

void Put16(std::string& out, unsigned value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// BITMAPINFOHEADER (height doubled for the mask), bottom-up BGRA pixels, then the AND mask,
// one bit per pixel (1 = transparent), rows padded to 32 bits.
std::string Dib(const Image& image) {
  std::string out;
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(image.size));
  Put32(out, static_cast<std::uint32_t>(image.size * 2));
  Put16(out, 1);
  Put16(out, 32);
  for (int i = 0; i < 6; ++i) Put32(out, 0);
  const auto clear = [&](int x, int y) { return x < image.clearCorner && y < image.clearCorner; };
  for (int y = image.size - 1; y >= 0; --y) {
    for (int x = 0; x < image.size; ++x) {
      const bool transparent = clear(x, y);
      out += static_cast<char>(transparent ? 0 : image.colour.b);
      out += static_cast<char>(transparent ? 0 : image.colour.g);
      out += static_cast<char>(transparent ? 0 : image.colour.r);
      out += static_cast<char>(transparent ? 0 : 0xFF);
    }
  }
  const int rowBytes = (image.size + 31) / 32 * 4;
  for (int y = image.size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(static_cast<size_t>(rowBytes), 0);
    for (int x = 0; x < image.size; ++x) {
      if (clear(x, y)) row[static_cast<size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.append(row.begin(), row.end());
  }
  return out;
}

std::string Icon(const std::vector<Image>& images) {
  std::string out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, static_cast<unsigned>(images.size()));
  std::vector<std::string> dibs;
  for (const Image& image : images) dibs.push_back(Dib(image));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    out += static_cast<char>(images[i].size);
    out += static_cast<char>(images[i].size);
    out += '\0';
    out += '\0';
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, static_cast<std::uint32_t>(dibs[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(dibs[i].size());
  }
  for (const std::string& dib : dibs) out += dib;
  return out;
}

bool Write(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : ".";
  const bool ok =
      Write(folder + "/probe-first.ico",
            Icon({{32, {0x22, 0xAA, 0x66}, 8}, {16, {0xCC, 0x22, 0x88}, 0}})) &&
      Write(folder + "/probe-second.ico",
            Icon({{32, {0xEE, 0x88, 0x11}, 0}, {16, {0x11, 0x22, 0x66}, 0}}));
  if (!ok) std::fprintf(stderr, "cannot write the icons into %s\n", folder.c_str());
  return ok ? 0 : 1;
}
