#pragma once

#include <windows.h>

namespace tarnwick::test {

// Dispatches this thread's messages until done() holds or timeoutMs pass; true when done.
// Sets *quitSeen when a WM_QUIT comes by (it is otherwise dropped).
template <typename Done>
bool PumpUntil(Done done, DWORD timeoutMs = 3000, bool* quitSeen = nullptr) {
  const ULONGLONG start = GetTickCount64();
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        if (quitSeen != nullptr) *quitSeen = true;
        continue;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (done()) return true;
    if (GetTickCount64() - start >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// Dispatches messages for a fixed time.
inline void PumpFor(DWORD milliseconds, bool* quitSeen = nullptr) {
  PumpUntil([] { return false; }, milliseconds, quitSeen);
}

}  // namespace tarnwick::test
