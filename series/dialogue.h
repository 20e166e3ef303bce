#pragma once

#include "series/run_settings.h"
#include "text_io/console.h"

namespace quarnell {

// The number of events, the months per event and the start text.
void ask_opening_questions(Console& console, RunSettings& settings);

// The model questions, the disaggregation rate, the reporting step and the basin name.
void ask_first_event_questions(Console& console, RunSettings& settings);

}  // namespace quarnell
