#include "platform/win32/Win32RunList.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/win32/Unicode.h"

namespace tarnwick {
namespace {

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::optional<std::wstring> RunValue(const std::wstring& name) {
  wchar_t data[1024] = {};
  DWORD size = sizeof data;
  if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, name.c_str(), RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(data);
}

TEST(Win32RunListTest, WritesReplacesAndRemovesTheEntry) {
  // A name of this test's own, so that a real entry of the program is never touched.
  const std::string name = "Tarnwick test " + std::to_string(GetCurrentProcessId());
  const std::wstring wideName = Widen(name);
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_READ, nullptr, &key, nullptr),
            ERROR_SUCCESS)
      << "the Run key of this profile";
  RegCloseKey(key);

  Win32RunList runList;
  ASSERT_TRUE(runList.Set(name, "\"C:\\Program Files\\T\xC3\xA4rnwick\\Tarnwick.exe\""));
  EXPECT_EQ(RunValue(wideName), std::optional<std::wstring>(L"\"C:\\Program Files\\T\u00E4rnwick\\Tarnwick.exe\""));
  ASSERT_TRUE(runList.Set(name, "D:\\Tarnwick.exe"));
  EXPECT_EQ(RunValue(wideName), std::optional<std::wstring>(L"D:\\Tarnwick.exe"));
  runList.Remove(name);
  EXPECT_EQ(RunValue(wideName), std::nullopt);
  runList.Remove(name);  // already gone: nothing happens
}

}  // namespace
}  // namespace tarnwick
