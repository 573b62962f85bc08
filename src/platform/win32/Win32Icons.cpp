#include "platform/win32/Win32Icons.h"

namespace tarnwick {

int Win32Icons::AddAssociatedIcon(const std::string& /*file*/) { return -1; }

int Win32Icons::AddFileIcon(const std::string& /*file*/, int /*iconIndex*/) { return -1; }

}  // namespace tarnwick
