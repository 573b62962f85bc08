#include "storage/IniFile.h"

#include <algorithm>
#include <utility>

#include "model/Numbers.h"

namespace tarnwick {

namespace {

// The profile functions treat every ASCII white-space character as a blank; CR and LF never
// reach here inside a line because they end it, but the writer checks values with this too.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }
bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char FoldChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualFolded(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldChar(a[i]) != FoldChar(b[i])) return false;
  }
  return true;
}

// FNV-1a over the folded bytes, so names equal without regard to case hash alike.
uint32_t HashFolded(std::string_view name) {
  uint64_t hash = 14695981039346656037ULL;
  for (char c : name) {
    hash ^= static_cast<unsigned char>(FoldChar(c));
    hash *= 1099511628211ULL;
  }
  return static_cast<uint32_t>(hash ^ (hash >> 32));
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool IsEnclosedInQuotes(std::string_view value) {
  return value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
}

std::string_view Unquoted(std::string_view value) {
  return IsEnclosedInQuotes(value) ? value.substr(1, value.size() - 2) : value;
}

// Sections with more keys than this get an index; smaller ones are scanned, which is faster
// than hashing for the dozen keys of an item.
constexpr uint32_t kScanLimit = 24;

}  // namespace

// Open-addressing table from a hash to a number (a section or an entry); the caller says which
// stored numbers match, since different names may share a hash.
class IniNumberIndex {
 public:
  template <typename Matches>
  std::optional<uint32_t> Find(uint32_t hash, Matches matches) const {
    if (m_slots.empty()) return std::nullopt;
    const size_t mask = m_slots.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
      const Slot& slot = m_slots[at];
      if (slot.numberPlusOne == 0) return std::nullopt;
      if (slot.hash == hash && matches(slot.numberPlusOne - 1)) return slot.numberPlusOne - 1;
    }
  }

  // Stores number unless a matching one is there; returns the number stored for the name.
  template <typename Matches>
  uint32_t Insert(uint32_t hash, uint32_t number, Matches matches) {
    if (const std::optional<uint32_t> existing = Find(hash, matches)) return *existing;
    if ((m_count + 1) * 2 > m_slots.size()) Grow();
    Place(Slot{hash, number + 1});
    ++m_count;
    return number;
  }

 private:
  struct Slot {
    uint32_t hash;
    uint32_t numberPlusOne;  // 0: empty
  };

  void Place(Slot slot) {
    const size_t mask = m_slots.size() - 1;
    size_t at = slot.hash & mask;
    while (m_slots[at].numberPlusOne != 0) at = (at + 1) & mask;
    m_slots[at] = slot;
  }

  void Grow() {
    std::vector<Slot> old(m_slots.empty() ? 16 : m_slots.size() * 2);
    old.swap(m_slots);
    for (const Slot& slot : old) {
      if (slot.numberPlusOne != 0) Place(slot);
    }
  }

  std::vector<Slot> m_slots;
  size_t m_count = 0;
};

// A piece of the document's text. Offsets keep entries small (the text is capped at 4 GiB).
struct IniTextSpan {
  uint32_t offset = 0;
  uint32_t length = 0;
};

// The parsed file: its text, and spans of it.
struct IniFile::Document {
  struct Entry {
    IniTextSpan key;
    IniTextSpan value;
    uint32_t keyHash;  // HashFolded(key): a scan compares names only when these agree
    bool hasValue;     // false for a line without "="
  };
  struct SectionRecord {
    IniTextSpan name;
    uint32_t begin;  // its entries: [begin, end) of `entries`
    uint32_t end;
    bool indexed;  // its entries are in keyIndex
  };

  std::string text;
  std::vector<Entry> entries;
  std::vector<SectionRecord> sections;
  IniNumberIndex sectionIndex;
  IniNumberIndex keyIndex;

  std::string_view View(IniTextSpan span) const { return std::string_view(text).substr(span.offset, span.length); }
  IniTextSpan Span(std::string_view part) const {
    return {static_cast<uint32_t>(part.data() - text.data()), static_cast<uint32_t>(part.size())};
  }
  std::string_view Key(uint32_t entry) const { return View(entries[entry].key); }
  std::string_view SectionName(uint32_t section) const { return View(sections[section].name); }

  std::optional<uint32_t> FindSection(std::string_view name) const {
    return sectionIndex.Find(HashFolded(name), [&](uint32_t n) { return EqualFolded(SectionName(n), name); });
  }

  // The first line of this key in the section, with or without a value.
  const Entry* FindEntry(uint32_t section, std::string_view key) const {
    const SectionRecord& record = sections[section];
    const uint32_t hash = HashFolded(key);
    if (!record.indexed) {
      for (uint32_t n = record.begin; n < record.end; ++n) {
        if (entries[n].keyHash == hash && EqualFolded(Key(n), key)) return &entries[n];
      }
      return nullptr;
    }
    const std::optional<uint32_t> found = keyIndex.Find(KeyIndexHash(hash, section), [&](uint32_t n) {
      return n >= record.begin && n < record.end && EqualFolded(Key(n), key);
    });
    return found ? &entries[*found] : nullptr;
  }

  // Equal keys of different sections land apart in keyIndex.
  static uint32_t KeyIndexHash(uint32_t keyHash, uint32_t section) {
    return keyHash ^ ((section + 1) * 0x9E3779B9U);
  }
};

namespace {

// Turns lines into the document's sections and entries.
class DocumentBuilder {
 public:
  explicit DocumentBuilder(IniFile::Document& document) : m_document(document) {}

  void AddLine(std::string_view line) {
    if (line.empty() || line.front() == ';') return;
    if (line.front() == '[') {
      const size_t close = line.rfind(']');
      if (close != std::string_view::npos) {
        OpenSection(Trim(line.substr(1, close - 1)));
        return;
      }
      // Without any "]" the line is not a header; it reads as an ordinary line.
    }
    if (!m_open) return;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      m_document.entries.push_back({m_document.Span(line), {}, HashFolded(line), false});
    } else {
      const std::string_view key = Trim(line.substr(0, equals));
      m_document.entries.push_back({m_document.Span(key), m_document.Span(Unquoted(Trim(line.substr(equals + 1)))),
                                    HashFolded(key), true});
    }
  }

  void Finish() { CloseSection(); }

 private:
  void OpenSection(std::string_view name) {
    CloseSection();
    const auto number = static_cast<uint32_t>(m_document.sections.size());
    const uint32_t stored = m_document.sectionIndex.Insert(
        HashFolded(name), number, [&](uint32_t n) { return EqualFolded(m_document.SectionName(n), name); });
    // A repeated header opens nothing: its lines are dropped rather than merged.
    m_open = stored == number;
    if (!m_open) return;
    const auto begin = static_cast<uint32_t>(m_document.entries.size());
    m_document.sections.push_back({m_document.Span(name), begin, begin, false});
  }

  void CloseSection() {
    if (!m_open) return;
    m_open = false;
    const auto number = static_cast<uint32_t>(m_document.sections.size() - 1);
    IniFile::Document::SectionRecord& record = m_document.sections.back();
    record.end = static_cast<uint32_t>(m_document.entries.size());
    if (record.end - record.begin <= kScanLimit) return;
    record.indexed = true;
    for (uint32_t n = record.begin; n < record.end; ++n) {
      const std::string_view key = m_document.Key(n);
      const uint32_t hash = IniFile::Document::KeyIndexHash(m_document.entries[n].keyHash, number);
      m_document.keyIndex.Insert(hash, n, [&](uint32_t stored) {
        return stored >= record.begin && EqualFolded(m_document.Key(stored), key);
      });
    }
  }

  IniFile::Document& m_document;
  bool m_open = false;
};

// Lines end at LF or CR. The next of each is remembered, so that a file using only one of
// them is not searched for the other again at every line.
class LineSplitter {
 public:
  explicit LineSplitter(std::string_view text) : m_text(text), m_nextLf(Find('\n')), m_nextCr(Find('\r')) {}

  std::optional<std::string_view> Next() {
    if (m_pos >= m_text.size()) return std::nullopt;
    if (m_nextLf < m_pos) m_nextLf = Find('\n');
    if (m_nextCr < m_pos) m_nextCr = Find('\r');
    const size_t end = std::min(m_nextLf, m_nextCr);
    const std::string_view line = m_text.substr(m_pos, end - m_pos);
    m_pos = end + 1;
    return line;
  }

 private:
  size_t Find(char c) const {
    const size_t at = m_text.find(c, m_pos);
    return at == std::string_view::npos ? m_text.size() : at;
  }

  std::string_view m_text;
  size_t m_pos = 0;
  size_t m_nextLf;  // position of the next LF at or after m_pos, or the text's size
  size_t m_nextCr;
};

// LF line ends, or CR ones in a file without any LF.
size_t CountLines(std::string_view text) {
  const char end = text.find('\n') != std::string_view::npos ? '\n' : '\r';
  size_t count = 1;
  for (size_t at = text.find(end); at != std::string_view::npos; at = text.find(end, at + 1)) ++count;
  return count;
}

// Beyond this the text is not read; no configuration file comes near it.
constexpr size_t kMaxTextSize = UINT32_MAX;

}  // namespace

IniFile::IniFile() = default;

IniFile::IniFile(std::shared_ptr<const Document> document) : m_document(std::move(document)) {}

IniFile IniFile::Parse(std::string_view utf8Text) { return Parse(std::string(utf8Text)); }

IniFile IniFile::Parse(const char* utf8Text) { return Parse(std::string(utf8Text)); }

IniFile IniFile::Parse(std::string&& utf8Text) {
  auto document = std::make_shared<Document>();
  document->text = std::move(utf8Text);
  std::string& text = document->text;
  // A mark left in front of the text would hide the first header.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.starts_with(kByteOrderMark)) text.erase(0, kByteOrderMark.size());
  if (text.size() > kMaxTextSize) text.resize(kMaxTextSize);

  // Most lines are entries: room for one per line spares the vector its regrowth, whose
  // copies and fresh pages cost more than this count.
  document->entries.reserve(CountLines(text));
  DocumentBuilder builder(*document);
  LineSplitter lines(text);
  while (const std::optional<std::string_view> line = lines.Next()) builder.AddLine(Trim(*line));
  builder.Finish();
  return IniFile(std::move(document));
}

std::vector<std::string> IniFile::SectionNames() const {
  std::vector<std::string> names;
  if (!m_document) return names;
  names.reserve(m_document->sections.size());
  for (uint32_t n = 0; n < m_document->sections.size(); ++n) names.emplace_back(m_document->SectionName(n));
  return names;
}

std::vector<IniSection> IniFile::Sections() const {
  std::vector<IniSection> sections;
  if (!m_document) return sections;
  sections.reserve(m_document->sections.size());
  for (uint32_t n = 0; n < m_document->sections.size(); ++n) sections.push_back(IniSection(m_document.get(), n));
  return sections;
}

IniSection IniFile::Section(std::string_view name) const {
  if (!m_document) return {};
  const std::optional<uint32_t> found = m_document->FindSection(Trim(name));
  return found ? IniSection(m_document.get(), *found) : IniSection();
}

std::vector<std::string> IniFile::KeyNames(std::string_view section) const { return Section(section).KeyNames(); }

bool IniFile::HasSection(std::string_view section) const { return Section(section).Exists(); }

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
  return Section(section).Find(key);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  return Section(section).ReadString(key, fallback);
}

int32_t IniFile::ReadInt(std::string_view section, std::string_view key, int32_t fallback) const {
  return Section(section).ReadInt(key, fallback);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return Section(section).ReadBool(key, fallback);
}

std::string_view IniSection::Name() const {
  return m_document ? m_document->SectionName(m_index) : std::string_view();
}

std::vector<std::string> IniSection::KeyNames() const {
  std::vector<std::string> names;
  if (!m_document) return names;
  const IniFile::Document::SectionRecord& record = m_document->sections[m_index];
  const auto& entries = m_document->entries;
  // Each name once, at its first line with a value.
  IniNumberIndex listed;
  for (uint32_t n = record.begin; n < record.end; ++n) {
    if (!entries[n].hasValue) continue;
    const std::string_view key = m_document->Key(n);
    const uint32_t stored = listed.Insert(entries[n].keyHash, n, [&](uint32_t other) {
      return EqualFolded(m_document->Key(other), key);
    });
    if (stored == n) names.emplace_back(key);
  }
  return names;
}

std::optional<std::string_view> IniSection::FindView(std::string_view key) const {
  if (!m_document) return std::nullopt;
  const IniFile::Document::Entry* entry = m_document->FindEntry(m_index, Trim(key));
  if (entry == nullptr || !entry->hasValue) return std::nullopt;
  return m_document->View(entry->value);
}

std::optional<std::string> IniSection::Find(std::string_view key) const {
  const std::optional<std::string_view> value = FindView(key);
  if (!value) return std::nullopt;
  return std::string(*value);
}

std::string IniSection::ReadString(std::string_view key, std::string_view fallback) const {
  return std::string(FindView(key).value_or(fallback));
}

int32_t IniSection::ReadInt(std::string_view key, int32_t fallback) const {
  const std::optional<std::string_view> value = FindView(key);
  return value ? IntOr(*value, fallback, /*allowHex=*/true) : fallback;
}

bool IniSection::ReadBool(std::string_view key, bool fallback) const {
  return ReadInt(key, fallback ? 1 : 0) != 0;
}

void IniWriter::Section(std::string_view name) {
  if (!m_text.empty()) m_text += "\r\n";
  m_text += '[';
  m_text += name;
  m_text += "]\r\n";
}

void IniWriter::Write(std::string_view key, std::string_view value) {
  m_text += key;
  m_text += '=';
  // The reader trims blanks and strips one quote pair; an extra pair protects both. Line
  // breaks become spaces, so they count as blanks here.
  const auto blankOrBreak = [](char c) { return IsBlank(c) || IsLineEnd(c); };
  const bool needsQuotes = !value.empty() && (blankOrBreak(value.front()) || blankOrBreak(value.back()) ||
                                              IsEnclosedInQuotes(value));
  if (needsQuotes) m_text += '"';
  const size_t start = m_text.size();
  m_text += value;
  for (size_t i = start; i < m_text.size(); ++i) {
    if (IsLineEnd(m_text[i])) m_text[i] = ' ';
  }
  if (needsQuotes) m_text += '"';
  m_text += "\r\n";
}

void IniWriter::WriteInt(std::string_view key, int64_t value) { Write(key, IntToText(value)); }

void IniWriter::WriteBool(std::string_view key, bool value) { Write(key, value ? "1" : "0"); }

}  // namespace tarnwick
