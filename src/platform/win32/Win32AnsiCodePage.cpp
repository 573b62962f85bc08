#include "platform/win32/Win32AnsiCodePage.h"

#include <windows.h>

#include <climits>

#include "platform/win32/Unicode.h"

namespace tarnwick {

namespace {

std::wstring DecodeCodePage(UINT codePage, std::string_view bytes) {
  if (bytes.empty() || bytes.size() > INT_MAX) return {};
  const int length = static_cast<int>(bytes.size());
  const int needed = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring result(static_cast<size_t>(needed), L'\0');
  if (MultiByteToWideChar(codePage, 0, bytes.data(), length, result.data(), needed) != needed) {
    return {};
  }
  return result;
}

}  // namespace

Win32AnsiCodePage::Win32AnsiCodePage() : m_codePage(GetACP()) {}

Win32AnsiCodePage::Win32AnsiCodePage(unsigned codePage) : m_codePage(codePage) {}

std::string Win32AnsiCodePage::ToUtf8(std::string_view ansi) const {
  return Narrow(DecodeCodePage(m_codePage, ansi));
}

std::optional<std::string> Win32AnsiCodePage::FromUtf8(std::string_view utf8) const {
  if (utf8.empty()) return std::string();
  const std::wstring wide = Widen(utf8);
  if (wide.empty() || wide.size() > INT_MAX) return std::nullopt;
  // The flags and the default-char flag are not allowed with CP_UTF8; the text already is UTF-8.
  if (m_codePage == CP_UTF8) return std::string(utf8);

  const int length = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  // Without WC_NO_BEST_FIT_CHARS, characters missing from the code page turn silently into
  // look-alikes (U+0100 into 'A' under 1252) instead of being reported.
  const int needed = WideCharToMultiByte(m_codePage, WC_NO_BEST_FIT_CHARS, wide.data(), length,
                                         nullptr, 0, nullptr, &usedDefault);
  if (needed <= 0 || usedDefault) return std::nullopt;
  std::string result(static_cast<size_t>(needed), '\0');
  if (WideCharToMultiByte(m_codePage, WC_NO_BEST_FIT_CHARS, wide.data(), length, result.data(),
                          needed, nullptr, &usedDefault) != needed ||
      usedDefault) {
    return std::nullopt;
  }
  // Some code pages map a character to bytes that read back as another one without setting
  // the default-char flag; only an exact round trip counts.
  if (DecodeCodePage(m_codePage, result) != wide) return std::nullopt;
  return result;
}

}  // namespace tarnwick
