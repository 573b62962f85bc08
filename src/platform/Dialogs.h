#pragma once

#include <string>

namespace tarnwick {

// Modal boxes of the program.
class Dialogs {
 public:
  Dialogs() = default;
  Dialogs(const Dialogs&) = delete;
  Dialogs& operator=(const Dialogs&) = delete;
  virtual ~Dialogs() = default;

  // The standard error display: a modal box with the application title and an error icon.
  virtual void ShowError(const std::string& message) = 0;
  // For an error nobody is there to answer, as when the session ends: a box would hold up
  // the log-off. Goes to the debugger output.
  virtual void LogError(const std::string& message) = 0;
};

}  // namespace tarnwick
