#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tarnwick {

// An INI document parsed once into memory; every read is answered from memory.
// Text is UTF-8 (see TextEncoding.h for the bytes of a file); any bytes parse without error.
//
// Hand-edited files read as the Windows profile functions read them:
// - A leading UTF-8 byte-order mark is skipped.
// - Lines end at LF; a file (or the rest of one) without any LF is split at CR instead.
// - Blanks (space, tab, CR, VT, FF) around names and values are ignored.
// - A line whose first non-blank character is ";" is a comment.
// - "[" up to the LAST "]" on the line is a section header; text after that "]" is ignored
//   and the name is trimmed. A "[" line without any "]" is not a header but an ordinary line.
// - Lines before the first header belong to no section and are ignored.
// - In a section, the key is the text before the first "=" and the value the rest, both
//   trimmed; a value enclosed in one matching pair of double or single quotes loses that
//   pair (a lone quote character stays). A line without "=" is a key without a value: it
//   is listed by KeyNames, but Find gives nullopt for it and every read its fallback.
// - Names match without regard to case (ASCII letters only; other bytes compare exactly),
//   and the names asked for are trimmed the same way as the file's.
// - Duplicates: the first section of a name is the only one; a later header of the same
//   name is ignored together with its lines (they are not merged into the first). Within a
//   section the first of duplicate keys wins and later ones are ignored. SectionNames and
//   KeyNames therefore list each name once, in file order.
// - Values have no length limit.
class IniFile {
 public:
  IniFile() = default;
  // Linear in the size of the text.
  static IniFile Parse(std::string_view utf8Text);

  std::vector<std::string> SectionNames() const;
  std::vector<std::string> KeyNames(std::string_view section) const;
  bool HasSection(std::string_view section) const;

  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // Integers: decimal, or hexadecimal after "0x"/"0X"; anything else gives the fallback.
  int32_t ReadInt(std::string_view section, std::string_view key, int32_t fallback) const;
  // Booleans are read as integers: non-zero is true.
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

 private:
  struct Entry {
    std::string key;
    std::optional<std::string> value;  // nullopt for a line without "="
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
    std::unordered_map<std::string, std::size_t> entryByFoldedKey;
  };
  const Section* FindSection(std::string_view name) const;
  // The section that a header of this name opens, or nullopt when its lines are ignored.
  std::optional<std::size_t> OpenSection(std::string_view name);
  void AddEntry(std::size_t section, std::string_view key, std::optional<std::string> value);

  std::vector<Section> m_sections;
  std::unordered_map<std::string, std::size_t> m_sectionByFoldedName;
};

// Builds the text of a whole INI file in the order it is written, with CRLF line ends and
// an empty line before every section header but the first. Equal calls give equal text.
//
// Every value written reads back identical through IniFile::Parse: a value with a blank at
// either end, or one enclosed in a matching quote pair, is wrapped in one more pair of double
// quotes. The one loss: CR and LF inside a value are written as spaces.
//
// Names are written as given; callers clean them where they are made. Names that do not read
// back: any name with a blank at either end or a CR or LF inside; a key containing "=", or
// starting with ";", or starting with "[" when its line holds a "]" (it reads as a header).
// Of names equal without regard to case, only the first written is found again.
class IniWriter {
 public:
  void Section(std::string_view name);
  void Write(std::string_view key, std::string_view value);
  void WriteInt(std::string_view key, int64_t value);
  void WriteBool(std::string_view key, bool value);

  const std::string& Text() const { return m_text; }

 private:
  std::string m_text;
};

}  // namespace tarnwick
