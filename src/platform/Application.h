#pragma once

#include <string>

namespace tarnwick {

// The process: its single-instance mark, its folder and its message loop.
class ApplicationHost {
 public:
  ApplicationHost() = default;
  ApplicationHost(const ApplicationHost&) = delete;
  ApplicationHost& operator=(const ApplicationHost&) = delete;
  virtual ~ApplicationHost() = default;

  // True when another copy already runs; this copy then ends at once.
  virtual bool AnotherInstanceRunning() = 0;
  // Full path of the running executable, and its folder with the trailing separator.
  virtual std::string ExecutablePath() = 0;
  virtual std::string ExecutableFolder() = 0;
  // Runs until the main window is destroyed.
  virtual void RunMessageLoop() = 0;
};

}  // namespace tarnwick
