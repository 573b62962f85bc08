#pragma once

#include <string>

#include "storage/IniFile.h"
#include "ui/LanguageTexts.h"

namespace tarnwick {

inline constexpr const char* kLanguageFileName = "Language.ini";

// The language file in use: the one the "Language" setting names, else Language.ini beside
// the executable.
std::string LanguageFilePath(const std::string& languageSetting, const std::string& executableFolder);

// Reads section [Language] of a language file into the texts, key by key in their order: a
// key the file has replaces the text; a key it lacks leaves a caption as it is and brings a
// message or command text back to English. "Font" and "Size" give the typeface of the windows
// (a missing or non-numeric one leaves the current one). A missing file reads as empty.
void LoadLanguage(const IniFile& file, LanguageTexts& texts);

}  // namespace tarnwick
