#pragma once

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "model/Font.h"

namespace tarnwick {

// The captions and messages of the options window, the context menu and the add-special
// dialog, by their language-file key. Until a language file replaces them, every text is the
// English one of the table in LanguageTexts.cpp.
class LanguageTexts {
 public:
  // What a language file that lacks a key leaves: the text shown now (a caption keeps the
  // previous file's), or the English original.
  enum class Kind { Current, Fixed };
  struct Entry {
    std::string_view key;
    std::string_view english;
    Kind kind;
  };
  // Every key, in the order a language file is read.
  static std::span<const Entry> Entries();

  // The text of a key: the replacement if there is one, else the English default (empty for
  // a key the table does not know).
  const std::string& Text(std::string_view key) const;
  void Set(std::string_view key, std::string text);
  // Back to English.
  void Clear() { m_replaced.clear(); }

  static std::string_view English(std::string_view key);

  // The typeface of these windows; the design font until a language file names another.
  FontSpec Font;

 private:
  std::unordered_map<std::string, std::string> m_replaced;
};

}  // namespace tarnwick
