#include "series/calendar.h"

#include <array>

#include "text_io/ending.h"
#include "text_io/fixed_read.h"
#include "text_io/fixed_record.h"
#include "text_io/free_line.h"

namespace quarnell {
namespace {

// Hours of each month of a year of 365 days, twice over.
constexpr std::array<std::int32_t, 24> MOHOURS = {744, 672, 744, 720, 744, 720, 744, 744,
                                                  720, 744, 720, 744, 744, 672, 744, 720,
                                                  744, 720, 744, 744, 720, 744, 720, 744};

bool is_leap_year(std::int32_t year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Entry k (from 1) stands for month ((k-1) mod 12) + 1 of year `year` + (k-1) div 12.
std::int32_t month_hours(std::int32_t year, std::int32_t entry) {
  check_subscript("MOHOURS", 1, entry, 1, static_cast<std::int32_t>(MOHOURS.size()));
  std::int32_t hours = MOHOURS[static_cast<std::size_t>(entry - 1)];
  const bool february = (entry - 1) % 12 == 1;
  if (february && is_leap_year(year + (entry - 1) / 12)) hours += 24;
  return hours;
}

}  // namespace

std::int32_t event_hours(std::int32_t year, std::int32_t month, std::int32_t months_per_event) {
  std::int32_t hours = 0;
  for (std::int32_t entry = month; entry < month + months_per_event; ++entry) {
    hours += month_hours(year, entry);
  }
  return hours;
}

void split_start_text(const RunSettings& settings, SeriesCursor& cursor) {
  cursor.YY1 = settings.START.substr(0, 4);
  cursor.MM1 = settings.START.substr(5, 2);
  cursor.DD1 = settings.START.substr(8, 2);
  cursor.HH1 = settings.START.substr(11, 2);
}

void name_first_event(TextFiles& files, SeriesCursor& cursor) {
  // The opening is not examined here: a failed one is reported at the first write.
  files.open(Channel::kScratch, "temp0.fls", OnOpenFailure::kReturnStatus);
  TextFile& temp0 = files.on(Channel::kScratch);
  put_fixed_record(temp0, {text_field(4), text_field(2), text_field(2), text_field(2)},
                   {cursor.YY1, cursor.MM1, cursor.DD1, cursor.HH1});
  temp0.rewind();
  get_fixed_record(temp0, {text_field(8)}, {TextTarget{&cursor.EVTNAME, 8}});
  temp0.rewind();
  std::int32_t day = 0;
  std::int32_t hour = 0;
  get_fixed_record(temp0, {integer_field(4), integer_field(2), integer_field(2), integer_field(2)},
                   {&cursor.YEAR, &cursor.MONTH, &day, &hour});
  files.close(Channel::kScratch);
}

void step_to_next_event(TextFiles& files, const RunSettings& settings, SeriesCursor& cursor) {
  if (settings.months_per_event == 1) {
    cursor.MONTH = (cursor.MONTH + 1) % 12;
    if (cursor.MONTH == 0) cursor.MONTH = 12;
    if (cursor.MONTH == 1) ++cursor.YEAR;
  } else if (settings.months_per_event == 12) {
    ++cursor.YEAR;
  }
  // The opening is not examined here: a failed one is reported at the first write.
  files.open(Channel::kScratch, "temp5.fls", OnOpenFailure::kReturnStatus);
  TextFile& temp5 = files.on(Channel::kScratch);
  if (cursor.MONTH <= 9) {
    put_fixed_record(temp5, {integer_field(4), literal("0"), integer_field(1), literal("01")},
                     {cursor.YEAR, cursor.MONTH});
  } else {
    put_fixed_record(temp5, {integer_field(4), integer_field(2), literal("01")},
                     {cursor.YEAR, cursor.MONTH});
  }
  temp5.rewind();
  get_fixed_record(temp5, {text_field(8)}, {TextTarget{&cursor.EVTNAME, 8}});
  temp5.rewind();
  get_fixed_record(
      temp5, {text_field(4), text_field(2), text_field(2)},
      {TextTarget{&cursor.YY1, 4}, TextTarget{&cursor.MM1, 2}, TextTarget{&cursor.DD1, 2}});
  // Left open: the next opening on the channel, temp1.fls, closes it.
}

void hours_in_event(Console& console, const RunSettings& settings, SeriesCursor& cursor) {
  if (settings.months_per_event != 1 && settings.months_per_event != 12) {
    StandardOutput out(console);
    put_free_line(out, {"No of months per event not eq to 1 or 12"});
    put_free_line(out, {});
    abort_run("Program aborted in evt @ 130");
  }
  cursor.EVTHOURS = event_hours(cursor.YEAR, cursor.MONTH, settings.months_per_event);
}

void record_event_date(TextFiles& files, bool first_event, SeriesCursor& cursor) {
  files.open(Channel::kScratch, "temp1.fls", OnOpenFailure::kEndRun);
  TextFile& temp1 = files.on(Channel::kScratch);
  put_fixed_record(temp1,
                   {text_field(4), skip(1), text_field(2), skip(1), text_field(2), skip(1),
                    text_field(2), skip(1)},
                   {cursor.YY1, cursor.MM1, cursor.DD1, cursor.HH1});
  temp1.rewind();
  // Read back and dropped; the number read stops the run when the year became asterisks.
  std::string date_text(13, ' ');
  get_fixed_record(temp1, {text_field(13)}, {TextTarget{&date_text, 13}});
  temp1.rewind();
  std::int32_t year_digit = 0;
  get_fixed_record(temp1, {skip(3), integer_field(2)}, {&year_digit});
  temp1.rewind();
  files.close(Channel::kScratch);

  if (!first_event) return;
  files.open(Channel::kScratch, "temp2.fls", OnOpenFailure::kEndRun);
  TextFile& temp2 = files.on(Channel::kScratch);
  put_fixed_record(temp2, {text_field(4), text_field(2), text_field(2)},
                   {cursor.YY1, cursor.MM1, cursor.DD1});
  temp2.rewind();
  get_fixed_record(temp2, {text_field(8)}, {TextTarget{&cursor.EVTNAME, 8}});
  files.close(Channel::kScratch);
}

}  // namespace quarnell
