// Numbers typed into the dialogs' fields.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace kvarnel {

// The decimal value of the digits at the start of text: 0 when it starts with anything else
// (a blank or a minus sign included, so a pasted text never gives a negative number); nothing
// when the value does not fit in 32 bits.
constexpr std::optional<std::int32_t> leadingNumber(std::string_view text) {
  std::int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

} // namespace kvarnel
