#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// Files, by UTF-8 path. The write primitives exist so that a whole file can be replaced in
// one step (see WriteFileAtomically); each may fail, and callers check every result.
class FileSystem {
 public:
  using Handle = intptr_t;

  FileSystem() = default;
  FileSystem(const FileSystem&) = delete;
  FileSystem& operator=(const FileSystem&) = delete;
  virtual ~FileSystem() = default;

  // The whole file, or nullopt when it is missing or cannot be read.
  virtual std::optional<std::string> ReadWhole(const std::string& path) = 0;
  virtual bool FileExists(const std::string& path) = 0;

  // Creates a new, empty file in the folder of targetPath, open for writing.
  // Returns its handle and sets tempPath, or nullopt.
  virtual std::optional<Handle> CreateTempBeside(const std::string& targetPath,
                                                 std::string& tempPath) = 0;
  virtual bool Write(Handle file, std::string_view bytes) = 0;
  // Forces the written bytes to the disk.
  virtual bool Flush(Handle file) = 0;
  virtual bool Close(Handle file) = 0;
  // Puts source in the place of target in one step, whether or not target exists.
  virtual bool Replace(const std::string& source, const std::string& target) = 0;
  virtual bool Remove(const std::string& path) = 0;
};

}  // namespace tarnwick
