#include "base/Text.h"

#include <windows.h>

#include <charconv>

std::string_view TrimBlanks(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::optional<std::int32_t> ParseDecimal(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  s.remove_prefix(first);
  // from_chars would take a leading minus sign; only digits are numbers here.
  if (s.front() < '0' || s.front() > '9') return std::nullopt;
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

std::string FormatDecimal(std::int64_t value, int width) {
  char digits[24];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  std::string_view text(digits, end - digits);
  std::string out;
  const bool negative = value < 0;
  if (negative) {
    out += '-';
    text.remove_prefix(1);
  }
  const int shown = static_cast<int>(text.size()) + (negative ? 1 : 0);
  if (width > shown) out.append(width - shown, '0');
  out += text;
  return out;
}

std::string UpperCase(std::string s) {
  if (!s.empty()) CharUpperBuffA(s.data(), static_cast<DWORD>(s.size()));
  return s;
}
