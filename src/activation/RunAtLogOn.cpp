#include "activation/RunAtLogOn.h"

namespace tarnwick {

std::string RunCommandFor(const std::string& executablePath) {
  if (executablePath.find_first_of(" \t") == std::string::npos) return executablePath;
  return "\"" + executablePath + "\"";
}

bool UpdateRunKey(RunList& runList, bool startup, const std::string& executablePath) {
  if (!startup) {
    runList.Remove(kRunValueName);
    return true;
  }
  return runList.Set(kRunValueName, RunCommandFor(executablePath));
}

}  // namespace tarnwick
