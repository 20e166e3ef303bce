#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quarnell {

// Reads a whole number text: an optional sign, digits with or without a decimal point, and
// an optional exponent (E or D, an optional sign, digits). Without a decimal point the digits
// are divided by 10 to the power `implied_decimals`. Nothing when the text is not a number.
std::optional<double> parse_number(std::string_view text, int implied_decimals = 0);

// The conversions of a read number into its target; nothing when it does not fit.
std::optional<std::int32_t> to_integer(double value);  // cut toward zero
std::optional<float> to_real(double value);

}  // namespace quarnell
