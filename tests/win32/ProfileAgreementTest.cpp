// Our INI reader against the Windows profile functions, on hand-edit-style files: every
// section and key must read the same through IniFile and through GetPrivateProfileStringW,
// and the listings must come in the same order. The differences we chose are tests of their
// own at the end, each named for what differs.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/win32/Unicode.h"
#include "platform/win32/Win32AnsiCodePage.h"
#include "storage/IniFile.h"
#include "storage/TextEncoding.h"

namespace tarnwick {
namespace {

using namespace std::string_literals;

// Returned for a missing key; no file of the table contains it.
constexpr wchar_t kAbsent[] = L"\x01absent";

// One file on disk, read both ways.
class ProfileFile {
 public:
  explicit ProfileFile(const std::string& bytes) {
    wchar_t folder[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, folder);
    static int counter = 0;
    m_path = std::wstring(folder) + L"tarnwick-agreement-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(++counter) + L".ini";
    if (FILE* out = _wfopen(m_path.c_str(), L"wb")) {
      fwrite(bytes.data(), 1, bytes.size(), out);
      fclose(out);
    }
    // The profile functions keep recently read files; this file must be read afresh.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, m_path.c_str());
    m_ours = IniFile::Parse(DecodeTextFile(bytes, Win32AnsiCodePage()));
  }
  ~ProfileFile() { DeleteFileW(m_path.c_str()); }
  ProfileFile(const ProfileFile&) = delete;
  ProfileFile& operator=(const ProfileFile&) = delete;

  const IniFile& Ours() const { return m_ours; }

  // The value, or nullopt where the profile functions hand back the default.
  std::optional<std::string> ProfileValue(const std::string& section, const std::string& key) const {
    std::vector<wchar_t> value(200000);
    GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), kAbsent, value.data(),
                             static_cast<DWORD>(value.size()), m_path.c_str());
    if (std::wstring_view(value.data()) == kAbsent) return std::nullopt;
    return Narrow(value.data());
  }
  std::vector<std::string> ProfileSections() const {
    std::vector<wchar_t> names(200000);
    const DWORD length = GetPrivateProfileSectionNamesW(names.data(), static_cast<DWORD>(names.size()), m_path.c_str());
    return Split(names.data(), length);
  }
  std::vector<std::string> ProfileKeys(const std::string& section) const {
    std::vector<wchar_t> names(200000);
    const DWORD length = GetPrivateProfileStringW(Widen(section).c_str(), nullptr, L"", names.data(),
                                                  static_cast<DWORD>(names.size()), m_path.c_str());
    return Split(names.data(), length);
  }
  int ProfileInt(const std::string& section, const std::string& key, int fallback) const {
    return static_cast<int>(GetPrivateProfileIntW(Widen(section).c_str(), Widen(key).c_str(), fallback, m_path.c_str()));
  }

 private:
  // A list of names, each ended by a NUL; an empty name ends the list.
  static std::vector<std::string> Split(const wchar_t* names, DWORD length) {
    std::vector<std::string> list;
    for (const wchar_t* name = names; name < names + length && *name != L'\0'; name += wcslen(name) + 1) {
      list.push_back(Narrow(name));
    }
    return list;
  }

  std::wstring m_path;
  IniFile m_ours;
};

// Our listings name each section and key once, at its first place; the profile functions
// repeat duplicates, which only the first of can be read (see DuplicatesAreListedOnce).
std::vector<std::string> FirstOfEachName(const std::vector<std::string>& names) {
  std::vector<std::string> firsts;
  for (const std::string& name : names) {
    const bool seen = std::any_of(firsts.begin(), firsts.end(), [&](const std::string& other) {
      return CompareStringOrdinal(Widen(name).c_str(), -1, Widen(other).c_str(), -1, TRUE) == CSTR_EQUAL;
    });
    if (!seen) firsts.push_back(name);
  }
  return firsts;
}

struct AgreementCase {
  std::string name;
  std::string bytes;
  // Names to ask for besides the listed ones: other spellings, keys without "=", absent ones.
  std::vector<std::string> extraSections;
  std::vector<std::string> extraKeys;
};

std::ostream& operator<<(std::ostream& out, const AgreementCase& row) { return out << row.name; }

std::vector<AgreementCase> AgreementCases() {
  const std::string value3000(3000, 'x');
  std::string value70000;
  for (int i = 0; i < 7000; ++i) value70000 += "0123456789";
  return {
      {"CrLf", "[Setting]\r\nVersion=2.0\r\nAutosave=0\r\n[Menu]\r\nTarnwick=0\r\n", {}, {}},
      {"LfOnly", "[Setting]\nVersion=2.0\n[Menu]\nTarnwick=0\nWork=3\n", {}, {}},
      {"CrOnly", "[Setting]\rVersion=2.0\r[Menu]\rTarnwick=0\r", {}, {}},
      {"MixedLineEnds", "[A]\r\nk=1\nj=2\rl=3\r\r\nm=4", {}, {}},
      {"CrInsideALine", "[A]\nk=a\rb\nj=c\rd=e\n", {}, {"b"}},
      {"BlanksAroundNamesAndValues",
       "  [ My Menu ]  \r\n  New Menu  =  0  \r\n\tTab Key\t=\tv a l\t\r\n \v\fk\f=\v1\v\r\n", {" my menu "},
       {" new menu", "TAB KEY "}},
      {"BlanksInsideKept", "[A]\r\nBottom Right = a \t b\r\n", {}, {"bottom right"}},
      {"Comments", "; heading\r\n[A]\r\n;k=1\r\n  \t;j=2\r\nk=3\r\nv=a ; not a comment\r\n[B] ; after\r\nx=1\r\n",
       {}, {"j"}},
      {"UpperAndLowerCase", "[Popup Enabled]\r\nBottom Right=1\r\nTOP=0\r\n",
       {"popup enabled", "POPUP ENABLED"}, {"bottom right", "top", "Top"}},
      {"DuplicateKeys", "[A]\r\nk=1\r\nK=2\r\nk=3\r\nj=4\r\n", {}, {"K"}},
      {"DuplicateSections", "[A]\r\nk=1\r\n[B]\r\nk=2\r\n[a]\r\nk=3\r\nj=4\r\n[A]\r\nl=5\r\n", {"a"}, {"j", "l"}},
      {"QuotedValues",
       "[A]\r\na=\"  v  \"\r\nb='v'\r\nc= \"v\" \r\nd=\"v'\r\ne=\"\"v\"\"\r\nf=\"C:\\My Files\r\ng=12\"\r\n"
       "h=\"\r\ni=\"\"\r\nj=\"v\" ;c\r\nk=\"a\"b\"\r\nl='\"'\r\nm=\"\"\"\r\n",
       {}, {}},
      {"QuotedNames", "[\"A\"]\r\n\"k\"=1\r\n'k'=2\r\n", {"A"}, {"k"}},
      {"EmptyValues", "[A]\r\nk=\r\nj= \t \r\nl=\"\"\r\n", {}, {}},
      {"MissingEquals", "[A]\r\nk\r\nj=1\r\nk=2\r\n  l  \r\n[x\r\n[x=3\r\n", {}, {"k", "l", "[x"}},
      {"LinesBeforeTheFirstSection", "k=1\r\nj=0\r\n[A]\r\nj=2\r\n", {}, {"k"}},
      {"UnclosedAndOddHeaders", "[A\r\n]\r\nk=0\r\n[B]\r\n[C\r\nk=1\r\n[a]b]\r\nk=2\r\n[D]x\r\nk=3\r\n[\r\nj=4\r\n",
       {"A", "C", "a", "D]x"}, {"[C", "["}},
      {"EqualsAndSemicolonsInValues", "[A]\r\nk=a=b\r\nj==c\r\nl=;x\r\n", {}, {}},
      {"LongValues", "[A]\r\nk=" + value3000 + "\r\nj=" + value70000 + "\r\nl=1\r\n", {}, {}},
      {"HexNumbersAsText", "[A]\r\nk=0x10\r\nj=0X1F\r\nl=0x\r\nm=-0x1\r\n", {}, {}},
      {"Utf8WithMark", "\xEF\xBB\xBF[Men\xC3\xBC]\r\nk=\xE4\xB8\xAD\xE6\x96\x87\r\n", {"MEN\xC3\x9C"}, {}},
      {"Utf16WithMark", "\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0\xE9\0\r\0\n\0"s, {}, {}},
      {"AnsiCodePage", "[Caf\xE9]\r\nk=R\xE9sum\xE9\r\n", {}, {}},
  };
}

class ProfileAgreementTest : public testing::TestWithParam<AgreementCase> {};

TEST_P(ProfileAgreementTest, ReadsAndListsWhatTheProfileFunctionsDo) {
  const AgreementCase& row = GetParam();
  const ProfileFile file(row.bytes);
  const IniFile& ours = file.Ours();

  const std::vector<std::string> sections = FirstOfEachName(file.ProfileSections());
  EXPECT_EQ(ours.SectionNames(), sections);

  std::vector<std::string> askedKeys;
  for (const std::string& section : sections) {
    SCOPED_TRACE("[" + section + "]");
    const std::vector<std::string> keys = FirstOfEachName(file.ProfileKeys(section));
    EXPECT_EQ(ours.KeyNames(section), keys);
    askedKeys.insert(askedKeys.end(), keys.begin(), keys.end());
  }
  askedKeys.insert(askedKeys.end(), row.extraKeys.begin(), row.extraKeys.end());
  // Other spellings are asked for values only: Wine's key listing does not trim the section
  // name it is given, although its lookups do.
  std::vector<std::string> askedSections = sections;
  askedSections.insert(askedSections.end(), row.extraSections.begin(), row.extraSections.end());
  for (const std::string& section : askedSections) {
    for (const std::string& key : askedKeys) {
      EXPECT_EQ(ours.Find(section, key), file.ProfileValue(section, key)) << "[" << section << "] " << key;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(HandEditedFiles, ProfileAgreementTest, testing::ValuesIn(AgreementCases()),
                         [](const auto& info) { return info.param.name; });

// ---------------------------------------------------------------- where we differ on purpose

// Only the first of duplicate names can be read, so we list it once; the profile functions
// list every copy, which would give a program a second menu or item that reads as the first.
TEST(ProfileDifferenceTest, DuplicatesAreListedOnce) {
  const ProfileFile file("[A]\r\nk=1\r\nK=2\r\n[a]\r\nk=3\r\n");
  EXPECT_EQ(file.ProfileSections(), (std::vector<std::string>{"A", "a"}));
  EXPECT_EQ(file.ProfileKeys("A"), (std::vector<std::string>{"k", "K"}));
  EXPECT_EQ(file.Ours().SectionNames(), std::vector<std::string>{"A"});
  EXPECT_EQ(file.Ours().KeyNames("A"), std::vector<std::string>{"k"});
  EXPECT_EQ(file.ProfileValue("a", "K"), "1");
  EXPECT_EQ(file.Ours().Find("a", "K"), "1");
}

// The profile functions put the lines before the first header into a section without a name,
// which then hides a later "[]". We ignore those lines, as stray text at the top of a
// hand-edited file, and read "[]" like any section: our writer puts down an item whose
// description is empty that way and must find it again.
TEST(ProfileDifferenceTest, LinesBeforeTheFirstHeaderAreNoSection) {
  const ProfileFile file("k=1\r\n[]\r\nExec=a.exe\r\n[B]\r\n");
  EXPECT_EQ(file.ProfileValue("", "k"), "1");
  EXPECT_EQ(file.ProfileValue("", "Exec"), std::nullopt);
  EXPECT_EQ(file.Ours().Find("", "k"), std::nullopt);
  EXPECT_EQ(file.Ours().Find("", "Exec"), "a.exe");
  EXPECT_EQ(file.Ours().SectionNames(), (std::vector<std::string>{"", "B"}));
}

// A comment is a key that nobody asks for to the profile functions: asked for by its text
// (";k"), it is found. We never find a comment; no name the program asks for starts with ";".
TEST(ProfileDifferenceTest, CommentsAreNeverKeys) {
  const ProfileFile file("[A]\r\n;k=1\r\n  ;j=2\r\nk=3\r\n");
  EXPECT_EQ(file.ProfileValue("A", ";k"), "1");
  EXPECT_EQ(file.ProfileValue("A", ";j"), "2");
  EXPECT_EQ(file.Ours().Find("A", ";k"), std::nullopt);
  EXPECT_EQ(file.Ours().Find("A", ";j"), std::nullopt);
  EXPECT_EQ(file.Ours().KeyNames("A"), file.ProfileKeys("A"));
}

// A key with an empty name is read alike, but it cannot appear in the profile functions'
// listing, whose empty name marks the end.
TEST(ProfileDifferenceTest, AKeyWithAnEmptyNameIsListed) {
  const ProfileFile file("[A]\r\n=v\r\nk=1\r\n");
  EXPECT_EQ(file.ProfileValue("A", ""), "v");
  EXPECT_EQ(file.Ours().Find("A", ""), "v");
  EXPECT_EQ(file.Ours().KeyNames("A"), (std::vector<std::string>{"", "k"}));
  EXPECT_NE(file.ProfileKeys("A"), file.Ours().KeyNames("A"));
}

// The profile functions return strings, which end at a NUL; we keep every byte, so that a save
// writes back what was read.
TEST(ProfileDifferenceTest, NulBytesAreKept) {
  const ProfileFile file("[A]\r\nk=a\0b\r\nj=1\r\n"s);
  EXPECT_EQ(file.ProfileValue("A", "k"), "a");
  EXPECT_EQ(file.Ours().Find("A", "k"), "a\0b"s);
  EXPECT_EQ(file.Ours().Find("A", "j"), file.ProfileValue("A", "j"));
}

// Without a byte-order mark the profile functions read the ANSI code page; we take bytes that
// are valid UTF-8 as UTF-8, since that is what every other tool writes today.
TEST(ProfileDifferenceTest, Utf8WithoutAMarkIsUtf8) {
  const ProfileFile file("[A]\r\nk=Men\xC3\xBC\r\n");
  EXPECT_EQ(file.Ours().Find("A", "k"), "Men\xC3\xBC");
  EXPECT_NE(file.ProfileValue("A", "k"), file.Ours().Find("A", "k"));
}

// Numbers follow the file's own convention (decimal, or hexadecimal after 0x or 0X, anything
// else is not a number) rather than GetPrivateProfileIntW, which reads leading digits.
TEST(ProfileDifferenceTest, NumbersFollowTheFileConvention) {
  const ProfileFile file("[A]\r\ndecimal=12\r\nhex=0x10\r\nupperHex=0X1f\r\ntrailing=12abc\r\nword=yes\r\n");
  struct Case {
    const char* key;
    int ours;
    std::optional<int> profile;  // where the profile functions' answer is well known
  };
  const Case cases[] = {
      {"decimal", 12, 12}, {"hex", 16, 16}, {"trailing", -7, 12}, {"upperHex", 31, {}}, {"word", -7, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(file.Ours().ReadInt("A", c.key, -7), c.ours);
    if (c.profile) {
      EXPECT_EQ(file.ProfileInt("A", c.key, -7), *c.profile);
    }
  }
}

}  // namespace
}  // namespace tarnwick
