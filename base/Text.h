#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Blanks (0x20 only) removed from both ends; inner blanks stay.
std::string_view TrimBlanks(std::string_view s);

// A decimal 32-bit signed integer: leading blanks skipped, then decimal digits only up
// to the end, at most 2147483647. Anything else (signs, inner or trailing blanks, an
// empty text) gives nothing.
std::optional<std::int32_t> ParseDecimal(std::string_view s);

// value in decimal, zero-filled in front to at least width digits (width 0: none).
std::string FormatDecimal(std::int64_t value, int width = 0);

// Upper-cased by the system's rules for the ANSI code page (CharUpperBuffA).
std::string UpperCase(std::string s);
