#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quarnell {

// Failure numbers: each is also the exit status of a run ended by its failure report.
namespace failure {
constexpr int kAccessRefused = 9;
constexpr int kEndOfInput = 24;
constexpr int kNotFound = 29;
constexpr int kCannotOpen = 30;
constexpr int kWriteFailed = 38;
constexpr int kReadFailed = 39;
constexpr int kNoSuchDrive = 42;
constexpr int kInvalidName = 43;
constexpr int kReadOnly = 47;
constexpr int kNotANumber = 59;
constexpr int kBadNumberField = 64;
constexpr int kCheckFailed = 408;
}  // namespace failure

// Carries the ending of a run from wherever it is decided to the entry point, which writes
// the line to standard error, closes every open file and exits with the status.
class RunEnded : public std::runtime_error {
 public:
  RunEnded(const std::string& line, int status) : std::runtime_error(line), status_(status) {}
  int status() const { return status_; }

 private:
  int status_;
};

// "Normal ending": exit status 0.
[[noreturn]] void end_run(std::string_view message);

// The system's own abort messages: exit status 1, so that a caller never takes them for success.
[[noreturn]] void abort_run(std::string_view message);

// `what` names the file, or "standard input" for the console.
[[noreturn]] void report_failure(int number, std::string_view what);

// Stops the run (failure 408) unless lower <= value <= upper. `position` is which subscript
// of the array it is (1 for the first).
void check_subscript(std::string_view array, int position, std::int64_t value, std::int64_t lower,
                     std::int64_t upper);

// Stops the run (failure 408) when a text handed to write_event is shorter than declared.
void check_text_length(std::string_view text, std::size_t declared, std::size_t received);

}  // namespace quarnell
