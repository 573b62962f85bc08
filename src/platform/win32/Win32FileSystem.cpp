#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/Handles.h"
#include "platform/win32/Unicode.h"

namespace tarnwick {

namespace {

// Longest path the plain (unprefixed) file functions take; CreateDirectoryW allows 12 less.
constexpr size_t kPlainPathLimit = MAX_PATH - 12;

// The UTF-16 path for the file functions. A path past MAX_PATH needs the \\?\ prefix, and a
// prefixed path is not normalised by the system, so it is made absolute and canonical first.
std::wstring ApiPath(const std::string& path) {
  std::wstring wide = Widen(path);
  if (wide.size() < kPlainPathLimit || wide.starts_with(L"\\\\?\\")) return wide;
  DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return wide;
  std::wstring full(needed, L'\0');
  needed = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
  if (needed == 0 || needed >= full.size()) return wide;
  full.resize(needed);
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

// A hidden or system target stays so. ReplaceFileW carries these over on Windows, but not under
// Wine, and the MoveFileExW fallback never does. The contents are saved either way.
void KeepAttributes(const std::wstring& path, DWORD before) {
  constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  const DWORD now = GetFileAttributesW(path.c_str());
  if (now == INVALID_FILE_ATTRIBUTES || (now & kKept) == (before & kKept)) return;
  SetFileAttributesW(path.c_str(), (now & ~kKept) | (before & kKept));
}

HANDLE ToHandle(FileSystem::Handle file) { return reinterpret_cast<HANDLE>(file); }

// ReplaceFileW errors after which a plain move still does the job: the file system cannot
// replace (some network and FAT drives), or the old file is already gone and the new one
// still sits under its temporary name.
bool MoveCanFinishReplace(DWORD error) {
  switch (error) {
    case ERROR_NOT_SUPPORTED:
    case ERROR_INVALID_FUNCTION:
    case ERROR_CALL_NOT_IMPLEMENTED:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT_2:
      return true;
    default:
      return false;
  }
}

bool Move(const std::wstring& source, const std::wstring& target) {
  return MoveFileExW(source.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace

std::optional<std::string> Win32FileSystem::ReadWhole(const std::string& path) {
  // Shared for writing and deleting too, so that a file open in an editor can still be read.
  UniqueFileHandle file(CreateFileW(ApiPath(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string contents;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file.Get(), &size) && size.QuadPart > 0) {
    contents.reserve(static_cast<size_t>(size.QuadPart));
  }
  char buffer[64 * 1024];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr)) return std::nullopt;
    if (read == 0) return contents;
    contents.append(buffer, read);
  }
}

bool Win32FileSystem::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(ApiPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<FileSystem::Handle> Win32FileSystem::CreateTempBeside(const std::string& targetPath,
                                                                    std::string& tempPath) {
  const std::string prefix =
      targetPath + "." + std::to_string(GetCurrentProcessId()) + ".";
  // A leftover of an earlier crashed run may hold a name; try the next number.
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string candidate = prefix + std::to_string(++m_tempCounter) + ".tmp";
    HANDLE file = CreateFileW(ApiPath(candidate).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      tempPath = candidate;
      return reinterpret_cast<Handle>(file);
    }
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return std::nullopt;
  }
  return std::nullopt;
}

bool Win32FileSystem::Write(Handle file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(ToHandle(file), bytes.data(), chunk, &written, nullptr) || written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

bool Win32FileSystem::Flush(Handle file) { return FlushFileBuffers(ToHandle(file)) != FALSE; }

bool Win32FileSystem::Close(Handle file) { return CloseHandle(ToHandle(file)) != FALSE; }

bool Win32FileSystem::Replace(const std::string& source, const std::string& target) {
  const std::wstring from = ApiPath(source);
  const std::wstring to = ApiPath(target);
  const DWORD attributes = GetFileAttributesW(to.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return Move(from, to);
  // A read-only target makes the save fail rather than lose the user's read-only flag.
  // Checked here so that the MoveFileExW fallback refuses it too (Wine renames over it).
  if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  // ReplaceFileW keeps the target's security and creation time.
  const bool replaced = ReplaceFileW(to.c_str(), from.c_str(), nullptr,
                                     REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) ||
                        (MoveCanFinishReplace(GetLastError()) && Move(from, to));
  if (replaced) KeepAttributes(to, attributes);
  return replaced;
}

bool Win32FileSystem::Remove(const std::string& path) {
  return DeleteFileW(ApiPath(path).c_str()) != FALSE;
}

}  // namespace tarnwick
