#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "text_io/records.h"

namespace quarnell {

// An item of a free-form line: a text with its whole declared length, or an integer.
using FreeItem = std::variant<std::string_view, std::int32_t>;

// Lays the items out in lines of at most 80 characters: a leading blank, texts joined
// directly, integers in 12 columns, long texts continued on new lines. No items: a blank line.
std::vector<std::string> lay_out_free_line(std::initializer_list<FreeItem> items);

void put_free_line(RecordSink& sink, std::initializer_list<FreeItem> items);

}  // namespace quarnell
