#include "event_file/event_record.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/case_name.h"
#include "tests/support/ending_of.h"
#include "tests/support/example_event.h"
#include "text_io/fixed_text.h"

namespace quarnell {
namespace {

using testing::ending_of;
using testing::ExampleEvent;

// A keyword padded to column 30, then the value.
std::string keyed(const std::string& keyword, const std::string& value) {
  return assign_text(keyword, 30) + value;
}

struct RecordCase {
  const char* name;
  std::size_t record;
  void (*change)(ExampleEvent&);
  std::string expected;
};

void as_documented(ExampleEvent&) {}

class EventRecord : public ::testing::TestWithParam<RecordCase> {};

TEST_P(EventRecord, HoldsExactlyItsCharacters) {
  const RecordCase& c = GetParam();
  ExampleEvent event;
  c.change(event);
  EXPECT_EQ(event.record(c.record), c.expected);
}

INSTANTIATE_TEST_SUITE_P(EachKind, EventRecord,
                         ::
                             testing::Values(RecordCase{"Comment", 1, as_documented, "#"},
                                             RecordCase{"ConstantWithTrailingBlanks", 3,
                                                        as_documented,
                                                        ":fileversionno                9.9  "},
                                             RecordCase{"Year", 4, as_documented,
                                                        keyed(":year", "2015")},
                                             RecordCase{"LongerYearIsCut", 4,
                                                        [](ExampleEvent& e) { e.YY1 = "20151"; },
                                                        keyed(":year", "2015")},
                                             RecordCase{"MonthAsTyped", 5,
                                                        [](ExampleEvent& e) { e.MM1 = "1 "; },
                                                        keyed(":month", "1 ")},
                                             RecordCase{"Day", 6, as_documented,
                                                        keyed(":day", "01")},
                                             RecordCase{"BlankHour", 7,
                                                        [](ExampleEvent& e) { e.HH1 = "  "; },
                                                        keyed(":hour", "  ")},
                                             RecordCase{"FlagLowerCaseY", 9, as_documented,
                                                        keyed(":snwflg", "y")},
                                             RecordCase{
                                                 "FlagUpperCaseY", 9,
                                                 [](ExampleEvent& e) { e.settings.snwflg = 'Y'; },
                                                 keyed(":snwflg", "Y")},
                                             RecordCase{
                                                 "FlagBlank", 11,
                                                 [](ExampleEvent& e) { e.settings.vapflg = ' '; },
                                                 keyed(":vapflg", " ")},
                                             RecordCase{
                                                 "FlagAnyCharacter", 36,
                                                 [](ExampleEvent& e) { e.settings.iceflg = 'x'; },
                                                 keyed(":iceflg", "x")},
                                             RecordCase{"DisaggregateZero", 46, as_documented,
                                                        keyed(":disaggregate", " 0.00")},
                                             RecordCase{"DisaggregateTwoAndAHalf", 46,
                                                        [](ExampleEvent& e) {
                                                          e.settings.disaggregate = 2.5f;
                                                        },
                                                        keyed(":disaggregate", " 2.50")},
                                             RecordCase{"DisaggregateNegative", 46,
                                                        [](ExampleEvent& e) {
                                                          e.settings.disaggregate = -1.5f;
                                                        },
                                                        keyed(":disaggregate", "-1.50")},
                                             RecordCase{"DisaggregateHundredIsAsterisks", 46,
                                                        [](ExampleEvent& e) {
                                                          e.settings.disaggregate = 100.0f;
                                                        },
                                                        keyed(":disaggregate", "*****")},
                                             RecordCase{"DisaggregateMinusTenIsAsterisks", 46,
                                                        [](ExampleEvent& e) {
                                                          e.settings.disaggregate = -10.0f;
                                                        },
                                                        keyed(":disaggregate", "*****")},
                                             RecordCase{"HoursOfALeapYear", 48,
                                                        [](ExampleEvent& e) { e.EVTHOURS = 8784; },
                                                        keyed(":hoursraindata", " 8784")},
                                             RecordCase{"FlowHours", 49, as_documented,
                                                        keyed(":hoursflowdata", "  744")},
                                             RecordCase{"ReportingStepNegative", 50,
                                                        [](ExampleEvent& e) {
                                                          e.settings.deltat_report = -5;
                                                        },
                                                        keyed(":deltat_report", "   -5")},
                                             RecordCase{"ReportingStepTooWideIsAsterisks", 50,
                                                        [](ExampleEvent& e) {
                                                          e.settings.deltat_report = 100000;
                                                        },
                                                        keyed(":deltat_report", "*****")},
                                             RecordCase{
                                                 "SlotPaddedToSixty", 52,
                                                 as_documented, keyed(":basinfilename", assign_text("basin\\gr10k_shd.r2c", 30))},
                                             RecordCase{"SlotCutAfterThirty", 53,
                                                        [](ExampleEvent& e) {
                                                          slot(e.names, 2) = assign_text(
                                                              "basin\\abcdefghijklmnopqrstuvwxyz012"
                                                              "3",
                                                              kNameLength);
                                                        },
                                                        keyed(":parfilename",
                                                              "basin\\abcdefghijklmnopqrstuvwx")},
                                             RecordCase{"ComposedNameWithLongSuffix", 59,
                                                        as_documented,
                                                        keyed(":pointsoilmoisture",
                                                              "moist\\20150101_psm.pt2")},
                                             RecordCase{"ComposedNameWithShortSuffix", 82,
                                                        as_documented,
                                                        keyed(":radarfile", "raduc\\20150101.rad")},
                                             RecordCase{
                                                 "LongerEventNameIsCut", 104,
                                                 [](ExampleEvent& e) { e.EVTNAME = "201501019"; },
                                                 keyed(":griddedleakage",
                                                       "lkage\\20150101_lkg.r2c")},
                                             RecordCase{"EmptyName", 62, as_documented,
                                                        assign_text(":pointnetradiation", 36)},
                                             RecordCase{"Empty", 80, as_documented, ""},
                                             RecordCase{"EventsToFollow", 106, as_documented,
                                                        ":noeventstofollow                 00"},
                                             RecordCase{"EndOfFile", 108, as_documented, "eof"}),
                         quarnell::testing::CaseName());

struct ShortTextCase {
  const char* text;
  std::size_t record;  // the first record that uses the text
  void (*shorten)(ExampleEvent&);
};

class EventRecordShortText : public ::testing::TestWithParam<ShortTextCase> {};

TEST_P(EventRecordShortText, StopsTheRunNamingTheText) {
  const ShortTextCase& c = GetParam();
  ExampleEvent event;
  c.shorten(event);
  EXPECT_FALSE(ending_of([&] { event.record(c.record - 1); }).has_value());
  const auto ending = ending_of([&] { event.record(c.record); });
  ASSERT_TRUE(ending.has_value());
  EXPECT_EQ(ending->status(), 408);
  const std::string line = ending->what();
  EXPECT_NE(line.find("check 19"), std::string::npos) << line;
  EXPECT_NE(line.find(std::string(" ") + c.text + " "), std::string::npos) << line;
}

INSTANTIATE_TEST_SUITE_P(
    DateTextsAndEventName, EventRecordShortText,
    ::testing::Values(ShortTextCase{"YY1", 4, [](ExampleEvent& e) { e.YY1 = "201"; }},
                      ShortTextCase{"MM1", 5, [](ExampleEvent& e) { e.MM1 = "1"; }},
                      ShortTextCase{"DD1", 6, [](ExampleEvent& e) { e.DD1 = ""; }},
                      ShortTextCase{"HH1", 7, [](ExampleEvent& e) { e.HH1 = "0"; }},
                      ShortTextCase{"EVTNAME", 59, [](ExampleEvent& e) { e.EVTNAME = "2015010"; }}),
    [](const ::testing::TestParamInfo<ShortTextCase>& test) { return test.param.text; });

}  // namespace
}  // namespace quarnell
