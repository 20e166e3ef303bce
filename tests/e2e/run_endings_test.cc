// Runs that end before or without an event file: what each shows, its status and the files
// it leaves, byte for byte.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/e2e/documented_run.h"
#include "tests/e2e/harness.h"
#include "tests/support/case_name.h"

namespace quarnell::e2e {
namespace {

using Files = std::map<std::string, std::string>;

const Files kEvtInfoOnly = {{"evt_info.txt", ""}};

// What the first event's date steps leave before its questions.
const Files kFirstEventDated = {{"event/events_to_follow.txt", ""},
                                {"evt_info.txt", ""},
                                {"temp0.fls", "2015010100\r\n"},
                                {"temp1.fls", "2015 01 01 00\r\n"},
                                {"temp2.fls", "20150101\r\n"}};

struct MonthsCase {
  const char* name;
  const char* events;
  const char* months;
};

class MonthsPerEvent : public ::testing::TestWithParam<MonthsCase> {};

TEST_P(MonthsPerEvent, OtherThanOneOrTwelveEndsTheFirstEvent) {
  const MonthsCase& c = GetParam();
  const Outcome run =
      run_tool(std::string(c.events) + "\n" + c.months + "\n2015 01 01 00\n", event_folder());

  EXPECT_EQ(run.out, documented_out(1, 29) + " No of months per event not eq to 1 or 12\r\n \r\n");
  EXPECT_EQ(run.err, "Program aborted in evt @ 130\r\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.after.files, (Files{{"event/events_to_follow.txt", ""},
                                    {"evt_info.txt", ""},
                                    {"temp0.fls", "2015010100\r\n"}}));
}

INSTANTIATE_TEST_SUITE_P(Answers, MonthsPerEvent,
                         ::testing::Values(MonthsCase{"Six", "3", "6"},
                                           // A null answer leaves the months per event at zero.
                                           MonthsCase{"NullAnswer", "1", ","}),
                         quarnell::testing::CaseName());

struct MohoursCase {
  const char* name;
  const char* months;
  const char* start;
  const char* temp0;
  const char* err;
};

class StartMonthOutsideTheTable : public ::testing::TestWithParam<MohoursCase> {};

// 408 has more than 8 bits: a POSIX exit status shows it as 152.
TEST_P(StartMonthOutsideTheTable, StopsOnTheMohoursCheckBeforeAnyEventFile) {
  const MohoursCase& c = GetParam();
  const Outcome run =
      run_tool(std::string("1\n") + c.months + "\n" + c.start + "\n", event_folder());

  EXPECT_EQ(run.out, documented_out(1, 29));
  EXPECT_EQ(run.err, std::string(c.err) + "\r\n");
  EXPECT_EQ(run.status, 152);
  EXPECT_EQ(run.after.files, (Files{{"event/events_to_follow.txt", ""},
                                    {"evt_info.txt", ""},
                                    {"temp0.fls", std::string(c.temp0) + "\r\n"}}));
}

INSTANTIATE_TEST_SUITE_P(
    Months, StartMonthOutsideTheTable,
    ::testing::Values(MohoursCase{"TwentyFiveOfOneMonth", "1", "2015 25 01 00", "2015250100",
                                  "failure 408, check 10: subscript 1 of the array MOHOURS has "
                                  "the value 25, greater than the upper bound 24"},
                      MohoursCase{"FourteenOfTwelveMonths", "12", "2015 14 01 00", "2015140100",
                                  "failure 408, check 10: subscript 1 of the array MOHOURS has "
                                  "the value 25, greater than the upper bound 24"},
                      MohoursCase{"Zero", "1", "2015 00 01 00", "2015000100",
                                  "failure 408, check 11: subscript 1 of the array MOHOURS has "
                                  "the value 0, less than the lower bound 1"}),
    quarnell::testing::CaseName());

TEST(StartField, NonNumericIsFailure64ReadingTemp0Back) {
  const Outcome run = run_tool("1\n1\n2015 ab 01 00\n", event_folder());

  EXPECT_EQ(run.out, documented_out(1, 29));
  EXPECT_EQ(run.err,
            "failure 64: a number field holds a character that is not part of a number: "
            "temp0.fls\r\n");
  EXPECT_EQ(run.status, 64);
  EXPECT_EQ(run.after.files, (Files{{"event/events_to_follow.txt", ""},
                                    {"evt_info.txt", ""},
                                    {"temp0.fls", "2015ab0100\r\n"}}));
}

struct ZeroEventsCase {
  const char* name;
  const char* events;
  const char* months;  // never tested when no event is made
};

class NoEvents : public ::testing::TestWithParam<ZeroEventsCase> {};

TEST_P(NoEvents, OpenAndCloseLeavingAnEarlierListAndEvtInfoAlone) {
  const ZeroEventsCase& c = GetParam();
  Tree before = event_folder();
  before.files = {{"evt_info.txt", "notes of an earlier run\r\n"},
                  {"event/events_to_follow.txt",
                   list_line("event\\19990101.evt") + list_line("event\\19990201.evt")}};
  const Outcome run =
      run_tool(std::string(c.events) + "\n" + c.months + "\n2015 01 01 00\n", before);

  EXPECT_EQ(run.out, documented_out(1, 29) + documented_out(79, 96));
  EXPECT_EQ(run.err, "Normal ending\r\n");
  EXPECT_EQ(run.status, 0);
  Files files = before.files;
  files["temp0.fls"] = "2015010100\r\n";
  EXPECT_EQ(run.after.files, files);
}

INSTANTIATE_TEST_SUITE_P(Counts, NoEvents,
                         ::testing::Values(ZeroEventsCase{"Zero", "0", "1"},
                                           ZeroEventsCase{"Negative", "-2", "6"},
                                           // A null answer leaves the number of events at zero.
                                           ZeroEventsCase{"NullAnswer", "/", "7"}),
                         quarnell::testing::CaseName());

TEST(EventFolder, MissingFolderEndsTheRunInWriteEvent) {
  const Answers answers;
  const Outcome run = run_tool(answers.text(), Tree{});

  const std::string blanks(79, ' ');
  EXPECT_EQ(run.out, documented_out(1, 76, answers) +
                         crlf({" problem opening", " event\\20150101.evt" + std::string(61, ' '),
                               " " + blanks, " " + blanks,
                               " " + std::string(19, ' ') + "in write_event @ line 15",
                               " ios=          29  possible problem: lile is locked"}));
  EXPECT_EQ(run.err, "program aborted in write_event\r\n");
  EXPECT_EQ(run.status, 1);
  Files files = example_run_files();
  files.erase("event/20150101.evt");
  files.erase("event/events_to_follow.txt");
  EXPECT_EQ(run.after.files, files);
  EXPECT_TRUE(run.after.directories.empty());
}

struct UnreadableCase {
  const char* name;
  std::string input;
  int last_line;  // of the documented session shown before the run ends
  const char* snow;
  const char* disaggregation;
  const char* err;
  int status;
  Files files;
};

class UnreadableAnswer : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(UnreadableAnswer, EndsTheRunKeepingTheFilesOpenedSoFar) {
  const UnreadableCase& c = GetParam();
  const Outcome run = run_tool(c.input, event_folder());

  Answers shown;
  shown.snow = c.snow;
  shown.disaggregation = c.disaggregation;
  EXPECT_EQ(run.out, documented_out(1, c.last_line, shown));
  EXPECT_EQ(run.err, std::string(c.err) + "\r\n");
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(run.after.files, c.files);
}

constexpr char kNotANumber[] = "failure 59: the answer is not a number: standard input";
constexpr char kInputEnded[] =
    "failure 24: the input ended before the read was done: standard input";
const std::string kDated = "1\n1\n2015 01 01 00\n";

INSTANTIATE_TEST_SUITE_P(
    Answers, UnreadableAnswer,
    ::testing::Values(
        UnreadableCase{"LettersForTheEventCount", "abc\n", 20, "n", "n", kNotANumber, 59,
                       kEvtInfoOnly},
        UnreadableCase{"LettersForTheMonths", "1\n12months\n", 27, "n", "n", kNotANumber, 59,
                       kEvtInfoOnly},
        UnreadableCase{"LettersForTheRate", kDated + "n\nn\ny\nfast\n", 41, "n", "y", kNotANumber,
                       59, kFirstEventDated},
        UnreadableCase{"LettersForTheReportingStep", kDated + "n\nn\nn\nhourly\n", 43, "n", "n",
                       kNotANumber, 59, kFirstEventDated},
        UnreadableCase{"LettersForTheSnowFactor", kDated + "y\nabc\n", 35, "y", "n",
                       "failure 64: a number field holds a character that is not part of a "
                       "number: standard input",
                       64, kFirstEventDated},
        UnreadableCase{"NoInputAtAll", "", 20, "n", "n", kInputEnded, 24, kEvtInfoOnly},
        UnreadableCase{"InputEndsBeforeTheStart", "1\n1\n", 29, "n", "n", kInputEnded, 24,
                       kEvtInfoOnly},
        UnreadableCase{"InputEndsBeforeTheBasinName", kDated + "n\nn\nn\n1\nn\nn\nn\nn\nn\n", 59,
                       "n", "n", kInputEnded, 24, kFirstEventDated}),
    quarnell::testing::CaseName());

struct OpeningCase {
  const char* name;
  const char* events;
  const char* path;  // made a directory, so that the file cannot be opened
  const char* file;  // as the failure names it
  std::string out;
  Files files;
};

class UnexaminedOpening : public ::testing::TestWithParam<OpeningCase> {};

// The openings of temp0.fls, temp5.fls and the events list are not examined when they happen:
// the first write to the file reports the failed opening.
TEST_P(UnexaminedOpening, FailsAtTheFirstWriteNamingTheFile) {
  const OpeningCase& c = GetParam();
  Tree before = event_folder();
  before.directories.push_back(c.path);
  Answers answers;
  answers.events = c.events;
  const Outcome run = run_tool(answers.text(), before);

  EXPECT_EQ(run.out, c.out);
  EXPECT_EQ(run.err, std::string("failure 9: access to the file is refused, even for reading: ") +
                         c.file + "\r\n");
  EXPECT_EQ(run.status, 9);
  EXPECT_EQ(run.after.files, c.files);
  std::vector<std::string> directories = run.after.directories;
  std::sort(directories.begin(), directories.end());
  EXPECT_EQ(directories, (std::vector<std::string>{"event", c.path}));
}

Files without(Files files, const std::string& path) {
  files.erase(path);
  return files;
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnexaminedOpening,
    ::testing::Values(OpeningCase{"Temp0",
                                  "1",
                                  "temp0.fls",
                                  "temp0.fls",
                                  documented_out(1, 29),
                                  {{"event/events_to_follow.txt", ""}, {"evt_info.txt", ""}}},
                      OpeningCase{"EventsList", "1", "event/events_to_follow.txt",
                                  "event\\events_to_follow.txt",
                                  documented_out(1, 76) + created_line("event\\20150101.evt"),
                                  without(example_run_files(), "event/events_to_follow.txt")},
                      OpeningCase{"Temp5", "2", "temp5.fls", "temp5.fls",
                                  documented_out(1, 76) + created_line("event\\20150101.evt"),
                                  example_run_files()}),
    quarnell::testing::CaseName());

}  // namespace
}  // namespace quarnell::e2e
