#include "text_io/console.h"

#include <algorithm>

#include "text_io/ending.h"

namespace quarnell {

void StandardOutput::write_record(std::string_view record) {
  std::string line(record);
  line += "\r\n";
  if (!console_.write_out(line)) report_failure(failure::kWriteFailed, "standard output");
}

std::optional<std::string> StandardInput::read_record() {
  std::optional<std::string> line = console_.read_line();
  if (line) std::replace(line->begin(), line->end(), '\0', ' ');
  return line;
}

std::optional<std::string> read_line_bytewise(const std::function<bool(char&)>& next_byte) {
  std::string line;
  char c;
  bool ended_by_line_end = false;
  while (next_byte(c)) {
    ended_by_line_end = c == '\n';
    if (ended_by_line_end) break;
    line += c;
  }
  if (line.empty() && !ended_by_line_end) return std::nullopt;  // the input has ended
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

void pause_run(Console& console, std::string_view message) {
  std::string shown(message);
  shown += '\n';
  for (;;) {
    if (!console.write_out(shown)) report_failure(failure::kWriteFailed, "standard output");
    const std::optional<std::string> line = console.read_line();
    if (!line || line->empty()) return;
    console.run_command(*line);
  }
}

}  // namespace quarnell
