// The files of whole series, and of runs over the files of an earlier run, byte for byte.
#include <gtest/gtest.h>

#include "tests/e2e/documented_run.h"
#include "tests/e2e/harness.h"
#include "tests/support/case_name.h"

namespace quarnell::e2e {
namespace {

using Files = std::map<std::string, std::string>;

struct Event {
  std::string name;  // YYYYMMDD
  int hours;
};

struct SeriesCase {
  const char* test_name;
  const char* months;
  const char* start;
  std::vector<Event> events;
};

class Series : public ::testing::TestWithParam<SeriesCase> {};

TEST_P(Series, LeavesEachEventFileTheListAndTheLastEventsScratchFiles) {
  const SeriesCase& c = GetParam();
  Answers answers;
  answers.events = std::to_string(c.events.size());
  answers.months = c.months;
  answers.start = c.start;
  const Outcome run = run_tool(answers.text(), event_folder());

  Files files = {{"evt_info.txt", ""}, {"event/events_to_follow.txt", ""}};
  std::vector<std::string> paths;
  for (const Event& event : c.events) {
    const std::string path = "event\\" + event.name + ".evt";
    const std::string hours =
        std::string(5 - std::to_string(event.hours).size(), ' ') + std::to_string(event.hours);
    files["event/" + event.name + ".evt"] =
        example_event_file({{4, keyed(":year", event.name.substr(0, 4))},
                            {5, keyed(":month", event.name.substr(4, 2))},
                            {48, keyed(":hoursraindata", hours)},
                            {49, keyed(":hoursflowdata", hours)}},
                           event.name);
    files["event/events_to_follow.txt"] += list_line(path);
    paths.push_back(path);
  }
  const std::string first = c.events.front().name;
  const std::string last = c.events.back().name;
  files["temp0.fls"] = first + "00\r\n";
  files["temp2.fls"] = first + "\r\n";
  files["temp5.fls"] = last + "\r\n";
  files["temp1.fls"] = last.substr(0, 4) + " " + last.substr(4, 2) + " 01 00\r\n";
  files["temp3.fls"] = temp3_records("gr10k", last);

  EXPECT_EQ(run.out, documented_run_out(answers, paths));
  EXPECT_EQ(run.err, "Normal ending\r\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.after.files, files);
}

INSTANTIATE_TEST_SUITE_P(
    Calendars, Series,
    ::testing::Values(SeriesCase{"ThreeMonthsFrom2015",
                                 "1",
                                 "2015 01 01 00",
                                 {{"20150101", 744}, {"20150201", 672}, {"20150301", 744}}},
                      SeriesCase{"MonthsOverTheNewYear",
                                 "1",
                                 "1999 11 01 00",
                                 {{"19991101", 720}, {"19991201", 744}, {"20000101", 744}}},
                      // Each yearly event counts the leap day of the February it contains.
                      SeriesCase{"YearsFromOctober1999",
                                 "12",
                                 "1999 10 01 00",
                                 {{"19991001", 8784}, {"20001001", 8760}, {"20011001", 8760}}}),
    [](const ::testing::TestParamInfo<SeriesCase>& test) { return test.param.test_name; });

struct EarlierFileCase {
  const char* name;
  const char* path;
  std::string before;
  bool kept;  // else it ends as the example run leaves it
};

std::string lines_of(int count, const std::string& line) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += line + "\r\n";
  return bytes;
}

class EarlierFile : public ::testing::TestWithParam<EarlierFileCase> {};

TEST_P(EarlierFile, IsReplacedWhenWrittenAndKeptWhenNot) {
  const EarlierFileCase& c = GetParam();
  Tree before = event_folder();
  before.files[c.path] = c.before;
  const Answers answers;
  const Outcome run = run_tool(answers.text(), before);

  Files files = example_run_files();
  if (c.kept) files[c.path] = c.before;
  EXPECT_EQ(run.out, documented_run_out(answers, {"event\\20150101.evt"}));
  EXPECT_EQ(run.err, "Normal ending\r\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.after.files, files);
}

INSTANTIATE_TEST_SUITE_P(
    Files, EarlierFile,
    ::testing::Values(
        EarlierFileCase{"LongerEventFile", "event/20150101.evt",
                        lines_of(200, ":pointprecip                  raing\\19990101_rag.tb0"),
                        false},
        EarlierFileCase{"LongerEventsList", "event/events_to_follow.txt",
                        lines_of(5, list_line("event\\19990101.evt")), false},
        EarlierFileCase{"LongerNameList", "temp3.fls", lines_of(40, "basin\\old_shd.r2c"), false},
        EarlierFileCase{"EvtInfo", "evt_info.txt", "notes of an earlier run\r\nand more\r\n", true},
        // A run of one event does not step, so it leaves the name record of an earlier run.
        EarlierFileCase{"NameRecordOfAStep", "temp5.fls", "19990201\r\n", true}),
    quarnell::testing::CaseName());

}  // namespace
}  // namespace quarnell::e2e
