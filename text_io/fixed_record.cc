#include "text_io/fixed_record.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace quarnell {
namespace {

std::string fit(std::string digits, int width) {
  const std::size_t columns = static_cast<std::size_t>(width);
  if (digits.size() > columns) return std::string(columns, '*');
  return std::string(columns - digits.size(), ' ') + digits;
}

// A record under construction: a skip moves the position without writing, and the columns it
// passed over become blanks only when something is written beyond them.
class RecordBuilder {
 public:
  void put(std::string_view characters) {
    if (record_.size() < position_) record_.resize(position_, ' ');
    record_.replace(position_, std::min(characters.size(), record_.size() - position_), characters);
    position_ += characters.size();
  }
  void skip(int columns) { position_ += static_cast<std::size_t>(columns); }
  std::string take() {
    position_ = 0;
    return std::move(record_);
  }

 private:
  std::string record_;
  std::size_t position_ = 0;
};

std::string format_item(const LayoutElement& element, const FixedItem& item) {
  switch (element.kind) {
    case LayoutElement::Kind::kText:
      return format_text_field(std::get<std::string_view>(item), element.width);
    case LayoutElement::Kind::kInteger:
      return format_integer_field(std::get<std::int32_t>(item), element.width);
    case LayoutElement::Kind::kDecimal:
      return format_decimal_field(std::get<float>(item), element.width, element.decimals);
    default:
      throw std::logic_error("layout element takes no item");
  }
}

}  // namespace

std::string format_text_field(std::string_view text, int width) {
  const std::size_t columns = static_cast<std::size_t>(width);
  if (text.size() >= columns) return std::string(text.substr(0, columns));
  return std::string(columns - text.size(), ' ') + std::string(text);
}

std::string format_integer_field(std::int64_t value, int width) {
  return fit(std::to_string(value), width);
}

std::string format_decimal_field(double value, int width, int decimals) {
  if (!std::isfinite(value)) return std::string(static_cast<std::size_t>(width), '*');
  char buffer[64];
  const int length = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  if (length < 0 || static_cast<std::size_t>(length) >= sizeof buffer) {
    return std::string(static_cast<std::size_t>(width), '*');
  }
  std::string digits(buffer, static_cast<std::size_t>(length));
  if (decimals == 0) digits += '.';
  // The zero before the point is left out only when the field has no room for it.
  if (digits.size() > static_cast<std::size_t>(width)) {
    const std::size_t zero = digits[0] == '-' ? 1 : 0;
    if (digits.compare(zero, 2, "0.") == 0) digits.erase(zero, 1);
  }
  return fit(std::move(digits), width);
}

std::vector<std::string> lay_out_fixed_records(const Layout& layout,
                                               const std::vector<FixedItem>& items) {
  std::vector<std::string> records;
  RecordBuilder record;
  std::size_t next_item = 0;
  for (;;) {
    bool out_of_items = false;
    for (const LayoutElement& element : layout) {
      if (element.takes_item() && next_item == items.size()) {
        out_of_items = true;
        break;
      }
      switch (element.kind) {
        case LayoutElement::Kind::kLiteral:
          record.put(element.literal);
          break;
        case LayoutElement::Kind::kSkip:
          record.skip(element.width);
          break;
        case LayoutElement::Kind::kBreak:
          records.push_back(record.take());
          break;
        default:
          record.put(format_item(element, items[next_item++]));
      }
    }
    records.push_back(record.take());
    if (out_of_items || next_item == items.size()) return records;
    if (next_item == 0) throw std::logic_error("layout takes no items");
  }
}

void put_fixed_record(RecordSink& sink, const Layout& layout, const std::vector<FixedItem>& items) {
  for (const std::string& record : lay_out_fixed_records(layout, items)) {
    sink.write_record(record);
  }
}

}  // namespace quarnell
