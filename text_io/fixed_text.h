#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quarnell {

// Copies a text into a variable of the given width: a longer text is cut on the right, a
// shorter one is followed by blanks. Every text variable of the system is kept full this way.
std::string assign_text(std::string_view source, std::size_t width);

}  // namespace quarnell
