// Shortcut (.lnk) files made the way Explorer makes them, through the shell link object, for
// tests that read them back or drop them on the menu.
#pragma once

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace tarnwick::test {

struct LinkFields {
  std::wstring target{};
  std::wstring description{};
  std::wstring workingFolder{};
  std::wstring arguments{};
  std::wstring iconFile{};
  int iconIndex = 0;
  int showCommand = SW_SHOWNORMAL;
  WORD hotkey = 0;  // low byte: virtual key; high byte: HOTKEYF_SHIFT 1, CONTROL 2, ALT 4
};

// Saves `fields` as a shortcut at `path`; the HRESULT of the first step that failed, else S_OK.
// SetPath of a target that does not exist returns S_FALSE and saves all the same.
inline HRESULT SaveShellLink(const std::wstring& path, const LinkFields& fields) {
  const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HRESULT result = E_FAIL;
  {
    Microsoft::WRL::ComPtr<IShellLinkW> link;
    Microsoft::WRL::ComPtr<IPersistFile> file;
    result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link));
    if (SUCCEEDED(result)) result = link->SetPath(fields.target.c_str());
    if (SUCCEEDED(result) && !fields.description.empty()) result = link->SetDescription(fields.description.c_str());
    if (SUCCEEDED(result) && !fields.workingFolder.empty()) {
      result = link->SetWorkingDirectory(fields.workingFolder.c_str());
    }
    if (SUCCEEDED(result) && !fields.arguments.empty()) result = link->SetArguments(fields.arguments.c_str());
    if (SUCCEEDED(result) && !fields.iconFile.empty()) {
      result = link->SetIconLocation(fields.iconFile.c_str(), fields.iconIndex);
    }
    if (SUCCEEDED(result)) result = link->SetShowCmd(fields.showCommand);
    if (SUCCEEDED(result)) result = link->SetHotkey(fields.hotkey);
    if (SUCCEEDED(result)) result = link.As(&file);
    if (SUCCEEDED(result)) result = file->Save(path.c_str(), TRUE);
  }
  if (SUCCEEDED(init)) CoUninitialize();
  return SUCCEEDED(result) ? S_OK : result;
}

// The show command field of the file's shell link header (offset 0x3C), as saved.
inline std::optional<std::int32_t> StoredShowCommand(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (bytes.size() < 0x40) return std::nullopt;
  std::int32_t value = 0;
  std::memcpy(&value, bytes.data() + 0x3C, sizeof value);
  return value;
}

}  // namespace tarnwick::test
