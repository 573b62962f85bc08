#pragma once

#include <windows.h>

#include <objbase.h>

namespace tarnwick {

// COM on the calling thread for one scope, in the single-threaded apartment the shell objects
// need. Uninitialises only after a successful initialisation: a thread already in the
// multithreaded apartment gets RPC_E_CHANGED_MODE, and undoing that would tear down the
// caller's own COM.
class ComInit {
 public:
  ComInit() noexcept
      : m_initialised(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ~ComInit() {
    if (m_initialised) CoUninitialize();
  }
  ComInit(const ComInit&) = delete;
  ComInit& operator=(const ComInit&) = delete;

 private:
  bool m_initialised;
};

}  // namespace tarnwick
