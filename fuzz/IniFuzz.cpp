// Arbitrary text through the INI reader and writer: whatever the reader makes of it, the
// writer must put down so that it reads back the same, and writing that again changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/IniFile.h"

namespace tarnwick {
namespace {

// Every section, and every key that has a value, in listing order.
std::string Rewrite(const IniFile& file) {
  IniWriter writer;
  for (const IniSection& section : file.Sections()) {
    writer.Section(section.Name());
    for (const std::string& key : section.KeyNames()) {
      if (const std::optional<std::string_view> value = section.FindView(key)) writer.Write(key, *value);
    }
  }
  return writer.Text();
}

[[noreturn]] void Fail(const char* what, std::string_view detail) {
  std::fprintf(stderr, "%s: %.*s\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}

void CheckSameContent(const IniFile& original, const IniFile& reread) {
  if (original.SectionNames() != reread.SectionNames()) Fail("section names differ", "");
  for (const IniSection& section : original.Sections()) {
    const IniSection again = reread.Section(section.Name());
    if (!again.Exists()) Fail("section lost", section.Name());
    std::vector<std::string> readableKeys;
    for (const std::string& key : section.KeyNames()) {
      std::optional<std::string_view> value = section.FindView(key);
      if (!value) continue;  // hidden by an earlier line without "=": not written
      readableKeys.push_back(key);
      std::string expected(*value);
      // Line breaks cannot be inside a parsed value; the writer's one loss never applies.
      if (again.Find(key) != expected) Fail("value differs", key);
    }
    if (again.KeyNames() != readableKeys) Fail("key names differ", section.Name());
  }
}

}  // namespace
}  // namespace tarnwick

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarnwick;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const IniFile original = IniFile::Parse(text);
  const std::string written = Rewrite(original);
  const IniFile reread = IniFile::Parse(written);
  CheckSameContent(original, reread);
  if (Rewrite(reread) != written) Fail("writing a read file again changes it", written);
  return 0;
}
