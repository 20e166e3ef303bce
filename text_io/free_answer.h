#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "text_io/records.h"

namespace quarnell {

// What the first value of an answer line is.
struct FreeValue {
  enum class Kind { kNone, kNull, kNumber, kNotANumber };
  Kind kind;
  double number = 0;
};

// Looks at one line: kNone when it holds no value (empty or blanks), kNull for a comma or slash
// before any value or a repeat count without a value, otherwise the first value.
FreeValue scan_free_value(std::string_view line);

// Read one answer, line by line until a line holds a value; the rest of that line is passed
// over. A null value leaves the target unchanged. Letters end the run with failure 59, the end
// of the input with failure 24, a value that does not fit the target with failure 64.
void get_free_integer(RecordSource& source, std::int32_t& target);
void get_free_real(RecordSource& source, float& target);

}  // namespace quarnell
