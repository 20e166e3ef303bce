#include "text_io/fixed_read.h"

#include <stdexcept>

#include "text_io/ending.h"
#include "text_io/fixed_text.h"
#include "text_io/number_text.h"

namespace quarnell {
namespace {

std::string next_record(RecordSource& source) {
  std::optional<std::string> record = source.read_record();
  if (!record) report_failure(failure::kEndOfInput, source.source_name());
  return std::move(*record);
}

// Columns [column, column + width) of the record, blanks beyond its end.
std::string columns_of(const std::string& record, std::size_t column, int width) {
  const std::size_t columns = static_cast<std::size_t>(width);
  std::string field = column < record.size() ? record.substr(column, columns) : std::string();
  field.resize(columns, ' ');
  return field;
}

double read_number(const std::string& field, int decimals, RecordSource& source) {
  std::string packed;
  for (const char c : field) {
    if (c != ' ') packed += c;
  }
  if (packed.empty()) return 0;
  const std::optional<double> number = parse_number(packed, decimals);
  if (!number) report_failure(failure::kBadNumberField, source.source_name());
  return *number;
}

void store(const LayoutElement& element, const std::string& field, const FixedTarget& target,
           RecordSource& source) {
  if (const auto* text = std::get_if<TextTarget>(&target)) {
    if (element.kind != LayoutElement::Kind::kText) throw std::logic_error("text target");
    // A wider field keeps its rightmost characters; a narrower one is padded.
    *text->text = field.size() >= text->length ? field.substr(field.size() - text->length)
                                               : assign_text(field, text->length);
    return;
  }
  if (element.kind == LayoutElement::Kind::kText) throw std::logic_error("number target");
  const double number = read_number(field, element.decimals, source);
  if (auto* const* integer = std::get_if<std::int32_t*>(&target)) {
    const std::optional<std::int32_t> value = to_integer(number);
    if (!value) report_failure(failure::kBadNumberField, source.source_name());
    **integer = *value;
  } else {
    const std::optional<float> value = to_real(number);
    if (!value) report_failure(failure::kBadNumberField, source.source_name());
    *std::get<float*>(target) = *value;
  }
}

}  // namespace

void get_fixed_record(RecordSource& source, const Layout& layout,
                      const std::vector<FixedTarget>& targets) {
  std::string record = next_record(source);
  std::size_t column = 0;
  std::size_t next_target = 0;
  for (;;) {
    for (const LayoutElement& element : layout) {
      if (element.takes_item() && next_target == targets.size()) return;
      switch (element.kind) {
        case LayoutElement::Kind::kSkip:
          column += static_cast<std::size_t>(element.width);
          break;
        case LayoutElement::Kind::kBreak:
          record = next_record(source);
          column = 0;
          break;
        case LayoutElement::Kind::kLiteral:
          throw std::logic_error("a literal cannot be read");
        default:
          store(element, columns_of(record, column, element.width), targets[next_target++], source);
          column += static_cast<std::size_t>(element.width);
      }
    }
    if (next_target == targets.size()) return;
    if (next_target == 0) throw std::logic_error("layout takes no targets");
    record = next_record(source);
    column = 0;
  }
}

}  // namespace quarnell
