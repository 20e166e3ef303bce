#pragma once

#include <cstdint>
#include <string_view>

#include "series/name_list.h"
#include "series/run_settings.h"
#include "text_io/console.h"
#include "text_io/text_files.h"

namespace quarnell {

// What the writer reads from the run and never changes.
struct EventWriterContext {
  TextFiles& files;
  Console& console;
  const RunSettings& settings;
  const NameList& names;
};

// Writes the event file named in FLN slot 99: the 108 records, then closes it. When the file
// cannot be opened it says so on the console and ends the run.
void write_event(const EventWriterContext& context, std::string_view YY1, std::string_view MM1,
                 std::string_view DD1, std::string_view HH1, std::string_view EVTNAME,
                 std::int32_t EVTHOURS);

}  // namespace quarnell
