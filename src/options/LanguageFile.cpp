#include "options/LanguageFile.h"

namespace tarnwick {

namespace {
constexpr const char* kSection = "Language";
}

std::string LanguageFilePath(const std::string& languageSetting, const std::string& executableFolder) {
  return languageSetting.empty() ? executableFolder + kLanguageFileName : languageSetting;
}

void LoadLanguage(const IniFile& file, LanguageTexts& texts) {
  const IniSection section = file.Section(kSection);
  texts.Font.Face = section.ReadString("Font", texts.Font.Face);
  const int size = section.ReadInt("Size", texts.Font.Size);
  // A size the windows cannot be drawn in is no size.
  if (size > 0) texts.Font.Size = size;
  for (const LanguageTexts::Entry& entry : LanguageTexts::Entries()) {
    if (const std::optional<std::string> text = section.Find(entry.key)) {
      texts.Set(entry.key, *text);
    } else if (entry.kind == LanguageTexts::Kind::Fixed) {
      texts.Set(entry.key, std::string(entry.english));
    }
  }
}

}  // namespace tarnwick
