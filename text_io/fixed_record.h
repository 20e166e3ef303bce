#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "text_io/layout.h"
#include "text_io/records.h"

namespace quarnell {

using FixedItem = std::variant<std::string_view, std::int32_t, float>;

// The fields of a fixed-layout record. A value too wide for its field gives asterisks.
std::string format_text_field(std::string_view text, int width);
std::string format_integer_field(std::int64_t value, int width);
std::string format_decimal_field(double value, int width, int decimals);

// The records that the layout makes of the items, without line ends.
std::vector<std::string> lay_out_fixed_records(const Layout& layout,
                                               const std::vector<FixedItem>& items);

void put_fixed_record(RecordSink& sink, const Layout& layout, const std::vector<FixedItem>& items);

}  // namespace quarnell
