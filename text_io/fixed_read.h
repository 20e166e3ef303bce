#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "text_io/layout.h"
#include "text_io/records.h"

namespace quarnell {

// A text variable of a fixed length that a text field is read into.
struct TextTarget {
  std::string* text;
  std::size_t length;
};

using FixedTarget = std::variant<TextTarget, std::int32_t*, float*>;

// Reads fields by column from the source's next record (more records when the layout ends
// while targets are left). A short record reads as if filled with blanks. A number field
// holding anything but a number ends the run with failure 64; the end of the source with 24.
void get_fixed_record(RecordSource& source, const Layout& layout,
                      const std::vector<FixedTarget>& targets);

}  // namespace quarnell
