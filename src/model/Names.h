#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace tarnwick {

// A set of names compared without regard to case, counting duplicates so that removing one
// of two equal names keeps the other.
class NameSet {
 public:
  void Add(std::string_view name);
  void Remove(std::string_view name);
  bool Contains(std::string_view name) const;

 private:
  // Names are looked up as given, without making folded copies.
  struct FoldedHash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const;
  };
  struct FoldedEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };
  std::unordered_map<std::string, int, FoldedHash, FoldedEqual> m_counts;
};

// The section names the program writes itself; no item or menu may take one of them.
bool IsReservedSectionName(std::string_view name);

// A name that clashes (without regard to case) with an existing one or with a reserved
// section name gets " (n)" with the smallest free n from 2; any other name is returned as is.
std::string MakeUniqueDescription(std::string_view name, const NameSet& existing);

// The display form of a description: with hideDupNo, a trailing " (n)" is dropped.
std::string StripDuplicateNumber(std::string_view text, bool hideDupNo);

// Names end up as INI section names (item descriptions) and keys (menu names). These remove
// what a file cannot carry back: control characters (line breaks) and blanks at either end;
// for keys also "=" (it would end the key) and a leading ";" or "[" (comment, header).
std::string CleanSectionName(std::string_view name);
std::string CleanKeyName(std::string_view name);

}  // namespace tarnwick
