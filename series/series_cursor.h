#pragma once

#include <cstdint>
#include <string>

namespace quarnell {

// The calendar state of the current event.
struct SeriesCursor {
  std::int32_t YEAR = 0;
  std::int32_t MONTH = 0;
  std::string YY1 = std::string(4, ' ');
  std::string MM1 = std::string(2, ' ');
  std::string DD1 = std::string(2, ' ');
  std::string HH1 = std::string(2, ' ');
  std::string EVTNAME = std::string(8, ' ');
  std::int32_t EVTHOURS = 0;
};

}  // namespace quarnell
