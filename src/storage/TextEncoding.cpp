#include "storage/TextEncoding.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

namespace tarnwick {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

struct Utf8Sequence {
  bool valid;
  // The whole sequence when valid; else its longest valid-looking start (at least one byte),
  // the unit that one replacement character stands for.
  std::size_t length;
};

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF. The second byte's
// range depends on the lead byte; that is where all three rules are enforced.
Utf8Sequence NextSequence(std::string_view bytes, std::size_t pos) {
  const auto byteAt = [&](std::size_t i) { return static_cast<uint8_t>(bytes[i]); };
  const uint8_t lead = byteAt(pos);
  if (lead < 0x80) return {true, 1};
  std::size_t length = 0;
  uint8_t low = 0x80;
  uint8_t high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return {false, 1};
  }
  for (std::size_t i = 1; i < length; ++i) {
    if (pos + i >= bytes.size()) return {false, i};
    const uint8_t next = byteAt(pos + i);
    if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) return {false, i};
  }
  return {true, length};
}

// The position of the first byte at or after pos that is not ASCII, or the size. Configuration
// files are mostly ASCII, so this goes eight bytes at a time.
std::size_t SkipAscii(std::string_view bytes, std::size_t pos) {
  constexpr uint64_t kHighBits = 0x8080808080808080ULL;
  for (uint64_t word; pos + sizeof word <= bytes.size(); pos += sizeof word) {
    std::memcpy(&word, bytes.data() + pos, sizeof word);
    if ((word & kHighBits) != 0) break;
  }
  while (pos < bytes.size() && static_cast<uint8_t>(bytes[pos]) < 0x80) ++pos;
  return pos;
}

// A file that says it is UTF-8 keeps its valid text; each broken sequence becomes U+FFFD.
std::string ReplaceInvalidUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  std::size_t validFrom = 0;  // start of the valid text not yet copied
  for (std::size_t pos = 0; pos < bytes.size();) {
    pos = SkipAscii(bytes, pos);
    if (pos == bytes.size()) break;
    const Utf8Sequence sequence = NextSequence(bytes, pos);
    if (!sequence.valid) {
      text.append(bytes.substr(validFrom, pos - validFrom));
      text.append(kReplacement);
      validFrom = pos + sequence.length;
    }
    pos += sequence.length;
  }
  text.append(bytes.substr(validFrom));
  return text;
}

void AppendUtf8(std::string& text, uint32_t codePoint) {
  if (codePoint < 0x80) {
    text += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    text += static_cast<char>(0xC0 | (codePoint >> 6));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    text += static_cast<char>(0xE0 | (codePoint >> 12));
    text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (codePoint >> 18));
    text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

// Notepad's "Unicode" files. Unpaired surrogates and an odd last byte become U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  const std::size_t unitCount = bytes.size() / 2;
  const auto unitAt = [&](std::size_t i) {
    const auto first = static_cast<uint8_t>(bytes[2 * i]);
    const auto second = static_cast<uint8_t>(bytes[2 * i + 1]);
    return static_cast<uint32_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
  };
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < unitCount; ++i) {
    const uint32_t unit = unitAt(i);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < unitCount) {
      const uint32_t trail = unitAt(i + 1);
      if (trail >= 0xDC00 && trail <= 0xDFFF) {
        AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (trail - 0xDC00));
        ++i;
        continue;
      }
    }
    if (unit >= 0xD800 && unit <= 0xDFFF) {
      text.append(kReplacement);
    } else {
      AppendUtf8(text, unit);
    }
  }
  if (bytes.size() % 2 != 0) text.append(kReplacement);
  return text;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t pos = 0; pos < bytes.size();) {
    pos = SkipAscii(bytes, pos);
    if (pos == bytes.size()) break;
    const Utf8Sequence sequence = NextSequence(bytes, pos);
    if (!sequence.valid) return false;
    pos += sequence.length;
  }
  return true;
}

std::string DecodeTextFile(std::string_view bytes, const AnsiCodePage& ansi) {
  if (bytes.starts_with(kUtf8Bom)) return ReplaceInvalidUtf8(bytes.substr(kUtf8Bom.size()));
  if (bytes.starts_with(kUtf16LeBom)) return Utf16ToUtf8(bytes.substr(2), /*bigEndian=*/false);
  if (bytes.starts_with(kUtf16BeBom)) return Utf16ToUtf8(bytes.substr(2), /*bigEndian=*/true);
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return ansi.ToUtf8(bytes);
}

std::string EncodeTextFile(std::string_view utf8, const AnsiCodePage& ansi) {
  // ANSI bytes can look like UTF-8 or a byte-order mark ("Ã©" is C3 A9 in Windows-1252, which
  // is "é" in UTF-8); such text must go out as UTF-8 or it would not read back the same.
  if (std::optional<std::string> ansiBytes = ansi.FromUtf8(utf8)) {
    if (DecodeTextFile(*ansiBytes, ansi) == utf8) return std::move(*ansiBytes);
  }
  std::string bytes(kUtf8Bom);
  bytes += utf8;
  return bytes;
}

}  // namespace tarnwick
