#include "storage/IniFile.h"

#include <utility>

#include "model/Numbers.h"

namespace tarnwick {

namespace {

// The profile functions treat every ASCII white-space character as a blank; LF never
// reaches here because it ends the line.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string Fold(std::string_view name) {
  std::string folded(Trim(name));
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool IsEnclosedInQuotes(std::string_view value) {
  return value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
}

std::string UnquotedValue(std::string_view value) {
  if (IsEnclosedInQuotes(value)) value = value.substr(1, value.size() - 2);
  return std::string(value);
}

// Splits text into lines at LF. Once no LF is left, the rest is split at CR, as the profile
// functions do, so that files with old Mac line ends still read line by line.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : m_rest(text) {}

  std::optional<std::string_view> Next() {
    if (m_rest.empty()) return std::nullopt;
    std::size_t end = m_splitAtCr ? std::string_view::npos : m_rest.find('\n');
    if (end == std::string_view::npos) {
      m_splitAtCr = true;
      end = m_rest.find('\r');
    }
    if (end == std::string_view::npos) end = m_rest.size();
    const std::string_view line = m_rest.substr(0, end);
    m_rest.remove_prefix(end == m_rest.size() ? end : end + 1);
    return line;
  }

 private:
  std::string_view m_rest;
  bool m_splitAtCr = false;
};

}  // namespace

IniFile IniFile::Parse(std::string_view utf8Text) {
  // A mark left in front of the text would hide the first header.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (utf8Text.starts_with(kByteOrderMark)) utf8Text.remove_prefix(kByteOrderMark.size());
  IniFile file;
  std::optional<std::size_t> current;
  LineReader reader(utf8Text);
  while (const std::optional<std::string_view> rawLine = reader.Next()) {
    const std::string_view line = Trim(*rawLine);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::size_t close = line.rfind(']');
      if (close != std::string_view::npos) {
        current = file.OpenSection(Trim(line.substr(1, close - 1)));
        continue;
      }
      // Without any "]" the line is not a header; it reads as an ordinary line.
    }
    if (!current) continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      file.AddEntry(*current, line, std::nullopt);
    } else {
      file.AddEntry(*current, Trim(line.substr(0, equals)),
                    UnquotedValue(Trim(line.substr(equals + 1))));
    }
  }
  return file;
}

std::optional<std::size_t> IniFile::OpenSection(std::string_view name) {
  // A repeated header opens nothing: its lines are dropped rather than merged.
  const auto [it, inserted] = m_sectionByFoldedName.try_emplace(Fold(name), m_sections.size());
  if (!inserted) return std::nullopt;
  m_sections.push_back(Section{std::string(name), {}, {}});
  return it->second;
}

void IniFile::AddEntry(std::size_t section, std::string_view key,
                       std::optional<std::string> value) {
  Section& target = m_sections[section];
  const auto [it, inserted] = target.entryByFoldedKey.try_emplace(Fold(key), target.entries.size());
  if (!inserted) return;
  target.entries.push_back(Entry{std::string(key), std::move(value)});
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  const auto it = m_sectionByFoldedName.find(Fold(name));
  return it == m_sectionByFoldedName.end() ? nullptr : &m_sections[it->second];
}

std::vector<std::string> IniFile::SectionNames() const {
  std::vector<std::string> names;
  names.reserve(m_sections.size());
  for (const Section& section : m_sections) names.push_back(section.name);
  return names;
}

std::vector<std::string> IniFile::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  if (const Section* found = FindSection(section)) {
    names.reserve(found->entries.size());
    for (const Entry& entry : found->entries) names.push_back(entry.key);
  }
  return names;
}

bool IniFile::HasSection(std::string_view section) const { return FindSection(section) != nullptr; }

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (!found) return std::nullopt;
  const auto it = found->entryByFoldedKey.find(Fold(key));
  if (it == found->entryByFoldedKey.end()) return std::nullopt;
  return found->entries[it->second].value;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  std::optional<std::string> value = Find(section, key);
  return value ? std::move(*value) : std::string(fallback);
}

int32_t IniFile::ReadInt(std::string_view section, std::string_view key, int32_t fallback) const {
  const std::optional<std::string> value = Find(section, key);
  return value ? IntOr(*value, fallback, /*allowHex=*/true) : fallback;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInt(section, key, fallback ? 1 : 0) != 0;
}

void IniWriter::Section(std::string_view name) {
  if (!m_text.empty()) m_text += "\r\n";
  m_text += '[';
  m_text += name;
  m_text += "]\r\n";
}

void IniWriter::Write(std::string_view key, std::string_view value) {
  std::string line(key);
  line += '=';
  std::string text(value);
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  // The reader trims blanks and strips one quote pair; an extra pair protects both.
  const bool needsQuotes = !text.empty() && (IsBlank(text.front()) || IsBlank(text.back()) ||
                                             IsEnclosedInQuotes(text));
  if (needsQuotes) {
    line += '"';
    line += text;
    line += '"';
  } else {
    line += text;
  }
  m_text += line;
  m_text += "\r\n";
}

void IniWriter::WriteInt(std::string_view key, int64_t value) { Write(key, IntToText(value)); }

void IniWriter::WriteBool(std::string_view key, bool value) { Write(key, value ? "1" : "0"); }

}  // namespace tarnwick
