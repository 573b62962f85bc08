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

HANDLE ToHandle(FileSystem::Handle file) { return reinterpret_cast<HANDLE>(file); }

// The system's text for an error code, without its line end.
std::string ErrorText(DWORD error) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer != nullptr ? buffer : L"", length);
  if (buffer != nullptr) LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
  if (text.empty()) return "Error " + std::to_string(error) + ".";
  return Narrow(text);
}

}  // namespace

bool Win32FileSystem::Fail() {
  m_lastError = ErrorText(GetLastError());
  return false;
}

std::optional<std::string> Win32FileSystem::ReadWhole(const std::string& path) {
  // Shared for writing and deleting too, so that a file open in an editor can still be read.
  UniqueFileHandle file(CreateFileW(ApiPath(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    Fail();
    return std::nullopt;
  }
  std::string contents;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file.Get(), &size) && size.QuadPart > 0) {
    contents.reserve(static_cast<size_t>(size.QuadPart));
  }
  char buffer[64 * 1024];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr)) {
      Fail();
      return std::nullopt;
    }
    if (read == 0) return contents;
    contents.append(buffer, read);
  }
}

bool Win32FileSystem::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(ApiPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::FileOrFolderExists(const std::string& path) {
  return GetFileAttributesW(ApiPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
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
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
      Fail();
      return std::nullopt;
    }
  }
  m_lastError = ErrorText(ERROR_FILE_EXISTS);
  return std::nullopt;
}

bool Win32FileSystem::Write(Handle file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(ToHandle(file), bytes.data(), chunk, &written, nullptr)) return Fail();
    if (written == 0) {
      m_lastError = ErrorText(ERROR_DISK_FULL);
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

bool Win32FileSystem::Flush(Handle file) { return FlushFileBuffers(ToHandle(file)) || Fail(); }

bool Win32FileSystem::Close(Handle file) { return CloseHandle(ToHandle(file)) || Fail(); }

bool Win32FileSystem::Replace(const std::string& source, const std::string& target) {
  const std::wstring from = ApiPath(source);
  const std::wstring to = ApiPath(target);
  const DWORD attributes = GetFileAttributesW(to.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    // A read-only target makes the save fail rather than lose the user's read-only flag.
    // Checked here because Wine renames over it.
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
      m_lastError = ErrorText(ERROR_ACCESS_DENIED);
      return false;
    }
    if (attributes & FILE_ATTRIBUTE_READONLY) {
      m_lastError = "The file is read-only.";
      return false;
    }
    // A hidden or system file stays so: the new file takes the marks before it takes the
    // place, so that the one rename is the whole replacement.
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    const DWORD mine = GetFileAttributesW(from.c_str());
    if ((attributes & kKept) != 0 && mine != INVALID_FILE_ATTRIBUTES) {
      SetFileAttributesW(from.c_str(), (mine & ~(kKept | FILE_ATTRIBUTE_NORMAL)) | (attributes & kKept));
    }
  }
  // One rename: Windows and Wine both replace the target in one step, where ReplaceFileW
  // under Wine deletes the target before the new file arrives. The security of the folder
  // applies to the new file, as it did to the old one when it was made.
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) || Fail();
}

bool Win32FileSystem::Remove(const std::string& path) { return DeleteFileW(ApiPath(path).c_str()) || Fail(); }

std::vector<FileSystem::FileInfo> Win32FileSystem::FilesStartingWith(const std::string& pathPrefix) {
  std::vector<FileInfo> found;
  const size_t separator = pathPrefix.find_last_of("\\/");
  const std::string folder = separator == std::string::npos ? std::string() : pathPrefix.substr(0, separator + 1);
  const std::wstring namePrefix = Widen(std::string_view(pathPrefix).substr(folder.size()));
  WIN32_FIND_DATAW entry{};
  const HANDLE search = FindFirstFileExW(ApiPath(pathPrefix + "*").c_str(), FindExInfoBasic, &entry,
                                         FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return found;
  do {
    // The pattern matches more than its prefix: "name.*" matches "name", and short names match.
    const std::wstring_view name(entry.cFileName);
    const bool starts = name.size() >= namePrefix.size() &&
                        CompareStringOrdinal(name.data(), static_cast<int>(namePrefix.size()), namePrefix.data(),
                                             static_cast<int>(namePrefix.size()), TRUE) == CSTR_EQUAL;
    if (!starts || (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    ULARGE_INTEGER time{};
    time.LowPart = entry.ftLastWriteTime.dwLowDateTime;
    time.HighPart = entry.ftLastWriteTime.dwHighDateTime;
    found.push_back({folder + Narrow(entry.cFileName), static_cast<int64_t>(time.QuadPart)});
  } while (FindNextFileW(search, &entry));
  FindClose(search);
  return found;
}

std::string Win32FileSystem::LastError() const { return m_lastError; }

}  // namespace tarnwick
