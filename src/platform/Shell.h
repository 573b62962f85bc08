#pragma once

#include <cstdint>
#include <string>

namespace tarnwick {

// A window of any process, as an opaque value; 0 is none.
using WindowId = uintptr_t;

// What launching items needs of the desktop.
class Shell {
 public:
  Shell() = default;
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;
  virtual ~Shell() = default;

  // Opens a program, document, folder or address with its default verb. Failures are silent.
  virtual void Open(const std::string& file, const std::string& parameters, const std::string& folder,
                    int showCommand) = 0;
  virtual WindowId ForegroundWindow() = 0;
  virtual WindowId FindTopWindow(const std::string& className, const std::string& title) = 0;
  // True for every window of this process.
  virtual bool IsOwnWindow(WindowId window) = 0;
  // Sends a message without waiting for it to be handled; the answer is not used.
  virtual void SendWindowMessage(WindowId window, uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
};

}  // namespace tarnwick
