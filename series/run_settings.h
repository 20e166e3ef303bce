#pragma once

#include <cstdint>
#include <string>

namespace quarnell {

// The user's answers. Each y/n answer is kept as typed: only a lower-case y counts as yes.
struct RunSettings {
  std::int32_t event_count = 0;
  std::int32_t months_per_event = 0;
  std::string START = std::string(13, ' ');
  char snwflg = ' ';
  char vapflg = ' ';
  char smrflg = ' ';
  char resinflg = ' ';
  char wetflg = ' ';
  char divertflg = ' ';
  char lakeflg = ' ';
  char iceflg = ' ';
  float disaggregate = 0.0f;
  std::int32_t deltat_report = 0;
  std::string BSNME = std::string(8, ' ');
};

}  // namespace quarnell
