// Arbitrary bytes as a Tarnwick.ini: decoded, parsed, loaded by both menu loaders and saved.
// Nothing may crash, hang or touch memory out of bounds (the build adds ASan and UBSan), and
// once a file has been saved by us, loading and saving it again gives the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fakes/Cp1252CodePage.h"
#include "app/Session.h"
#include "fakes/QuietItemServices.h"
#include "model/ItemTable.h"
#include "storage/Configuration.h"
#include "storage/TextEncoding.h"

namespace tarnwick {
namespace {

// Start-up followed by a save, through the program's own session.
std::string LoadAndSave(std::string_view bytes, const AnsiCodePage& ansi) {
  static fakes::QuietPlatform quiet(ansi);
  fakes::AcceptingHotkeys hotkeys;
  Session session(quiet.platform, hotkeys);
  session.LoadBytes(bytes);
  return session.SavedBytes();
}

// The loader the file does not ask for, on a table of its own, so that both loaders see
// every input.
void LoadWithBothLoaders(std::string_view bytes, const AnsiCodePage& ansi) {
  const IniFile file = IniFile::Parse(DecodeTextFile(bytes, ansi));
  Settings settings;
  LoadSettings(file, FontSpec{}, settings);
  const MenuList menus = ReadMenuList(file);
  for (const bool legacy : {false, true}) {
    fakes::CountingIcons icons;
    fakes::AcceptingHotkeys hotkeys;
    ItemTable table(menus, icons, hotkeys);
    if (legacy) {
      LoadLegacyMenus(file, table, settings.Text);
    } else {
      LoadMenus(file, table, menus, settings.Text);
    }
    EncodeTextFile(ConfigurationText(settings, menus, table), ansi);
  }
}

void Check(bool condition, const char* what, std::string_view a, std::string_view b) {
  if (condition) return;
  std::fprintf(stderr, "%s\n--- first (%zu bytes):\n%.*s\n--- second (%zu bytes):\n%.*s\n", what, a.size(),
               static_cast<int>(a.size()), a.data(), b.size(), static_cast<int>(b.size()), b.data());
  std::abort();
}

}  // namespace
}  // namespace tarnwick

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarnwick;
  static const fakes::Cp1252CodePage ansi;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  LoadWithBothLoaders(bytes, ansi);
  const std::string first = LoadAndSave(bytes, ansi);
  const std::string second = LoadAndSave(first, ansi);
  const std::string third = LoadAndSave(second, ansi);
  Check(second == third, "a saved file changes when loaded and saved again", second, third);
  return 0;
}
