#pragma once

#include <string>
#include <vector>

#include "tests/e2e/harness.h"

namespace quarnell::e2e {

// The paths that event\events_to_follow.txt names, '/'-separated, in order.
std::vector<std::string> listed_event_files(const Tree& after);

// The records of a text, each without its CR LF; a half record at the end is its last item.
std::vector<std::string> records_of(const std::string& text);

// What every ending leaves: no file ends in a half record, and the list names only event
// files that are whole (108 records).
void expect_whole_records(const Tree& after);

}  // namespace quarnell::e2e
