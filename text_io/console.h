#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "text_io/records.h"

namespace quarnell {

// The console as the operating system offers it. The platform layer provides the real one;
// tests provide their own.
class Console {
 public:
  virtual ~Console() = default;
  // One line of standard input without its line end (a CR before the LF is dropped); a last
  // line without a line end still counts. Nothing once the input has ended. Reads no further
  // than the line end, so a command run at a pause sees the rest of the input.
  virtual std::optional<std::string> read_line() = 0;
  // False when the operating system refuses the bytes.
  virtual bool write_out(std::string_view bytes) = 0;
  virtual void write_err(std::string_view bytes) = 0;
  // Runs a command line through the platform's command interpreter and waits for it.
  virtual void run_command(const std::string& command_line) = 0;
};

class StandardOutput final : public RecordSink {
 public:
  explicit StandardOutput(Console& console) : console_(console) {}
  void write_record(std::string_view record) override;

 private:
  Console& console_;
};

class StandardInput final : public RecordSource {
 public:
  explicit StandardInput(Console& console) : console_(console) {}
  // A zero byte typed in an answer reads as a blank: no file of the tool ever holds one.
  std::optional<std::string> read_record() override;
  std::string_view source_name() const override { return "standard input"; }

 private:
  Console& console_;
};

// One line read a byte at a time, `next_byte` giving false at the end of the input: reading
// stops at the line end, so nothing after it is taken from the input. A CR before the LF is
// dropped; a last line without a line end still counts.
std::optional<std::string> read_line_bytewise(const std::function<bool(char&)>& next_byte);

// Shows the message until the user enters an empty line; any other line is run as a command.
// When standard input has ended the pause ends too, so a run answered from a file never hangs.
void pause_run(Console& console, std::string_view message);

}  // namespace quarnell
