#include "platform/win32/Win32RunList.h"

#include <windows.h>

#include "platform/win32/Unicode.h"

namespace tarnwick {

namespace {

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The open Run key, closed when it goes.
class RunKey {
 public:
  RunKey() {
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &m_key) != ERROR_SUCCESS) m_key = nullptr;
  }
  ~RunKey() {
    if (m_key != nullptr) RegCloseKey(m_key);
  }
  RunKey(const RunKey&) = delete;
  RunKey& operator=(const RunKey&) = delete;
  HKEY Get() const { return m_key; }

 private:
  HKEY m_key = nullptr;
};

}  // namespace

bool Win32RunList::Set(const std::string& name, const std::string& command) {
  const RunKey key;
  if (key.Get() == nullptr) return false;
  const std::wstring data = Widen(command);
  const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key.Get(), Widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                        bytes) == ERROR_SUCCESS;
}

void Win32RunList::Remove(const std::string& name) {
  const RunKey key;
  if (key.Get() != nullptr) RegDeleteValueW(key.Get(), Widen(name).c_str());
}

}  // namespace tarnwick
