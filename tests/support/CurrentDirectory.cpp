#include "tests/support/CurrentDirectory.h"

#include <windows.h>

#include <gtest/gtest.h>

std::string CurrentDirectory() {
  char buffer[MAX_PATH];
  const DWORD n = GetCurrentDirectoryA(MAX_PATH, buffer);
  return n < MAX_PATH ? std::string(buffer, n) : std::string();
}

CurrentDirectoryAt::CurrentDirectoryAt(const std::string& path) : saved_(CurrentDirectory()) {
  EXPECT_TRUE(SetCurrentDirectoryA(path.c_str())) << path;
}

CurrentDirectoryAt::~CurrentDirectoryAt() { SetCurrentDirectoryA(saved_.c_str()); }
