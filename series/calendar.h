#pragma once

#include <cstdint>

#include "series/run_settings.h"
#include "series/series_cursor.h"
#include "text_io/console.h"
#include "text_io/text_files.h"

namespace quarnell {

// The hours of an event of 1 or 12 months starting in `month` of `year`, after the Gregorian
// calendar. `month` indexes the two-year table MOHOURS (1 to 24); an entry outside it stops
// the run with a run-time check.
std::int32_t event_hours(std::int32_t year, std::int32_t month, std::int32_t months_per_event);

// Takes YY1, MM1, DD1 and HH1 from columns 1-4, 6-7, 9-10 and 12-13 of the start text.
void split_start_text(const RunSettings& settings, SeriesCursor& cursor);

// The first event's name, year and month, through temp0.fls.
void name_first_event(TextFiles& files, SeriesCursor& cursor);

// On to the first day of the next month or of the same month a year later, through temp5.fls.
void step_to_next_event(TextFiles& files, const RunSettings& settings, SeriesCursor& cursor);

// Sets EVTHOURS; ends the run when the months per event is neither 1 nor 12.
void hours_in_event(Console& console, const RunSettings& settings, SeriesCursor& cursor);

// The event's date record in temp1.fls, and in the first event temp2.fls.
void record_event_date(TextFiles& files, bool first_event, SeriesCursor& cursor);

}  // namespace quarnell
