// Whole runs of the tool, compared byte for byte with the documented console session and
// event file.
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"
#include "tests/e2e/transcript.h"

namespace quarnell::e2e {
namespace {

std::string list_line(const std::string& path) {
  return " " + path + std::string(72 - path.size(), ' ') + "\r\n";
}

TEST(WholeRun, TwoYearlyEventsMatchTheDocumentedSession) {
  const Transcript session = read_transcript(read_file(data_path("console_transcript.txt")));
  const Outcome run = run_tool(session.input, event_folder());

  EXPECT_EQ(run.out, session.out);
  EXPECT_EQ(run.err, session.err);
  EXPECT_EQ(run.status, 0);
  ASSERT_EQ(run.after.files.count("event/20150101.evt"), 1u);
  EXPECT_EQ(run.after.files.at("event/events_to_follow.txt"),
            list_line("event\\20150101.evt") + list_line("event\\20160101.evt"));
  EXPECT_EQ(run.after.files.at("evt_info.txt"), "");
  EXPECT_EQ(run.after.files.at("temp0.fls"), "2015010100\r\n");
  EXPECT_EQ(run.after.files.at("temp1.fls"), "2016 01 01 00\r\n");
  EXPECT_EQ(run.after.files.at("temp2.fls"), "20150101\r\n");
  EXPECT_EQ(run.after.files.at("temp5.fls"), "20160101\r\n");
  EXPECT_EQ(run.after.files.size(), 9u);  // two event files, the list, evt_info, five scratch
}

TEST(WholeRun, ExampleEventFile) {
  // One-month events from 2015 01 01 00; snow melt and evaporation yes, all else no.
  const std::string answers = "1\n1\n2015 01 01 00\ny\n1.0\ny\nn\n1\nn\nn\nn\nn\nn\ngr10k\n\n\n";
  const Outcome run = run_tool(answers, event_folder());

  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.after.files.at("event/20150101.evt"),
            read_numbered_records(read_file(data_path("event_file_20150101.txt"))));
}

}  // namespace
}  // namespace quarnell::e2e
