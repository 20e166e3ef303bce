// The Windows build against this platform's build: for the same answers and the same files
// beforehand, the same bytes on standard output and standard error, the same exit status and
// the same files afterwards. Runs when QUARNELL_WINDOWS_COMMAND starts the Windows build (under
// an emulator on this machine).
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/e2e/harness.h"
#include "tests/e2e/transcript.h"

namespace quarnell::e2e {
namespace {

struct ParityCase {
  const char* name;
  std::string input;
  Tree before;
};

std::vector<ParityCase> parity_cases() {
  const std::string session = read_transcript(read_file(data_path("console_transcript.txt"))).input;
  const std::string one_event = "1\n1\n2015 01 01 00\nn\nn\nn\n1\nn\nn\nn\nn\nn\ngr10k\n\n\n";
  Tree earlier_run = event_folder();
  earlier_run.files = {{"evt_info.txt", "kept as it is\r\n"},
                       {"event/events_to_follow.txt", std::string(500, 'x') + "\r\n"},
                       {"temp3.fls", "left over\n"}};
  return {
      {"the documented session", session, event_folder()},
      {"monthly events over a year end, every option, CR LF answers",
       "3\r\n1\r\n2015 11 01 00\r\ny\r\n25.\r\ny\r\ny\r\n2.5\r\n3\r\ny\r\ny\r\ny\r\ny\r\ny\r\n"
       "saug\r\n\r\n\r\n",
       event_folder()},
      {"files left by an earlier run", one_event, earlier_run},
      {"no event folder", one_event, Tree{}},
      {"letters where a number is asked", "two\n", event_folder()},
      {"input that ends at a question", "2\n12\n", event_folder()},
      {"months per event other than 1 or 12", "1\n5\n2015 01 01 00\n", event_folder()},
      {"a start month of 25", "1\n1\n2015 25 01 00\n", event_folder()},
  };
}

TEST(WindowsParity, SameAnswersGiveTheSameBytes) {
  const char* windows = std::getenv("QUARNELL_WINDOWS_COMMAND");
  if (windows == nullptr) GTEST_SKIP() << "QUARNELL_WINDOWS_COMMAND does not name a Windows build";
  for (const ParityCase& c : parity_cases()) {
    SCOPED_TRACE(c.name);
    const Outcome here = run_tool_as(QUARNELL_BINARY, c.input, c.before);
    const Outcome there = run_tool_as(windows, c.input, c.before);
    EXPECT_EQ(there.out, here.out);
    EXPECT_EQ(there.err, here.err);
    EXPECT_EQ(there.status, here.status);
    EXPECT_EQ(there.after.directories, here.after.directories);
    EXPECT_EQ(there.after.files, here.after.files);
  }
}

}  // namespace
}  // namespace quarnell::e2e
