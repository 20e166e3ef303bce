#include "text_io/fixed_text.h"

namespace quarnell {

std::string assign_text(std::string_view source, std::size_t width) {
  std::string text(source.substr(0, width));
  text.resize(width, ' ');
  return text;
}

}  // namespace quarnell
