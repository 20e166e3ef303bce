#pragma once

#include <string>
#include <vector>

#include "text_io/console.h"

namespace quarnell::testing {

// A console answered from a string. Output is kept; a command typed at a pause is recorded
// and never run.
class ScriptedConsole final : public Console {
 public:
  explicit ScriptedConsole(std::string input) : input_(std::move(input)) {}

  // Lines as the real console gives them: split at LF, one CR before it dropped, a last line
  // without a line end still counted.
  std::optional<std::string> read_line() override;
  bool write_out(std::string_view bytes) override;
  void write_err(std::string_view bytes) override { err.append(bytes); }
  void run_command(const std::string& command_line) override { commands.push_back(command_line); }

  std::string out;
  std::string err;
  std::vector<std::string> commands;

 private:
  std::string input_;
  std::size_t next_ = 0;
};

}  // namespace quarnell::testing
