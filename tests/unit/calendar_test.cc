#include "series/calendar.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "tests/support/case_name.h"
#include "tests/support/ending_of.h"
#include "tests/support/scripted_console.h"
#include "tests/support/temp_directory.h"
#include "text_io/platform/platform.h"

namespace quarnell {
namespace {

using testing::ending_of;
using testing::read_whole_file;
using testing::ScriptedConsole;
using testing::TempDirectory;
using testing::write_whole_file;

struct HoursCase {
  std::int32_t year;
  std::int32_t month;
  std::int32_t months_per_event;
  std::int32_t hours;
};

std::ostream& operator<<(std::ostream& out, const HoursCase& c) {
  return out << c.year << " " << c.month << " x" << c.months_per_event;
}

class EventHours : public ::testing::TestWithParam<HoursCase> {};

TEST_P(EventHours, FollowTheGregorianCalendar) {
  const HoursCase c = GetParam();
  EXPECT_EQ(event_hours(c.year, c.month, c.months_per_event), c.hours);
}

INSTANTIATE_TEST_SUITE_P(OneMonth, EventHours,
                         ::testing::Values(HoursCase{2015, 1, 1, 744}, HoursCase{2015, 2, 1, 672},
                                           HoursCase{2015, 4, 1, 720}, HoursCase{2015, 12, 1, 744},
                                           HoursCase{2016, 2, 1, 696}, HoursCase{1900, 2, 1, 672},
                                           HoursCase{2000, 2, 1, 696}, HoursCase{2100, 2, 1, 672}));

// Twelve-month events get the leap day of the February they contain, whichever year it is in.
INSTANTIATE_TEST_SUITE_P(
    TwelveMonths, EventHours,
    ::testing::Values(HoursCase{1999, 10, 12, 8784}, HoursCase{2000, 10, 12, 8760},
                      HoursCase{2001, 10, 12, 8760}, HoursCase{2000, 1, 12, 8784},
                      HoursCase{2000, 3, 12, 8760}, HoursCase{1999, 3, 12, 8784},
                      HoursCase{1900, 1, 12, 8760}, HoursCase{2099, 3, 12, 8760},
                      HoursCase{2015, 1, 12, 8760}, HoursCase{2015, 3, 12, 8784}));

// Start months 13 to 24 take the table's second half: the months of the next year.
INSTANTIATE_TEST_SUITE_P(SecondYearOfTheTable, EventHours,
                         ::testing::Values(HoursCase{2015, 13, 1, 744}, HoursCase{2015, 14, 1, 696},
                                           HoursCase{2016, 14, 1, 672}, HoursCase{1899, 14, 1, 672},
                                           HoursCase{1999, 14, 1, 696}, HoursCase{2015, 24, 1, 744},
                                           HoursCase{2015, 13, 12, 8784},
                                           HoursCase{2016, 13, 12, 8760},
                                           HoursCase{2099, 13, 12, 8760}));

struct CheckCase {
  std::int32_t month;
  std::int32_t months_per_event;
  const char* kind;
  std::int32_t entry;  // the MOHOURS entry the stop names
};

std::ostream& operator<<(std::ostream& out, const CheckCase& c) {
  return out << "month " << c.month << " x" << c.months_per_event;
}

class MohoursCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(MohoursCheck, StopsTheRunNamingTheEntry) {
  const CheckCase c = GetParam();
  const auto ending = ending_of([&] { event_hours(2015, c.month, c.months_per_event); });
  ASSERT_TRUE(ending.has_value());
  EXPECT_EQ(ending->status(), 408);
  const std::string line = ending->what();
  EXPECT_NE(line.find("408"), std::string::npos) << line;
  EXPECT_NE(line.find(std::string("check ") + c.kind), std::string::npos) << line;
  const std::size_t array = line.find("MOHOURS");
  ASSERT_NE(array, std::string::npos) << line;
  EXPECT_NE(line.find(" " + std::to_string(c.entry), array), std::string::npos) << line;
}

INSTANTIATE_TEST_SUITE_P(EntryOutsideOneToTwentyFour, MohoursCheck,
                         ::testing::Values(CheckCase{25, 1, "10", 25}, CheckCase{14, 12, "10", 25},
                                           CheckCase{0, 1, "11", 0}, CheckCase{0, 12, "11", 0},
                                           CheckCase{-3, 1, "11", -3}));

TEST(HoursInEvent, RefusesMonthsPerEventOtherThanOneOrTwelve) {
  for (const std::int32_t months : {0, 2, 6, 24, -1}) {
    ScriptedConsole console("");
    RunSettings settings;
    settings.months_per_event = months;
    SeriesCursor cursor;
    cursor.YEAR = 2015;
    cursor.MONTH = 1;
    const auto ending = ending_of([&] { hours_in_event(console, settings, cursor); });
    ASSERT_TRUE(ending.has_value()) << months;
    EXPECT_STREQ(ending->what(), "Program aborted in evt @ 130");
    EXPECT_EQ(ending->status(), 1);
    EXPECT_EQ(console.out, " No of months per event not eq to 1 or 12\r\n \r\n");
  }
}

TEST(HoursInEvent, SetsTheHoursOfTheCursorsMonth) {
  ScriptedConsole console("");
  RunSettings settings;
  SeriesCursor cursor;
  cursor.YEAR = 2000;
  cursor.MONTH = 2;
  settings.months_per_event = 1;
  hours_in_event(console, settings, cursor);
  EXPECT_EQ(cursor.EVTHOURS, 696);
  settings.months_per_event = 12;
  hours_in_event(console, settings, cursor);
  EXPECT_EQ(cursor.EVTHOURS, 8784);
  EXPECT_EQ(console.out, "");
}

// The calendar's steps on the real scratch files, in a working directory of their own.
class CalendarFiles : public ::testing::Test {
 protected:
  TempDirectory directory_;
  std::unique_ptr<FileSystem> file_system_ = platform::make_file_system();
  TextFiles files_{*file_system_};
};

struct StepCase {
  const char* name;
  std::int32_t months_per_event;
  std::int32_t year;
  std::int32_t month;
  std::int32_t next_year;
  std::int32_t next_month;
  const char* name_record;
};

class StepToNextEvent : public CalendarFiles, public ::testing::WithParamInterface<StepCase> {};

TEST_P(StepToNextEvent, WritesTheNameRecordAndTakesTheTextsFromIt) {
  const StepCase c = GetParam();
  write_whole_file("temp5.fls", "an earlier run's record\r\nand another\r\n");
  RunSettings settings;
  settings.months_per_event = c.months_per_event;
  SeriesCursor cursor;
  cursor.YEAR = c.year;
  cursor.MONTH = c.month;
  cursor.DD1 = "17";
  cursor.HH1 = "06";

  step_to_next_event(files_, settings, cursor);
  files_.close_all();

  const std::string name = c.name_record;
  EXPECT_EQ(cursor.YEAR, c.next_year);
  EXPECT_EQ(cursor.MONTH, c.next_month);
  EXPECT_EQ(cursor.EVTNAME, name);
  EXPECT_EQ(cursor.YY1, name.substr(0, 4));
  EXPECT_EQ(cursor.MM1, name.substr(4, 2));
  EXPECT_EQ(cursor.DD1, "01");
  EXPECT_EQ(cursor.HH1, "06");  // the typed hour holds for every event
  EXPECT_EQ(read_whole_file("temp5.fls"), name + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Months, StepToNextEvent,
    ::testing::Values(StepCase{"AugustToSeptember", 1, 2015, 8, 2015, 9, "20150901"},
                      StepCase{"SeptemberToOctober", 1, 2015, 9, 2015, 10, "20151001"},
                      StepCase{"NovemberToDecember", 1, 2015, 11, 2015, 12, "20151201"},
                      StepCase{"DecemberToJanuaryOfTheNextYear", 1, 2015, 12, 2016, 1, "20160101"},
                      StepCase{"TwelveMonthsKeepTheMonth", 12, 2015, 10, 2016, 10, "20161001"},
                      StepCase{"TwelveMonthsFromDecember", 12, 1999, 12, 2000, 12, "20001201"},
                      StepCase{"ThreeDigitYearIsRightJustified", 1, 999, 1, 999, 2, " 9990201"},
                      StepCase{"YearPastFourDigitsIsAsterisks", 12, 9999, 3, 10000, 3, "****0301"}),
    quarnell::testing::CaseName());

TEST_F(CalendarFiles, YearOfAsterisksEndsTheRunAtTheDateRecord) {
  RunSettings settings;
  settings.months_per_event = 12;
  SeriesCursor cursor;
  cursor.YEAR = 9999;
  cursor.MONTH = 1;
  cursor.HH1 = "00";
  step_to_next_event(files_, settings, cursor);

  const auto ending = ending_of([&] { record_event_date(files_, false, cursor); });
  files_.close_all();
  ASSERT_TRUE(ending.has_value());
  EXPECT_EQ(ending->status(), 64);
  EXPECT_NE(std::string(ending->what()).find("temp1.fls"), std::string::npos) << ending->what();
  EXPECT_EQ(read_whole_file("temp1.fls"), "**** 01 01 00\r\n");
}

TEST_F(CalendarFiles, DateRecordOfTheFirstAndOfALaterEvent) {
  SeriesCursor cursor;
  cursor.YY1 = "2015";
  cursor.MM1 = "03";
  cursor.DD1 = "17";
  cursor.HH1 = "06";
  record_event_date(files_, true, cursor);
  EXPECT_EQ(read_whole_file("temp1.fls"), "2015 03 17 06\r\n");
  EXPECT_EQ(read_whole_file("temp2.fls"), "20150317\r\n");
  EXPECT_EQ(cursor.EVTNAME, "20150317");

  cursor.YY1 = "2015";
  cursor.MM1 = "04";
  cursor.DD1 = "01";
  cursor.EVTNAME = "20150401";
  record_event_date(files_, false, cursor);
  EXPECT_EQ(read_whole_file("temp1.fls"), "2015 04 01 06\r\n");
  EXPECT_EQ(read_whole_file("temp2.fls"), "20150317\r\n");  // the first event's alone
  EXPECT_EQ(cursor.EVTNAME, "20150401");
}

struct StartCase {
  const char* name;
  const char* START;  // 13 characters, as the answer leaves it
  const char* temp0;
  const char* EVTNAME;
  std::int32_t year;
  std::int32_t month;
};

class NameFirstEvent : public CalendarFiles, public ::testing::WithParamInterface<StartCase> {};

TEST_P(NameFirstEvent, TakesNameYearAndMonthFromTheStartText) {
  const StartCase c = GetParam();
  RunSettings settings;
  settings.START = c.START;
  SeriesCursor cursor;
  split_start_text(settings, cursor);
  name_first_event(files_, cursor);

  EXPECT_EQ(read_whole_file("temp0.fls"), std::string(c.temp0) + "\r\n");
  EXPECT_EQ(cursor.EVTNAME, c.EVTNAME);
  EXPECT_EQ(cursor.YEAR, c.year);
  EXPECT_EQ(cursor.MONTH, c.month);
}

INSTANTIATE_TEST_SUITE_P(
    StartTexts, NameFirstEvent,
    ::testing::Values(
        StartCase{"Documented", "2015 03 17 06", "2015031706", "20150317", 2015, 3},
        // Fields are taken by column, so single digits shift into other fields.
        StartCase{"SingleDigitFields", "2015 1 1 0   ", "20151  0  ", "20151  0", 2015, 1},
        StartCase{"ShortText", "2015 01      ", "201501    ", "201501  ", 2015, 1},
        StartCase{"MonthOfTheSecondYear", "2015 13 01 00", "2015130100", "20151301", 2015, 13}),
    quarnell::testing::CaseName());

TEST_F(CalendarFiles, NonNumericStartFieldIsFailure64OnTemp0) {
  for (const char* START : {"2015 ab 01 00", "201x 01 01 00", "2015 01 a1 00", "2015 01 01 0h"}) {
    RunSettings settings;
    settings.START = START;
    SeriesCursor cursor;
    split_start_text(settings, cursor);
    const auto ending = ending_of([&] { name_first_event(files_, cursor); });
    files_.close_all();
    ASSERT_TRUE(ending.has_value()) << START;
    EXPECT_EQ(ending->status(), 64) << START;
    EXPECT_NE(std::string(ending->what()).find("temp0.fls"), std::string::npos) << ending->what();
  }
}

}  // namespace
}  // namespace quarnell
