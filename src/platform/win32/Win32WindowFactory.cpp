#include "platform/win32/Win32WindowFactory.h"

#include <stdexcept>

#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Window.h"

namespace tarnwick {

namespace {

constexpr wchar_t kOwnerClass[] = L"TarnwickOwner";

[[noreturn]] void ThrowLastError(const char* what) {
  const DWORD error = GetLastError();
  throw std::runtime_error(std::string(what) + " failed (error " + std::to_string(error) + ")");
}

// The application icon from the resources, at one system size. LR_SHARED: the system keeps the
// icon for the life of the module, as long as the classes that show it. Null without the
// resource (the test programs have none); the class then gets the default icon.
HICON AppIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
  return static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON,
                                       GetSystemMetrics(widthMetric),
                                       GetSystemMetrics(heightMetric), LR_SHARED));
}

// A class registered by another factory in this process is fine: it has the same procedure.
bool Register(const WNDCLASSEXW& windowClass) {
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

Win32WindowFactory::Win32WindowFactory(Dialogs& dialogs, HIMAGELIST images, HIMAGELIST pickerImages)
    : m_dialogs(dialogs), m_images(images), m_pickerImages(pickerImages), m_instance(GetModuleHandleW(nullptr)) {}

std::unique_ptr<Window> Win32WindowFactory::Create(const WindowSpec& spec, WindowEvents& events) {
  const std::wstring className = Widen(spec.className);
  RegisterClassOnce(className);
  const DWORD exStyle =
      (spec.topmost ? WS_EX_TOPMOST : 0) | (spec.toolWindow ? WS_EX_TOOLWINDOW : 0);
  HWND owner = spec.toolWindow ? nullptr : Owner();
  // A click on a topmost tool window (a menu) must leave the user's application active.
  const bool noActivate = spec.topmost && spec.toolWindow;
  std::unique_ptr<Win32Window> window(
      new Win32Window(events, m_dialogs, m_images, m_pickerImages, spec.mainWindow, noActivate));
  const Rect& b = spec.bounds;
  if (CreateWindowExW(exStyle, className.c_str(), Widen(spec.title).c_str(), WS_POPUP, b.left,
                      b.top, b.Width(), b.Height(), owner, nullptr, m_instance,
                      window.get()) == nullptr) {
    ThrowLastError("CreateWindowExW");
  }
  return window;
}

void Win32WindowFactory::RegisterClassOnce(const std::wstring& className) {
  if (m_registered.contains(className)) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = &Win32Window::WindowProc;
  windowClass.hInstance = m_instance;
  windowClass.hIcon = AppIcon(m_instance, SM_CXICON, SM_CYICON);
  windowClass.hIconSm = AppIcon(m_instance, SM_CXSMICON, SM_CYSMICON);
  // A class without a cursor leaves whatever shape the pointer had when it entered.
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  // No background brush: the windows paint every pixel themselves.
  windowClass.hbrBackground = nullptr;
  windowClass.lpszClassName = className.c_str();
  if (!Register(windowClass)) ThrowLastError("RegisterClassExW");
  m_registered.insert(className);
}

HWND Win32WindowFactory::Owner() {
  if (m_owner) return m_owner.Get();
  if (!m_registered.contains(kOwnerClass)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &DefWindowProcW;
    windowClass.hInstance = m_instance;
    windowClass.hIcon = AppIcon(m_instance, SM_CXICON, SM_CYICON);
    windowClass.hIconSm = AppIcon(m_instance, SM_CXSMICON, SM_CYSMICON);
    windowClass.lpszClassName = kOwnerClass;
    if (!Register(windowClass)) ThrowLastError("RegisterClassExW");
    m_registered.insert(kOwnerClass);
  }
  // Never shown; an owned window has no task-bar button of its own.
  m_owner.Reset(CreateWindowExW(0, kOwnerClass, L"Tarnwick", WS_POPUP, 0, 0, 0, 0, nullptr,
                               nullptr, m_instance, nullptr));
  if (!m_owner) ThrowLastError("CreateWindowExW");
  return m_owner.Get();
}

}  // namespace tarnwick
