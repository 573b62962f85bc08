#pragma once

#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "storage/AtomicFile.h"

namespace tarnwick {

// Tarnwick.ini on the disk: read with recovery from an interrupted save, written with one
// backup generation (Tarnwick.ini.bak) and with no moment at which the file is missing.
class ConfigurationFile {
 public:
  ConfigurationFile(FileSystem& files, std::string path);

  const std::string& Path() const { return m_path; }
  std::string BackupPath() const { return m_path + ".bak"; }

  // The bytes to load. When the file is missing or empty but a save of ours was cut off after
  // its temporary file was complete, the newest such file is loaded and takes the file's place.
  std::string Read();
  // The bytes just read held nothing the loaders know. The next save keeps them as the backup,
  // and later saves of this run leave that backup alone: it is the only copy.
  void KeepUnusableFile() { m_unusableLoaded = true; }

  // Writes the bytes when they differ from the file's, after keeping the file's previous
  // bytes as the backup. Leftover temporary files of ours are removed once it succeeds.
  WriteResult Save(std::string_view bytes);

 private:
  void RemoveLeftovers();

  FileSystem& m_files;
  std::string m_path;
  bool m_unusableLoaded = false;
  bool m_backupIsOnlyCopy = false;
};

}  // namespace tarnwick
