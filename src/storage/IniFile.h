#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnwick {

class IniSection;

// An INI document parsed once into memory; every read is answered from memory.
// Text is UTF-8 (see TextEncoding.h for the bytes of a file); any bytes parse without error.
//
// Hand-edited files read as the Windows profile functions read them:
// - A leading UTF-8 byte-order mark is skipped.
// - Lines end at LF, at CR, or at both together.
// - Blanks (space, tab, VT, FF) around names and values are ignored.
// - A line whose first non-blank character is ";" is a comment.
// - "[" up to the LAST "]" on the line is a section header; text after that "]" is ignored
//   and the name is trimmed. A "[" line without any "]" is not a header but an ordinary line.
// - Lines before the first header belong to no section and are ignored.
// - In a section, the key is the text before the first "=" and the value the rest, both
//   trimmed; a value enclosed in one matching pair of double or single quotes loses that
//   pair (a lone quote character stays).
// - A line without "=" is a key without a value: Find gives nullopt for it and every read its
//   fallback, and it hides later lines of the same key; KeyNames does not list it.
// - Names match without regard to case (ASCII letters only; other bytes compare exactly),
//   and the names asked for are trimmed the same way as the file's.
// - Duplicates: the first section of a name is the only one; a later header of the same
//   name is ignored together with its lines (they are not merged into the first). Within a
//   section the first line of a key wins and later ones are ignored.
// Where we differ on purpose (each is shown against the profile functions by a Wine test):
// - SectionNames and KeyNames list each name once, at its first place, where the profile
//   functions repeat every duplicate although only the first can be read.
// - Lines before the first header are no section; a section with an empty name ("[]") reads
//   like any other, since our writer can produce one. The profile functions give those lines
//   a nameless section that hides "[]".
// - A comment is never a key; the profile functions find one asked for by its text (";k").
// - Bytes are kept as they are: a NUL does not end a value, and values have no length limit.
//
// Parsing is linear in the size of the text (read up to 4 GiB). Reads of small sections scan them; sections of
// many keys get an index, so every read costs about the same whatever the file's size.
// Copies share the parsed text and are cheap.
class IniFile {
 public:
  IniFile();
  static IniFile Parse(std::string_view utf8Text);
  static IniFile Parse(std::string&& utf8Text);  // takes the text over instead of copying it
  static IniFile Parse(const char* utf8Text);

  std::vector<std::string> SectionNames() const;
  // Every section, once each, in file order.
  std::vector<IniSection> Sections() const;
  // The section of this name; one that reads as empty when there is none.
  IniSection Section(std::string_view name) const;
  std::vector<std::string> KeyNames(std::string_view section) const;
  bool HasSection(std::string_view section) const;

  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // Integers: decimal, or hexadecimal after "0x"/"0X"; anything else gives the fallback.
  int32_t ReadInt(std::string_view section, std::string_view key, int32_t fallback) const;
  // Booleans are read as integers: non-zero is true.
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

  struct Document;

 private:
  explicit IniFile(std::shared_ptr<const Document> document);
  std::shared_ptr<const Document> m_document;
};

// One section of a parsed IniFile, valid while that file (or a copy of it) lives. Reads
// through it skip the section lookup. A default-constructed one is a missing section.
class IniSection {
 public:
  IniSection() = default;

  bool Exists() const { return m_document != nullptr; }
  std::string_view Name() const;
  std::vector<std::string> KeyNames() const;

  // The value as a view into the file's text; nullopt when the key is missing or has no "=".
  std::optional<std::string_view> FindView(std::string_view key) const;
  std::optional<std::string> Find(std::string_view key) const;
  std::string ReadString(std::string_view key, std::string_view fallback) const;
  int32_t ReadInt(std::string_view key, int32_t fallback) const;
  bool ReadBool(std::string_view key, bool fallback) const;

 private:
  friend class IniFile;
  IniSection(const IniFile::Document* document, uint32_t index) : m_document(document), m_index(index) {}

  const IniFile::Document* m_document = nullptr;
  uint32_t m_index = 0;
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
  // The text, handed over; the writer is empty afterwards.
  std::string TakeText() { return std::move(m_text); }

 private:
  std::string m_text;
};

}  // namespace tarnwick
