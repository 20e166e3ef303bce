#pragma once

#include <string>

namespace quarnell::e2e {

// A console session written out as numbered lines between bars, with the user's answers on
// "typed:" lines and the end message on an "on standard error:" line.
struct Transcript {
  std::string input;
  std::string out;
  std::string err;
};

// Reads such a session. Dots in the banner's ownership line stand for the tool's own text.
Transcript read_transcript(const std::string& text);

// Reads a file shown as numbered records between bars into its bytes, CR LF after each.
std::string read_numbered_records(const std::string& text);

// The banner's ownership line as the tool prints it, without the leading blank.
extern const char kOwnershipLine[];

}  // namespace quarnell::e2e
