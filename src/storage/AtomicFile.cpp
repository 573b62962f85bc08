#include "storage/AtomicFile.h"

#include <algorithm>

namespace tarnwick {

namespace {
constexpr size_t kChunkSize = 64 * 1024;
}

bool WriteFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes) {
  std::string tempPath;
  const auto file = files.CreateTempBeside(path, tempPath);
  if (!file) return false;

  bool written = true;
  for (size_t offset = 0; written && offset < bytes.size(); offset += kChunkSize) {
    written = files.Write(*file, bytes.substr(offset, std::min(kChunkSize, bytes.size() - offset)));
  }
  written = written && files.Flush(*file);
  const bool closed = files.Close(*file);
  if (written && closed && files.Replace(tempPath, path)) return true;

  files.Remove(tempPath);
  return false;
}

}  // namespace tarnwick
