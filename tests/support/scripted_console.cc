#include "tests/support/scripted_console.h"

namespace quarnell::testing {

std::optional<std::string> ScriptedConsole::read_line() {
  if (next_ >= input_.size()) return std::nullopt;
  std::size_t end = input_.find('\n', next_);
  if (end == std::string::npos) end = input_.size();
  std::string line = input_.substr(next_, end - next_);
  next_ = end + 1;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

bool ScriptedConsole::write_out(std::string_view bytes) {
  out.append(bytes);
  return true;
}

}  // namespace quarnell::testing
