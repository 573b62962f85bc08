#pragma once

#include "platform/FileSystem.h"

namespace tarnwick {

// Paths of any length: those past MAX_PATH get the \\?\ prefix at the call.
class Win32FileSystem final : public FileSystem {
 public:
  std::optional<std::string> ReadWhole(const std::string& path) override;
  bool FileExists(const std::string& path) override;
  bool FileOrFolderExists(const std::string& path) override;
  std::vector<FileInfo> FilesStartingWith(const std::string& pathPrefix) override;
  std::optional<Handle> CreateTempBeside(const std::string& targetPath,
                                         std::string& tempPath) override;
  bool Write(Handle file, std::string_view bytes) override;
  bool Flush(Handle file) override;
  bool Close(Handle file) override;
  bool Replace(const std::string& source, const std::string& target) override;
  bool Remove(const std::string& path) override;
  std::string LastError() const override;

 private:
  // Keeps the system's reason for the call that just failed; returns false.
  bool Fail();

  std::string m_lastError;
  unsigned m_tempCounter = 0;
};

}  // namespace tarnwick
