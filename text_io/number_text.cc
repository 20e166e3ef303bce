#include "text_io/number_text.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace quarnell {
namespace {

bool is_digit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Exponents beyond this overflow or underflow every target anyway.
constexpr long kExponentLimit = 100000;

}  // namespace

std::optional<double> parse_number(std::string_view text, int implied_decimals) {
  std::size_t i = 0;
  std::string normal;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) normal += text[i++];
  std::size_t digits = 0;
  while (i < text.size() && is_digit(text[i])) normal += text[i++], ++digits;
  bool has_point = false;
  if (i < text.size() && text[i] == '.') {
    has_point = true;
    normal += text[i++];
    while (i < text.size() && is_digit(text[i])) normal += text[i++], ++digits;
  }
  if (digits == 0) return std::nullopt;
  long exponent = 0;
  if (i < text.size()) {
    const char marker = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
    if (marker != 'E' && marker != 'D') return std::nullopt;
    ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    for (; i < text.size(); ++i) {
      if (!is_digit(text[i])) return std::nullopt;
      if (exponent < kExponentLimit) exponent = exponent * 10 + (text[i] - '0');
    }
    if (negative) exponent = -exponent;
  }
  if (!has_point) exponent -= implied_decimals;
  normal += 'E';
  normal += std::to_string(exponent);
  return std::strtod(normal.c_str(), nullptr);
}

std::optional<std::int32_t> to_integer(double value) {
  const double whole = std::trunc(value);
  if (!(whole >= std::numeric_limits<std::int32_t>::min() &&
        whole <= std::numeric_limits<std::int32_t>::max())) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(whole);
}

std::optional<float> to_real(double value) {
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
    return std::nullopt;
  }
  return static_cast<float>(value);
}

}  // namespace quarnell
