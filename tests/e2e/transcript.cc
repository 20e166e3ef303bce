#include "tests/e2e/transcript.h"

#include <regex>
#include <sstream>

namespace quarnell::e2e {

const char kOwnershipLine[] = "*       Event series for hydrological model runs       *";

namespace {

const std::regex kNumbered(R"(^\s*\d+\|(.*)\|$)");
const std::regex kTyped(R"(^\s+typed: (.*)$)");
const std::regex kError(R"(^\s+on standard error: (.*)$)");

}  // namespace

Transcript read_transcript(const std::string& text) {
  Transcript transcript;
  std::istringstream lines(text);
  std::string line;
  std::smatch match;
  while (std::getline(lines, line)) {
    if (std::regex_match(line, match, kNumbered)) {
      std::string shown = match[1];
      if (shown.find("*....") != std::string::npos) shown = std::string(" ") + kOwnershipLine;
      // The pause message alone ends with a line feed.
      transcript.out += shown + (shown == "Hit enter to continue" ? "\n" : "\r\n");
    } else if (std::regex_match(line, match, kTyped)) {
      const std::string typed = match[1];
      transcript.input += (typed == "(an empty line)" ? "" : typed) + "\n";
    } else if (std::regex_match(line, match, kError)) {
      transcript.err += std::string(match[1]) + "\r\n";
    }
  }
  return transcript;
}

std::string read_numbered_records(const std::string& text) {
  std::string bytes;
  std::istringstream lines(text);
  std::string line;
  std::smatch match;
  while (std::getline(lines, line)) {
    if (std::regex_match(line, match, kNumbered)) bytes += std::string(match[1]) + "\r\n";
  }
  return bytes;
}

}  // namespace quarnell::e2e
