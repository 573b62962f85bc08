#pragma once

#include <utility>

namespace tarnwick {

// Move-only owner of one handle. Traits supply the handle type, its invalid value and the
// release call:
//   struct Traits {
//     using Value = ...;
//     static Value Invalid() noexcept;
//     static void Close(Value) noexcept;
//   };
// Kept free of <windows.h> so that its rules can be tested with a fake traits type.
template <typename Traits>
class UniqueHandle {
 public:
  using Value = typename Traits::Value;

  UniqueHandle() noexcept = default;
  explicit UniqueHandle(Value value) noexcept : m_value(value) {}
  UniqueHandle(UniqueHandle&& other) noexcept : m_value(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  Value Get() const noexcept { return m_value; }
  explicit operator bool() const noexcept { return m_value != Traits::Invalid(); }

  // Gives up ownership without closing.
  Value Release() noexcept { return std::exchange(m_value, Traits::Invalid()); }

  // Closes the current handle, if any, and takes value.
  void Reset(Value value = Traits::Invalid()) noexcept {
    Value old = std::exchange(m_value, value);
    if (old != Traits::Invalid()) Traits::Close(old);
  }

 private:
  Value m_value = Traits::Invalid();
};

}  // namespace tarnwick
