#include "text_io/free_answer.h"

#include <cctype>

#include "text_io/ending.h"
#include "text_io/number_text.h"

namespace quarnell {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool ends_value(char c) { return is_blank(c) || c == ',' || c == '/'; }

// Reads lines until one holds a value or a null value; nothing means a null value.
std::optional<double> next_free_value(RecordSource& source) {
  for (;;) {
    const std::optional<std::string> line = source.read_record();
    if (!line) report_failure(failure::kEndOfInput, source.source_name());
    const FreeValue value = scan_free_value(*line);
    switch (value.kind) {
      case FreeValue::Kind::kNone:
        continue;
      case FreeValue::Kind::kNull:
        return std::nullopt;
      case FreeValue::Kind::kNotANumber:
        report_failure(failure::kNotANumber, source.source_name());
      case FreeValue::Kind::kNumber:
        return value.number;
    }
  }
}

}  // namespace

FreeValue scan_free_value(std::string_view line) {
  std::size_t start = 0;
  while (start < line.size() && is_blank(line[start])) ++start;
  if (start == line.size()) return {FreeValue::Kind::kNone};
  std::size_t end = start;
  while (end < line.size() && !ends_value(line[end])) ++end;
  std::string_view value = line.substr(start, end - start);
  if (value.empty()) return {FreeValue::Kind::kNull};  // a comma or a slash comes first

  // A repeat count r*v stands for r copies of v; r* alone for r null values.
  const std::size_t star = value.find('*');
  if (star != std::string_view::npos) {
    const std::string_view count = value.substr(0, star);
    const bool count_ok = !count.empty() &&
                          count.find_first_not_of("0123456789") == std::string_view::npos &&
                          count.find_first_not_of('0') != std::string_view::npos;
    if (!count_ok) return {FreeValue::Kind::kNotANumber};
    value.remove_prefix(star + 1);
    if (value.empty()) return {FreeValue::Kind::kNull};
  }
  const std::optional<double> number = parse_number(value);
  if (!number) return {FreeValue::Kind::kNotANumber};
  return {FreeValue::Kind::kNumber, *number};
}

void get_free_integer(RecordSource& source, std::int32_t& target) {
  const std::optional<double> value = next_free_value(source);
  if (!value) return;
  const std::optional<std::int32_t> integer = to_integer(*value);
  if (!integer) report_failure(failure::kBadNumberField, source.source_name());
  target = *integer;
}

void get_free_real(RecordSource& source, float& target) {
  const std::optional<double> value = next_free_value(source);
  if (!value) return;
  const std::optional<float> real = to_real(*value);
  if (!real) report_failure(failure::kBadNumberField, source.source_name());
  target = *real;
}

}  // namespace quarnell
