#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "event_file/record_table.h"
#include "series/name_list.h"
#include "series/run_settings.h"

namespace quarnell {

// The values of one event that its records carry.
struct EventValues {
  std::string_view YY1;
  std::string_view MM1;
  std::string_view DD1;
  std::string_view HH1;
  std::string_view EVTNAME;
  std::int32_t EVTHOURS;
  const RunSettings& settings;
  const NameList& names;
};

// The characters of one record. A date text or event name shorter than its declared length
// stops the run here, before the record is written.
std::string build_event_record(const RecordRow& row, const EventValues& values);

}  // namespace quarnell
