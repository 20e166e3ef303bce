// How the answers typed in the dialogue reach the console, the event file and the scratch
// files of a one-event run, byte for byte.
#include <gtest/gtest.h>

#include "tests/e2e/documented_run.h"
#include "tests/e2e/harness.h"
#include "tests/support/case_name.h"

namespace quarnell::e2e {
namespace {

void expect_normal_run(const Outcome& run, const Answers& answers,
                       const std::map<std::string, std::string>& files,
                       const std::vector<std::string>& paths = {"event\\20150101.evt"}) {
  EXPECT_EQ(run.out, documented_run_out(answers, paths));
  EXPECT_EQ(run.err, "Normal ending\r\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.after.files, files);
  EXPECT_EQ(run.after.directories, std::vector<std::string>{"event"});
}

struct YesNoCase {
  const char* name;
  void (*answer)(Answers&);
  std::map<int, std::string> records;  // of the event file, where it differs from the example
};

class YesNoAnswers : public ::testing::TestWithParam<YesNoCase> {};

TEST_P(YesNoAnswers, OnlyLowerCaseYIsYesAndEveryAnswerIsWrittenAsTyped) {
  const YesNoCase& c = GetParam();
  Answers answers;
  c.answer(answers);
  const Outcome run = run_tool(answers.text(), event_folder());
  expect_normal_run(run, answers, example_run_files(example_event_file(c.records)));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, YesNoAnswers,
    ::testing::Values(
        // Not yes: the conversion factor is not asked.
        YesNoCase{"SnowUpperCaseY", [](Answers& a) { a.snow = "Y"; }, {{9, keyed(":snwflg", "Y")}}},
        YesNoCase{"SnowYesIsY", [](Answers& a) { a.snow = "yes"; }, {}},
        YesNoCase{
            "SnowLeadingBlank", [](Answers& a) { a.snow = " y"; }, {{9, keyed(":snwflg", " ")}}},
        YesNoCase{"SnowEmpty", [](Answers& a) { a.snow = ""; }, {{9, keyed(":snwflg", " ")}}},
        // Not yes: no rate is asked and the rate is zero.
        YesNoCase{"DisaggregationUpperCaseY",
                  [](Answers& a) { a.disaggregation = "Y"; },
                  {{12, keyed(":smrflg", "Y")}}},
        YesNoCase{"DisaggregationYes",
                  [](Answers& a) { a.disaggregation = "yes"; },
                  {{12, keyed(":smrflg", "y")}, {46, keyed(":disaggregate", " 2.50")}}},
        YesNoCase{"DisaggregationLeadingBlank",
                  [](Answers& a) { a.disaggregation = " y"; },
                  {{12, keyed(":smrflg", " ")}}},
        YesNoCase{"EvaporationEmpty",
                  [](Answers& a) { a.evaporation = ""; },
                  {{11, keyed(":vapflg", " ")}}},
        YesNoCase{"OtherFlags",
                  [](Answers& a) {
                    a.reservoir = "Y";
                    a.wetland = "yes";
                    a.diversions = " n";
                    a.lake = "";
                    a.ice = "N";
                  },
                  {{13, keyed(":resinflg", "Y")},
                   {21, keyed(":wetflg", "y")},
                   {32, keyed(":divertflg", " ")},
                   {35, keyed(":lakeflg", " ")},
                   {36, keyed(":iceflg", "N")}}}),
    quarnell::testing::CaseName());

class SnowFactor : public ::testing::TestWithParam<const char*> {};

// The factor is read from the first five columns and reaches no file.
TEST_P(SnowFactor, MakesNoDifferenceToAnyFile) {
  Answers answers;
  answers.snow_factor = GetParam();
  const Outcome run = run_tool(answers.text(), event_folder());
  expect_normal_run(run, answers, example_run_files());
}

INSTANTIATE_TEST_SUITE_P(Factors, SnowFactor,
                         ::testing::Values("1.0", "25.", "123456", " 2 5", "", "12345abc"));

struct BasinCase {
  const char* name;
  const char* typed;
  const char* name_field;
};

class BasinName : public ::testing::TestWithParam<BasinCase> {};

TEST_P(BasinName, NamesTheBasinFilesByItsFirstWordOfAtMostEightCharacters) {
  const BasinCase& c = GetParam();
  Answers answers;
  answers.basin = c.typed;
  const Outcome run = run_tool(answers.text(), event_folder());

  std::map<std::string, std::string> files =
      example_run_files(example_event_file(basin_file_records(c.name_field)));
  files["temp3.fls"] = temp3_records(c.name_field, "20150101");
  expect_normal_run(run, answers, files);
}

INSTANTIATE_TEST_SUITE_P(
    Names, BasinName,
    ::testing::Values(BasinCase{"Documented", "gr10k", "gr10k"},
                      BasinCase{"FourCharacters", "saug", "saug"},
                      BasinCase{"EightCharacters", "abcdefgh", "abcdefgh"},
                      BasinCase{"TenCharactersAreCut", "abcdefghij", "abcdefgh"},
                      BasinCase{"Empty", "", " "}, BasinCase{"TwoWords", "ab cd", "ab"}),
    quarnell::testing::CaseName());

struct StartCase {
  const char* name;
  const char* typed;
  const char* YY1;
  const char* MM1;
  const char* DD1;
  const char* HH1;
  const char* EVTNAME;
  const char* temp0;
};

class StartText : public ::testing::TestWithParam<StartCase> {};

// The date texts come from fixed columns of the 13-column start text, as typed.
TEST_P(StartText, GivesTheDateTextsByColumn) {
  const StartCase& c = GetParam();
  Answers answers;
  answers.start = c.typed;
  const Outcome run = run_tool(answers.text(), event_folder());

  const std::string name = c.EVTNAME;
  const std::string path = "event\\" + name + ".evt";
  const std::string event_file = example_event_file({{4, keyed(":year", c.YY1)},
                                                     {5, keyed(":month", c.MM1)},
                                                     {6, keyed(":day", c.DD1)},
                                                     {7, keyed(":hour", c.HH1)}},
                                                    name);
  const std::map<std::string, std::string> files = {
      {"event/" + name + ".evt", event_file},
      {"event/events_to_follow.txt", list_line(path)},
      {"evt_info.txt", ""},
      {"temp0.fls", std::string(c.temp0) + "\r\n"},
      {"temp1.fls", std::string(c.YY1) + " " + c.MM1 + " " + c.DD1 + " " + c.HH1 + "\r\n"},
      {"temp2.fls", name + "\r\n"},
      {"temp3.fls", temp3_records("gr10k", name)}};
  expect_normal_run(run, answers, files, {path});
}

INSTANTIATE_TEST_SUITE_P(Texts, StartText,
                         ::testing::Values(StartCase{"Documented", "2015 01 01 00", "2015", "01",
                                                     "01", "00", "20150101", "2015010100"},
                                           StartCase{"LongerTextIsCut", "2015 01 01 00 and more",
                                                     "2015", "01", "01", "00", "20150101",
                                                     "2015010100"},
                                           StartCase{"SingleDigitFields", "2015 1 1 0", "2015",
                                                     "1 ", " 0", "  ", "20151  0", "20151  0  "},
                                           StartCase{"ShortText", "2015 01", "2015", "01", "  ",
                                                     "  ", "201501  ", "201501    "}),
                         quarnell::testing::CaseName());

TEST(LineEnds, AnswersEndingInCrLfGiveTheSameRun) {
  const Answers answers;
  const Outcome run = run_tool(answers.text("\r\n"), event_folder());
  expect_normal_run(run, answers, example_run_files());
}

struct PauseCase {
  const char* name;
  const char* line_end;
};

class PauseCommand : public ::testing::TestWithParam<PauseCase> {};

// A line typed at a pause runs as a command in the working directory; the pause shows again.
TEST_P(PauseCommand, RunsAndThePauseShowsAgain) {
  Answers answers;
  answers.pauses = {"echo hi", "", "echo made > made.txt", ""};
  const Outcome run = run_tool(answers.text(GetParam().line_end), event_folder());

  // cmd.exe ends echo's line with CR LF and keeps the blank before the redirection.
  const bool cmd = runs_windows_build();
  const std::string pause = "Hit enter to continue\n";
  const std::string documented = documented_run_out(answers, {"event\\20150101.evt"});
  const std::size_t first = documented.find(pause) + pause.size();
  const std::size_t second = documented.find(pause, first) + pause.size();
  EXPECT_EQ(run.out, documented.substr(0, first) + (cmd ? "hi\r\n" : "hi\n") + pause +
                         documented.substr(first, second - first) + pause +
                         documented.substr(second));
  EXPECT_EQ(run.err, "Normal ending\r\n");
  EXPECT_EQ(run.status, 0);
  std::map<std::string, std::string> files = example_run_files();
  files["made.txt"] = cmd ? "made \r\n" : "made\n";
  EXPECT_EQ(run.after.files, files);
}

INSTANTIATE_TEST_SUITE_P(LineEnds, PauseCommand,
                         ::testing::Values(PauseCase{"Lf", "\n"}, PauseCase{"CrLf", "\r\n"}),
                         quarnell::testing::CaseName());

}  // namespace
}  // namespace quarnell::e2e
