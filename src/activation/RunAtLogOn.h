#pragma once

#include <string>

#include "platform/Registry.h"

namespace tarnwick {

// The name of the program's entry in the list of programs started at log-on.
inline constexpr const char* kRunValueName = "Tarnwick";

// The command the entry holds: the executable's full path, in double quotes when it has a
// blank, so that "C:\Program Files\Tarnwick\Tarnwick.exe" cannot start "C:\Program.exe".
std::string RunCommandFor(const std::string& executablePath);

// Brings the entry in line with the "Startup" setting: written when on, removed when off.
// False only when writing it failed.
bool UpdateRunKey(RunList& runList, bool startup, const std::string& executablePath);

}  // namespace tarnwick
