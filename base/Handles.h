#pragma once
#include <windows.h>

#include <utility>

// Owns one system handle and closes it on every path. Traits give the handle type,
// the value that means "none" and how to close it.
template <typename Traits>
class UniqueHandle {
 public:
  using Value = typename Traits::Value;

  UniqueHandle() = default;
  explicit UniqueHandle(Value value) : value_(value) {}
  UniqueHandle(UniqueHandle&& other) noexcept : value_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  Value Get() const { return value_; }
  bool Valid() const { return value_ != Traits::None(); }
  explicit operator bool() const { return Valid(); }

  Value Release() { return std::exchange(value_, Traits::None()); }
  void Reset(Value value = Traits::None()) {
    if (Valid()) Traits::Close(value_);
    value_ = value;
  }

 private:
  Value value_ = Traits::None();
};

struct FileHandleTraits {
  using Value = HANDLE;
  static Value None() { return INVALID_HANDLE_VALUE; }
  static void Close(Value h) { CloseHandle(h); }
};
struct KernelHandleTraits {  // process and thread handles: null when missing
  using Value = HANDLE;
  static Value None() { return nullptr; }
  static void Close(Value h) { CloseHandle(h); }
};
struct FindHandleTraits {
  using Value = HANDLE;
  static Value None() { return INVALID_HANDLE_VALUE; }
  static void Close(Value h) { FindClose(h); }
};
struct LibraryTraits {
  using Value = HMODULE;
  static Value None() { return nullptr; }
  static void Close(Value h) { FreeLibrary(h); }
};

using FileHandle = UniqueHandle<FileHandleTraits>;
using KernelHandle = UniqueHandle<KernelHandleTraits>;
using FindHandle = UniqueHandle<FindHandleTraits>;
using Library = UniqueHandle<LibraryTraits>;
