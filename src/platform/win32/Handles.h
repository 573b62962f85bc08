#pragma once

#include <windows.h>

#include "platform/win32/UniqueHandle.h"

namespace tarnwick {

// Kernel objects whose creators return null on failure (CreateMutexW, ...).
struct KernelHandleTraits {
  using Value = HANDLE;
  static Value Invalid() noexcept { return nullptr; }
  static void Close(Value handle) noexcept { ::CloseHandle(handle); }
};

// CreateFileW returns INVALID_HANDLE_VALUE, not null, on failure.
struct FileHandleTraits {
  using Value = HANDLE;
  static Value Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Value handle) noexcept { ::CloseHandle(handle); }
};

struct WindowTraits {
  using Value = HWND;
  static Value Invalid() noexcept { return nullptr; }
  static void Close(Value window) noexcept { ::DestroyWindow(window); }
};

template <typename T>
struct GdiObjectTraits {
  using Value = T;
  static Value Invalid() noexcept { return nullptr; }
  static void Close(Value object) noexcept { ::DeleteObject(object); }
};

// Icons made or extracted by the program (ExtractIconExW, CreateIconIndirect, ...); never
// shared icons from LoadIcon, which must not be destroyed.
struct IconTraits {
  using Value = HICON;
  static Value Invalid() noexcept { return nullptr; }
  static void Close(Value icon) noexcept { ::DestroyIcon(icon); }
};

// A DC made with CreateCompatibleDC; a DC taken from a window is a WindowDc instead.
struct MemoryDcTraits {
  using Value = HDC;
  static Value Invalid() noexcept { return nullptr; }
  static void Close(Value dc) noexcept { ::DeleteDC(dc); }
};

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFileHandle = UniqueHandle<FileHandleTraits>;
using UniqueHwnd = UniqueHandle<WindowTraits>;
template <typename T>
using UniqueGdiObject = UniqueHandle<GdiObjectTraits<T>>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;

// The DC of a window (or of the screen, for a null window) from GetDC. ReleaseDC needs the
// window as well as the DC, so both are kept.
class WindowDc {
 public:
  explicit WindowDc(HWND window) noexcept : m_window(window), m_dc(::GetDC(window)) {}
  WindowDc(WindowDc&& other) noexcept
      : m_window(other.m_window), m_dc(std::exchange(other.m_dc, nullptr)) {}
  WindowDc& operator=(WindowDc&&) = delete;
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (m_dc != nullptr) ::ReleaseDC(m_window, m_dc);
  }

  HDC Get() const noexcept { return m_dc; }
  explicit operator bool() const noexcept { return m_dc != nullptr; }

 private:
  HWND m_window;
  HDC m_dc;
};

// Selects an object into a DC for one scope and puts the previous one back, so that the
// object is no longer selected when its owner deletes it (DeleteObject fails on a selected
// object and leaks it). Declare the object's owner before this scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) noexcept
      : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() {
    if (m_previous != nullptr && m_previous != HGDI_ERROR) ::SelectObject(m_dc, m_previous);
  }

 private:
  HDC m_dc;
  HGDIOBJ m_previous;
};

}  // namespace tarnwick
