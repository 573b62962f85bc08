#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// Files, by UTF-8 path. The write primitives exist so that a whole file can be replaced in
// one step (see WriteFileAtomically); each may fail, and callers check every result.
class FileSystem {
 public:
  using Handle = intptr_t;

  struct FileInfo {
    std::string path;
    // Last write time; only compared with other files' times.
    int64_t modified = 0;
  };

  FileSystem() = default;
  FileSystem(const FileSystem&) = delete;
  FileSystem& operator=(const FileSystem&) = delete;
  virtual ~FileSystem() = default;

  // The whole file, or nullopt when it is missing or cannot be read.
  virtual std::optional<std::string> ReadWhole(const std::string& path) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool FileOrFolderExists(const std::string& path) = 0;
  // The files (not folders) of a folder whose path starts with pathPrefix, which ends with
  // the start of a file name ("C:\Tools\Tarnwick.ini." lists "C:\Tools\Tarnwick.ini.bak").
  virtual std::vector<FileInfo> FilesStartingWith(const std::string& pathPrefix) = 0;

  // Creates a new, empty file in the folder of targetPath, open for writing.
  // Returns its handle and sets tempPath, or nullopt.
  virtual std::optional<Handle> CreateTempBeside(const std::string& targetPath,
                                                 std::string& tempPath) = 0;
  virtual bool Write(Handle file, std::string_view bytes) = 0;
  // Forces the written bytes to the disk.
  virtual bool Flush(Handle file) = 0;
  virtual bool Close(Handle file) = 0;
  // Puts source in the place of target in one step, whether or not target exists: at no
  // moment is target missing or partly written. A hidden or system target stays so; a
  // read-only target is refused.
  virtual bool Replace(const std::string& source, const std::string& target) = 0;
  virtual bool Remove(const std::string& path) = 0;

  // Why the last call that failed failed, in the system's words ("Access is denied.").
  virtual std::string LastError() const = 0;
};

}  // namespace tarnwick
