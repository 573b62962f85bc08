#pragma once

#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace tarnwick {

// Replaces the file at path with bytes in one step: the bytes go to a new file beside it,
// are flushed to the disk, and only then take the old file's place. On any failure the
// new file is deleted and the old one is left exactly as it was.
bool WriteFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes);

}  // namespace tarnwick
