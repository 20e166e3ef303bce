#include "text_io/ending.h"

namespace quarnell {
namespace {

const char* describe(int number) {
  switch (number) {
    case failure::kAccessRefused:
      return "access to the file is refused, even for reading";
    case failure::kEndOfInput:
      return "the input ended before the read was done";
    case failure::kNotFound:
      return "the file, or a directory on its path, does not exist";
    case failure::kCannotOpen:
      return "the file cannot be opened";
    case failure::kWriteFailed:
      return "a record cannot be written";
    case failure::kReadFailed:
      return "a record cannot be read";
    case failure::kNoSuchDrive:
      return "the drive does not exist";
    case failure::kInvalidName:
      return "the file name is not valid";
    case failure::kReadOnly:
      return "a write to a file that could only be opened for reading";
    case failure::kNotANumber:
      return "the answer is not a number";
    case failure::kBadNumberField:
      return "a number field holds a character that is not part of a number";
    default:
      return "the operation failed";
  }
}

[[noreturn]] void stop_check(int kind, const std::string& words) {
  throw RunEnded("failure 408, check " + std::to_string(kind) + ": " + words,
                 failure::kCheckFailed);
}

}  // namespace

void end_run(std::string_view message) { throw RunEnded(std::string(message), 0); }

void abort_run(std::string_view message) { throw RunEnded(std::string(message), 1); }

void report_failure(int number, std::string_view what) {
  throw RunEnded(
      "failure " + std::to_string(number) + ": " + describe(number) + ": " + std::string(what),
      number);
}

void check_subscript(std::string_view array, int position, std::int64_t value, std::int64_t lower,
                     std::int64_t upper) {
  if (value >= lower && value <= upper) return;
  const std::string subscript = "subscript " + std::to_string(position) + " of the array " +
                                std::string(array) + " has the value " + std::to_string(value);
  if (value < lower) {
    stop_check(11, subscript + ", less than the lower bound " + std::to_string(lower));
  }
  stop_check(10, subscript + ", greater than the upper bound " + std::to_string(upper));
}

void check_text_length(std::string_view text, std::size_t declared, std::size_t received) {
  if (received < declared) {
    stop_check(19, "the text " + std::string(text) + " handed to write_event is " +
                       std::to_string(received) + " characters long, shorter than its declared " +
                       "length " + std::to_string(declared));
  }
}

}  // namespace quarnell
