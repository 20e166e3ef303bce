#pragma once

#include <string>
#include <vector>

#include "text_io/text_files.h"

namespace quarnell {

constexpr std::size_t kNameSlots = 601;
constexpr std::size_t kNameLength = 256;

// The run's file names: FLN slots 1 to 23 hold the current event's data-file names and slot
// 99 its event-file path when the writer is called; FLN1 is the event-file path.
struct NameList {
  std::vector<std::string> FLN;  // FLN[0] is slot 1
  std::string FLN1 = std::string(kNameLength, ' ');
};

// The slot numbered from 1.
inline std::string& slot(NameList& names, std::size_t number) { return names.FLN[number - 1]; }
inline const std::string& slot(const NameList& names, std::size_t number) {
  return names.FLN[number - 1];
}

// The data-file names of the event and its event-file path, through temp3.fls.
void compose_event_names(TextFiles& files, const std::string& BSNME, const std::string& EVTNAME,
                         NameList& names);

// event\events_to_follow.txt: one line per event file written, the path padded to 72.
void open_events_list(TextFiles& files);
void list_event_file(TextFiles& files, const NameList& names);
void close_events_list(TextFiles& files);

}  // namespace quarnell
