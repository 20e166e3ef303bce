// Interrupts from the console (signals on POSIX) at a question, at a pause and in the middle
// of a long series: one line on standard error, the status of the interrupt, and every file
// as it stood, whole records only.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>

#include <fstream>

#include "tests/e2e/harness.h"
#include "tests/e2e/record_checks.h"
#include "tests/support/case_name.h"

namespace quarnell::e2e {
namespace {

struct Interrupt {
  int signal_number;
  const char* name;
  int status;
  const char* line;
};

const Interrupt kInterrupts[] = {
    {SIGINT, "ControlC", 130, "run stopped by control-C\r\n"},
    {SIGQUIT, "ControlBreak", 1, "run stopped by control-BREAK\r\n"},
    {SIGHUP, "WindowClosedHup", 2, "run stopped by window-CLOSE\r\n"},
    {SIGTERM, "WindowClosedTerm", 2, "run stopped by window-CLOSE\r\n"},
};

// Signals are how the console's events reach the POSIX build. Under the emulator SIGINT
// reaches the Windows build as Ctrl-C; Ctrl-Break and a closed console have no signal there.
#define SKIP_FOR_WINDOWS_BUILD()                                  \
  if (runs_windows_build() && GetParam().signal_number != SIGINT) \
  GTEST_SKIP() << "under the emulator only Ctrl-C has a signal"

bool same_file(const std::string& a, const std::string& b) {
  struct stat first {};
  struct stat second {};
  return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// True while the process waits in a read of its standard input: descriptor 0, or a copy of
// it such as the emulator reads through.
bool waits_for_input(int pid) {
  const std::string process = "/proc/" + std::to_string(pid);
  std::ifstream calls(process + "/syscall");
  long number = -1;
  std::string first_argument;
  if (!(calls >> number >> first_argument) || number != SYS_read) return false;
  const std::string descriptor = std::to_string(std::stol(first_argument, nullptr, 16));
  return same_file(process + "/fd/" + descriptor, process + "/fd/0");
}

// Sends the signal once standard output ends with `shown` and the tool waits for input.
RunControl interrupt_when_waiting(const std::string& shown, int signal_number, bool* sent) {
  RunControl control;
  control.hold_input = true;
  control.watch = [shown, signal_number, sent](int pid, const std::string& out) {
    if (*sent || out.size() < shown.size() ||
        out.compare(out.size() - shown.size(), shown.size(), shown) != 0 || !waits_for_input(pid)) {
      return;
    }
    ::kill(pid, signal_number);
    *sent = true;
  };
  return control;
}

const std::string kSettings = "2\n1\n2015 01 01 00\n";
const std::string kModelAnswers = "n\nn\nn\n1\nn\nn\nn\nn\nn\ngr10k\n";

class AtAQuestion : public ::testing::TestWithParam<Interrupt> {};

TEST_P(AtAQuestion, StopsWithTheFilesOpenedSoFar) {
  SKIP_FOR_WINDOWS_BUILD();
  bool sent = false;
  const Outcome run = run_tool_controlled(
      kSettings, event_folder(),
      interrupt_when_waiting(" Note: temperature data needed for this option\r\n",
                             GetParam().signal_number, &sent));
  ASSERT_TRUE(sent) << run.out;
  EXPECT_EQ(run.status, GetParam().status);
  EXPECT_EQ(run.err, GetParam().line);
  EXPECT_EQ(run.after.files, (std::map<std::string, std::string>{{"event/events_to_follow.txt", ""},
                                                                 {"evt_info.txt", ""},
                                                                 {"temp0.fls", "2015010100\r\n"},
                                                                 {"temp1.fls", "2015 01 01 00\r\n"},
                                                                 {"temp2.fls", "20150101\r\n"}}));
}

INSTANTIATE_TEST_SUITE_P(EachInterrupt, AtAQuestion, ::testing::ValuesIn(kInterrupts),
                         quarnell::testing::CaseName());

class AtAPause : public ::testing::TestWithParam<Interrupt> {};

TEST_P(AtAPause, StopsBeforeTheFirstEventFile) {
  SKIP_FOR_WINDOWS_BUILD();
  bool sent = false;
  const Outcome run = run_tool_controlled(
      kSettings + kModelAnswers, event_folder(),
      interrupt_when_waiting("Hit enter to continue\n", GetParam().signal_number, &sent));
  ASSERT_TRUE(sent) << run.out;
  EXPECT_EQ(run.status, GetParam().status);
  EXPECT_EQ(run.err, GetParam().line);
  EXPECT_EQ(records_of(run.after.files.at("temp3.fls")).size(), 24u);
  EXPECT_EQ(run.after.files.count("event/20150101.evt"), 0u);
  EXPECT_EQ(run.after.files.at("event/events_to_follow.txt"), "");
  expect_whole_records(run.after);
}

INSTANTIATE_TEST_SUITE_P(EachInterrupt, AtAPause, ::testing::ValuesIn(kInterrupts),
                         quarnell::testing::CaseName());

std::size_t count_of(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

class InALongSeries : public ::testing::TestWithParam<Interrupt> {};

// Thousands of one-month events, interrupted once some have been made: most of the run's
// time goes into writing event files, so the signal mostly lands in one.
TEST_P(InALongSeries, LeavesWholeRecordsAndListsOnlyWholeEventFiles) {
  SKIP_FOR_WINDOWS_BUILD();
  constexpr std::size_t kMadeFirst = 40;
  RunControl control;
  bool sent = false;
  const int signal_number = GetParam().signal_number;
  control.watch = [&sent, signal_number](int pid, const std::string& out) {
    if (sent || count_of(out, "... created") < kMadeFirst) return;
    ::kill(pid, signal_number);
    sent = true;
  };
  const Outcome run = run_tool_controlled("5000\n1\n2015 01 01 00\n" + kModelAnswers + "\n\n",
                                          event_folder(), control);
  ASSERT_TRUE(sent) << run.err;
  EXPECT_EQ(run.status, GetParam().status);
  EXPECT_EQ(run.err, GetParam().line);
  expect_whole_records(run.after);

  // Each event file is listed once it is whole; only the one being written may be partial.
  const std::vector<std::string> listed = listed_event_files(run.after);
  EXPECT_GE(listed.size(), kMadeFirst - 1);
  std::size_t event_files = 0;
  for (const auto& [path, bytes] : run.after.files) {
    if (path.size() > 4 && path.compare(path.size() - 4, 4, ".evt") == 0) ++event_files;
  }
  EXPECT_LE(event_files, listed.size() + 1);
  const std::size_t created = count_of(run.out, "... created");
  EXPECT_TRUE(created == listed.size() || created == listed.size() + 1) << created;
}

INSTANTIATE_TEST_SUITE_P(EachInterrupt, InALongSeries, ::testing::ValuesIn(kInterrupts),
                         quarnell::testing::CaseName());

}  // namespace
}  // namespace quarnell::e2e
