#pragma once

#include "platform/Platform.h"

namespace tarnwick {

// The whole life of the process: the single-instance check, the four windows in their
// fixed order, the message loop and the shutdown. Returns the process exit code.
int RunApplication(Platform& platform);

}  // namespace tarnwick
