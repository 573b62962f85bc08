#include "model/Names.h"

#include <algorithm>
#include <array>

#include "model/Numbers.h"
#include "model/Text.h"

namespace tarnwick {

size_t NameSet::FoldedHash::operator()(std::string_view name) const {
  size_t hash = 14695981039346656037ULL;
  for (char c : name) {
    hash ^= static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    hash *= 1099511628211ULL;
  }
  return hash;
}

bool NameSet::FoldedEqual::operator()(std::string_view a, std::string_view b) const {
  return EqualsIgnoreCase(a, b);
}

void NameSet::Add(std::string_view name) {
  const auto it = m_counts.find(name);
  if (it != m_counts.end()) {
    ++it->second;
  } else {
    m_counts.emplace(std::string(name), 1);
  }
}

void NameSet::Remove(std::string_view name) {
  const auto it = m_counts.find(name);
  if (it != m_counts.end() && --it->second == 0) m_counts.erase(it);
}

bool NameSet::Contains(std::string_view name) const { return m_counts.find(name) != m_counts.end(); }

bool IsReservedSectionName(std::string_view name) {
  static constexpr std::array<std::string_view, 6> kReserved = {
      "setting", "menu", "menu column", "menu row", "popup enabled", "popup"};
  for (std::string_view reserved : kReserved) {
    if (EqualsIgnoreCase(name, reserved)) return true;
  }
  return false;
}

std::string MakeUniqueDescription(std::string_view name, const NameSet& existing) {
  if (!existing.Contains(name) && !IsReservedSectionName(name)) return std::string(name);
  for (int n = 2;; ++n) {
    std::string candidate = std::string(name) + " (" + std::to_string(n) + ")";
    if (!existing.Contains(candidate)) return candidate;
  }
}

std::string StripDuplicateNumber(std::string_view text, bool hideDupNo) {
  if (!hideDupNo) return std::string(text);
  const size_t open = text.rfind('(');
  // The "(" must stand at the third character or later, after a blank, and the text must
  // end with ")" around a number.
  if (open == std::string_view::npos || open < 2 || text[open - 1] != ' ' || text.back() != ')') {
    return std::string(text);
  }
  const auto number = ParseInt(text.substr(open + 1, text.size() - open - 2));
  if (!number || *number == -1) return std::string(text);
  return std::string(text.substr(0, open - 1));
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string WithoutControls(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) {
      if (c == '\t') out += ' ';
      continue;
    }
    out += c;
  }
  return out;
}

std::string Trim(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

}  // namespace

std::string CleanSectionName(std::string_view name) {
  // Names from a file are clean already; they are copied as they are.
  const bool clean = std::none_of(name.begin(), name.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
  });
  if (clean && (name.empty() || (!IsBlank(name.front()) && !IsBlank(name.back())))) return std::string(name);
  return Trim(WithoutControls(name));
}

std::string CleanKeyName(std::string_view name) {
  std::string text = WithoutControls(name);
  for (char& c : text) {
    if (c == '=') c = '-';
  }
  text = Trim(text);
  while (!text.empty() && (text.front() == ';' || text.front() == '[')) text = Trim(text.substr(1));
  return text;
}

}  // namespace tarnwick
