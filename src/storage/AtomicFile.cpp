#include "storage/AtomicFile.h"

#include <algorithm>

namespace tarnwick {

namespace {

constexpr size_t kChunkSize = 64 * 1024;

// The folder of a file, as a user would name it: without the trailing separator.
std::string ParentFolder(const std::string& path) {
  const size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

}  // namespace

WriteResult WriteFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes) {
  std::string tempPath;
  const auto file = files.CreateTempBeside(path, tempPath);
  if (!file) return WriteResult::Failed(ParentFolder(path), files.LastError());

  bool written = true;
  for (size_t offset = 0; written && offset < bytes.size(); offset += kChunkSize) {
    written = files.Write(*file, bytes.substr(offset, std::min(kChunkSize, bytes.size() - offset)));
  }
  written = written && files.Flush(*file);
  // The reason is taken before the clean-up calls can overwrite it.
  std::string reason = written ? std::string() : files.LastError();
  const bool closed = files.Close(*file);
  if (written && !closed) reason = files.LastError();
  if (written && closed) {
    if (files.Replace(tempPath, path)) return {};
    reason = files.LastError();
  }
  files.Remove(tempPath);
  return WriteResult::Failed(path, std::move(reason));
}

}  // namespace tarnwick
