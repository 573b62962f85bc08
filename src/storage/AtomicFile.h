#pragma once

#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace tarnwick {

// The outcome of a write: on failure, the file or folder that refused and the system's reason.
struct WriteResult {
  bool ok = true;
  std::string path;
  std::string reason;

  static WriteResult Failed(std::string path, std::string reason) {
    return {false, std::move(path), std::move(reason)};
  }
  explicit operator bool() const { return ok; }
};

// Replaces the file at path with bytes in one step: the bytes go to a new file beside it,
// are flushed to the disk, and only then take the old file's place. On any failure the
// new file is deleted and the old one is left exactly as it was. A new file that cannot
// be created is the folder's refusal; any later step is the file's.
WriteResult WriteFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes);

}  // namespace tarnwick
