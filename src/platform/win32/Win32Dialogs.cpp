#include "platform/win32/Win32Dialogs.h"

#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/win32/Unicode.h"

namespace tarnwick {

namespace {

// Exception texts need not be UTF-8 (the C++ runtime may use the ANSI code page); rather than
// an empty box, show such a text with its non-ASCII bytes as '?'.
std::wstring DisplayText(const std::string& message) {
  std::wstring text = Widen(message);
  if (!text.empty() || message.empty()) return text;
  for (unsigned char c : message) text.push_back(c < 0x80 ? static_cast<wchar_t>(c) : L'?');
  return text;
}

// The file dialog's buffer, grown while the user selects in the list so that any number of names
// fits; names typed into the name box fit the first size, which is larger than that box takes.
struct FileNames {
  std::vector<wchar_t> buffer = std::vector<wchar_t>(64 * 1024, L'\0');
};

UINT_PTR CALLBACK FileDialogHook(HWND child, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_NOTIFY) return 0;
  const auto* notify = reinterpret_cast<const OFNOTIFYW*>(lParam);
  HWND dialog = GetParent(child);
  if (notify->hdr.code == CDN_INITDONE) {
    // The menus are always on top; the dialog must not open behind one of them.
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  } else if (notify->hdr.code == CDN_SELCHANGE) {
    OPENFILENAMEW* dialogData = notify->lpOFN;
    auto* names = reinterpret_cast<FileNames*>(dialogData->lCustData);
    const LRESULT spec = SendMessageW(dialog, CDM_GETSPEC, 0, 0);
    const LRESULT folder = SendMessageW(dialog, CDM_GETFOLDERPATH, 0, 0);
    if (spec < 0 || folder < 0) return 0;
    const size_t needed = static_cast<size_t>(spec) + static_cast<size_t>(folder) + MAX_PATH;
    if (needed > names->buffer.size()) {
      names->buffer.assign(needed * 2, L'\0');
      dialogData->lpstrFile = names->buffer.data();
      dialogData->nMaxFile = static_cast<DWORD>(names->buffer.size());
    }
  }
  return 0;
}

// "folder\0name\0name\0\0" for several files, "path\0\0" for one.
std::vector<std::string> SplitFileNames(const wchar_t* names) {
  std::vector<std::wstring> parts;
  for (const wchar_t* part = names; *part != L'\0'; part += wcslen(part) + 1) parts.emplace_back(part);
  std::vector<std::string> files;
  if (parts.size() == 1) {
    files.push_back(Narrow(parts[0]));
    return files;
  }
  std::wstring folder = parts.empty() ? std::wstring() : parts[0];
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  for (size_t i = 1; i < parts.size(); ++i) {
    if (std::string file = Narrow(folder + parts[i]); !file.empty()) files.push_back(std::move(file));
  }
  return files;
}

constexpr const wchar_t* kSettingsFilter = L"Tarnwick Settings (*.ini)\0*.ini\0";

// A name proposed for a settings file: the characters no file name may hold made "_" (with
// them in the name box the save dialog would not open at all), and ".ini" shown at its end.
// The default extension alone would not do: a name with a dot of its own ("My.Tools") counts
// as having an extension and would be saved as it stands.
std::wstring SettingsFileProposal(const std::string& name) {
  std::wstring proposal = Widen(name);
  if (proposal.empty()) return proposal;
  for (wchar_t& c : proposal) {
    if (c < 0x20 || std::wcschr(L"\\/:*?\"<>|", c) != nullptr) c = L'_';
  }
  const size_t extension = proposal.size() >= 4 ? proposal.size() - 4 : 0;
  if (proposal.size() < 4 || _wcsicmp(proposal.c_str() + extension, L".ini") != 0) proposal += L".ini";
  return proposal;
}

constexpr const wchar_t* kAnyFilesFilter = L"Any files (*.*)\0*.*\0";

enum class FileDialog { Open, Save };

// One file in the open or the save dialog, the name box preset; nullopt when cancelled. An open
// dialog takes only an existing file; a save dialog adds the filter's extension and asks
// before overwriting.
std::optional<std::string> RunSingleFileDialog(FileDialog kind, const wchar_t* filter, const wchar_t* extension,
                                               const std::wstring& preset, DWORD extraFlags = 0) {
  FileNames names;
  if (preset.size() < names.buffer.size()) std::copy(preset.begin(), preset.end(), names.buffer.begin());
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter = filter;
  dialog.lpstrFile = names.buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(names.buffer.size());
  dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_ENABLESIZING | extraFlags;
  if (kind == FileDialog::Save) {
    dialog.Flags |= OFN_OVERWRITEPROMPT;
    dialog.lpstrDefExt = extension;
  } else {
    dialog.Flags |= OFN_FILEMUSTEXIST;
  }
  dialog.lpfnHook = FileDialogHook;
  dialog.lCustData = reinterpret_cast<LPARAM>(&names);
  if (!(kind == FileDialog::Save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return std::nullopt;
  std::string path = Narrow(dialog.lpstrFile);
  if (path.empty()) return std::nullopt;
  return path;
}

}  // namespace

bool Win32Dialogs::Confirm(const std::string& caption, const std::string& text) {
  return MessageBoxW(GetActiveWindow(), DisplayText(text).c_str(), DisplayText(caption).c_str(),
                     MB_OKCANCEL | MB_ICONEXCLAMATION | MB_TASKMODAL | MB_TOPMOST | MB_SETFOREGROUND) == IDOK;
}

std::vector<std::string> Win32Dialogs::ChooseFiles() {
  FileNames names;
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = nullptr;
  dialog.lpstrFilter = kAnyFilesFilter;
  dialog.lpstrFile = names.buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(names.buffer.size());
  dialog.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST |
                 OFN_NODEREFERENCELINKS | OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_ENABLESIZING;
  dialog.lpfnHook = FileDialogHook;
  dialog.lCustData = reinterpret_cast<LPARAM>(&names);
  if (!GetOpenFileNameW(&dialog)) return {};
  return SplitFileNames(dialog.lpstrFile);
}

std::optional<Color> Win32Dialogs::PickColor(Color initial) {
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  dialog.rgbResult = initial;
  dialog.lpCustColors = m_customColors;
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
  if (!ChooseColorW(&dialog)) return std::nullopt;
  return static_cast<Color>(dialog.rgbResult);
}

std::optional<FontSpec> Win32Dialogs::PickFont(const FontSpec& initial) {
  LOGFONTW font{};
  HDC screen = GetDC(nullptr);
  font.lfHeight = -MulDiv(initial.Size, screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96, 72);
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  font.lfWeight = initial.Bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = initial.Italic ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  const std::wstring face = Widen(initial.Face);
  wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  CHOOSEFONTW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpLogFont = &font;
  dialog.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
  if (!ChooseFontW(&dialog)) return std::nullopt;
  FontSpec chosen;
  chosen.Face = Narrow(font.lfFaceName);
  chosen.Size = dialog.iPointSize / 10;
  chosen.Bold = font.lfWeight >= FW_BOLD;
  chosen.Italic = font.lfItalic != FALSE;
  return chosen;
}

std::optional<std::string> Win32Dialogs::ChooseSettingsFile(const std::string& initial) {
  return RunSingleFileDialog(FileDialog::Open, kSettingsFilter, nullptr, Widen(initial));
}

std::optional<std::string> Win32Dialogs::ChooseMenuFileToImport() {
  return RunSingleFileDialog(FileDialog::Open, kSettingsFilter, nullptr, L"");
}

std::optional<std::string> Win32Dialogs::ChooseExportFile(const std::string& proposedName) {
  return RunSingleFileDialog(FileDialog::Save, kSettingsFilter, L"ini", SettingsFileProposal(proposedName));
}

void Win32Dialogs::Warn(const std::string& caption, const std::string& text) {
  MessageBoxW(GetActiveWindow(), DisplayText(text).c_str(), DisplayText(caption).c_str(),
              MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL | MB_TOPMOST | MB_SETFOREGROUND);
}

// Shortcut files are chosen as themselves, not followed to their targets.
std::optional<std::string> Win32Dialogs::ChooseFile(const std::string& initial) {
  return RunSingleFileDialog(FileDialog::Open, kAnyFilesFilter, nullptr, Widen(initial), OFN_NODEREFERENCELINKS);
}

void Win32Dialogs::ShowError(const std::string& message) {
  // MB_TOPMOST: the menu windows are always on top and would otherwise cover the box.
  MessageBoxW(GetActiveWindow(), DisplayText(message).c_str(), L"Tarnwick",
              MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_TOPMOST | MB_SETFOREGROUND);
}

void Win32Dialogs::LogError(const std::string& message) {
  OutputDebugStringW((L"Tarnwick: " + DisplayText(message) + L"\n").c_str());
}

}  // namespace tarnwick
