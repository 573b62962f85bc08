#include "platform/win32/Win32Shortcuts.h"

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/win32/ComInit.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Unicode.h"

namespace tarnwick {

namespace {

using Microsoft::WRL::ComPtr;

// Paths and arguments may be as long as the system allows (32767 characters in the long-path
// form), not the 1023 of a MAX_PATH-sized buffer.
constexpr int kLongText = 32768;

// The fixed header at the start of every shell link file: its size (0x4C), the shell link
// class id, and at 0x3C the show command as a 32-bit little-endian number.
constexpr DWORD kLinkHeaderSize = 0x4C;
constexpr size_t kClassIdOffset = 0x04;
constexpr size_t kShowCommandOffset = 0x3C;

// What a GetXxx(buffer, size) call leaves in the buffer, up to its terminator; empty when the
// call failed. Most of them return S_FALSE with an empty buffer for a missing field.
template <typename Get>
std::string ReadText(int size, Get&& get) {
  std::vector<wchar_t> buffer(static_cast<size_t>(size), L'\0');
  if (FAILED(get(buffer.data(), size))) return {};
  buffer.back() = L'\0';
  return Narrow(buffer.data());
}

// Wine's shell link object ignores the stored show command and always reports 1 (normal), so
// a shortcut saved maximised would open normally. The header is read directly instead; it
// holds exactly what Windows' GetShowCmd reports.
std::optional<int> ShowCommandInLinkHeader(const std::wstring& path) {
  UniqueFileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::array<unsigned char, kLinkHeaderSize> header{};
  DWORD read = 0;
  if (!ReadFile(file.Get(), header.data(), kLinkHeaderSize, &read, nullptr) || read != kLinkHeaderSize) {
    return std::nullopt;
  }
  DWORD size = 0;
  std::memcpy(&size, header.data(), sizeof size);
  if (size != kLinkHeaderSize || std::memcmp(header.data() + kClassIdOffset, &CLSID_ShellLink, sizeof(CLSID)) != 0) {
    return std::nullopt;
  }
  int32_t showCommand = 0;
  std::memcpy(&showCommand, header.data() + kShowCommandOffset, sizeof showCommand);
  return showCommand;
}

}  // namespace

std::optional<ShortcutInfo> Win32Shortcuts::Read(const std::string& path) {
  const std::wstring widePath = Widen(path);
  if (widePath.empty()) return std::nullopt;

  // Declared first, so that the interfaces below are released before COM is uninitialised.
  ComInit com;
  ComPtr<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link)))) {
    return std::nullopt;
  }
  ComPtr<IPersistFile> file;
  if (FAILED(link.As(&file)) || FAILED(file->Load(widePath.c_str(), STGM_READ))) return std::nullopt;

  ShortcutInfo info;
  // SLGP_UNCPRIORITY: the network-share form of a target on a mapped drive.
  info.target = ReadText(kLongText, [&](wchar_t* buffer, int size) {
    return link->GetPath(buffer, size, nullptr, SLGP_UNCPRIORITY);
  });
  info.description =
      ReadText(INFOTIPSIZE, [&](wchar_t* buffer, int size) { return link->GetDescription(buffer, size); });
  info.workingFolder =
      ReadText(kLongText, [&](wchar_t* buffer, int size) { return link->GetWorkingDirectory(buffer, size); });
  info.arguments = ReadText(kLongText, [&](wchar_t* buffer, int size) { return link->GetArguments(buffer, size); });
  int iconIndex = 0;
  info.iconFile = ReadText(kLongText, [&](wchar_t* buffer, int size) {
    return link->GetIconLocation(buffer, size, &iconIndex);
  });
  info.iconIndex = iconIndex;
  int showCommand = SW_SHOWNORMAL;
  if (FAILED(link->GetShowCmd(&showCommand))) showCommand = SW_SHOWNORMAL;
  info.showCommand = ShowCommandInLinkHeader(widePath).value_or(showCommand);
  WORD hotkey = 0;
  if (SUCCEEDED(link->GetHotkey(&hotkey))) info.hotkey = hotkey;
  return info;
}

}  // namespace tarnwick
