// A stand-in for a program the launcher opens. It records how it was started in a UTF-8 file
// beside itself, named like the program with ".txt" for ".exe", and exits at once:
//   commandLine=<GetCommandLineW>
//   folder=<current folder>
//   showWindow=<STARTUPINFO.wShowWindow, or -1 without STARTF_USESHOWWINDOW>
// The file appears whole (written under another name, then renamed), so a test polling for it
// never reads half of it. It carries two icons (ProbeIcons.rc) for the icon tests.
#include <windows.h>

#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                      nullptr);
  return bytes;
}

std::wstring OwnPath() {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path;
}

std::wstring CurrentFolder() {
  std::wstring folder(32768, L'\0');
  folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
  return folder;
}

bool WriteWhole(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(file);
  return ok;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  const int showWindow = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : -1;

  const std::string report = "commandLine=" + Utf8(GetCommandLineW()) + "\n" + "folder=" + Utf8(CurrentFolder()) +
                             "\n" + "showWindow=" + std::to_string(showWindow) + "\n";

  const std::wstring exe = OwnPath();
  const std::wstring stem = exe.substr(0, exe.size() - 4);  // without ".exe"
  const std::wstring temporary = stem + L".tmp";
  if (!WriteWhole(temporary, report)) return 1;
  return MoveFileExW(temporary.c_str(), (stem + L".txt").c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
