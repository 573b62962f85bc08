#include "platform/win32/Win32ApplicationHost.h"

#include <utility>

#include "platform/win32/Unicode.h"

namespace tarnwick {

Win32ApplicationHost::Win32ApplicationHost(std::wstring instanceName)
    : m_instanceName(std::move(instanceName)) {}

bool Win32ApplicationHost::AnotherInstanceRunning() {
  if (m_anotherRunning) return *m_anotherRunning;
  // The mutex closes the gap between two starts at the same moment, before either has created
  // its window; the class check also finds a copy that does not take the mutex.
  m_mutex.Reset(CreateMutexW(nullptr, FALSE, m_instanceName.c_str()));
  const DWORD error = GetLastError();
  // ERROR_ACCESS_DENIED: the mutex exists but belongs to a copy run by another account
  // (elevated, say) of this session.
  const bool mutexExisted = m_mutex ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
  m_anotherRunning = mutexExisted || FindWindowW(m_instanceName.c_str(), nullptr) != nullptr;
  return *m_anotherRunning;
}

std::string Win32ApplicationHost::ExecutableFolder() {
  const std::string path = ExecutablePath();
  const size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string Win32ApplicationHost::ExecutablePath() {
  // GetModuleFileNameW truncates silently (returning the buffer size) when the path is longer.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
  return Narrow(path);
}

void Win32ApplicationHost::RunMessageLoop() {
  MSG message{};
  // GetMessageW returns -1 on an error (a bad handle); that ends the loop as well.
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Windows with edit and list boxes get the keys of a dialog: Tab between the controls,
    // Enter and Esc as their accept and cancel.
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && (GetWindowLongPtrW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0 &&
        IsDialogMessageW(root, &message)) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace tarnwick
