#include "fakes/Cp1252CodePage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tarnwick::fakes {

namespace {

// Bytes 0x80..0x9F; every other byte is the code point of its own value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

char32_t ByteToCodePoint(uint8_t byte) {
  return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte;
}

std::optional<char> CodePointToByte(char32_t codePoint) {
  if (codePoint < 0x80) return static_cast<char>(codePoint);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == codePoint) return static_cast<char>(0x80 + i);
  }
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<char>(codePoint);
  }
  return std::nullopt;
}

// End of the run of ASCII bytes starting at pos, found eight bytes at a time.
std::size_t AsciiRunEnd(std::string_view text, std::size_t pos) {
  for (uint64_t word; pos + sizeof word <= text.size(); pos += sizeof word) {
    std::memcpy(&word, text.data() + pos, sizeof word);
    if ((word & 0x8080808080808080ULL) != 0) break;
  }
  while (pos < text.size() && static_cast<uint8_t>(text[pos]) < 0x80) ++pos;
  return pos;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

// Decodes one strict UTF-8 sequence at pos, advancing it; nullopt for anything malformed.
// Kept apart from the storage layer's own validator so that the fake does not share its bugs.
std::optional<char32_t> DecodeOne(std::string_view utf8, std::size_t& pos) {
  const auto lead = static_cast<uint8_t>(utf8[pos++]);
  int continuation = 0;
  char32_t codePoint = 0;
  char32_t minimum = 0;
  if (lead < 0x80) return lead;
  if ((lead & 0xE0) == 0xC0) {
    continuation = 1;
    codePoint = lead & 0x1F;
    minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    continuation = 2;
    codePoint = lead & 0x0F;
    minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    continuation = 3;
    codePoint = lead & 0x07;
    minimum = 0x10000;
  } else {
    return std::nullopt;
  }
  for (int i = 0; i < continuation; ++i) {
    if (pos >= utf8.size()) return std::nullopt;
    const auto next = static_cast<uint8_t>(utf8[pos++]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  if (codePoint < minimum || codePoint > 0x10FFFF || surrogate) return std::nullopt;
  return codePoint;
}

}  // namespace

std::string Cp1252CodePage::ToUtf8(std::string_view ansi) const {
  std::string utf8;
  utf8.reserve(ansi.size() + ansi.size() / 8);
  // Runs of ASCII go across in one piece; the benchmarks load whole files through here.
  for (std::size_t pos = 0; pos < ansi.size();) {
    std::size_t run = AsciiRunEnd(ansi, pos);
    utf8.append(ansi.substr(pos, run - pos));
    if (run < ansi.size()) AppendUtf8(utf8, ByteToCodePoint(static_cast<uint8_t>(ansi[run++])));
    pos = run;
  }
  return utf8;
}

std::optional<std::string> Cp1252CodePage::FromUtf8(std::string_view utf8) const {
  std::string ansi;
  ansi.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t run = AsciiRunEnd(utf8, pos);
    ansi.append(utf8.substr(pos, run - pos));
    pos = run;
    if (pos == utf8.size()) break;
    const std::optional<char32_t> codePoint = DecodeOne(utf8, pos);
    if (!codePoint) return std::nullopt;
    const std::optional<char> byte = CodePointToByte(*codePoint);
    if (!byte) return std::nullopt;
    ansi += *byte;
  }
  return ansi;
}

}  // namespace tarnwick::fakes
