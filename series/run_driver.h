#pragma once

#include "text_io/console.h"
#include "text_io/file_system.h"

namespace quarnell {

// One whole run, from the opening banner to its ending. Returns the exit status; every way of
// ending has written its line to standard error and closed the files by then.
int run_quarnell(Console& console, FileSystem& file_system);

}  // namespace quarnell
