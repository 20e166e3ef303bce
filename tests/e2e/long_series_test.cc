// A series of one-month events long enough to run past the year 9999, where the year no
// longer fits its four columns: the run ends with failure 64 reading temp1.fls back, after
// ten thousand event files, in no more memory than a run of a thousand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "tests/e2e/harness.h"
#include "tests/e2e/record_checks.h"
#include "tests/e2e/scratch_mount.h"

namespace quarnell::e2e {
namespace {

// 840 years of months before the year 10000.
constexpr std::size_t kEventsBefore10000 = 840 * 12;

std::string one_month_events(int count) {
  return std::to_string(count) + "\n1\n9160 01 01 00\nn\nn\nn\n1\nn\nn\nn\nn\nn\ngr10k\n\n\n";
}

// The largest resident memory of the tool itself so far, in KiB; 0 before it has started.
// (The resource usage of a child would also count the test process that it was forked from.)
long peak_memory_kb(int pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  bool tool = false;
  while (std::getline(status, line)) {
    if (line.rfind("Name:", 0) == 0) tool = line.find("quarnell") != std::string::npos;
    if (tool && line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

struct MeasuredRun {
  Outcome outcome;
  long peak_memory_kb = 0;
};

// Runs somewhere quick for ten thousand files (a tmpfs when it can be mounted) and follows
// the tool's memory.
MeasuredRun run_measured(int events, const ScratchMount& mount) {
  MeasuredRun run;
  RunControl control;
  if (mount.mounted()) control.parent = mount.path();
  // The sanitizers' store of freed memory would grow with the run and hide the tool's own.
  control.in_child = [] { ::setenv("ASAN_OPTIONS", "quarantine_size_mb=0", 1); };
  control.watch = [&run](int pid, const std::string&) {
    run.peak_memory_kb = std::max(run.peak_memory_kb, peak_memory_kb(pid));
  };
  run.outcome = run_tool_controlled(one_month_events(events), event_folder(), control);
  return run;
}

TEST(LongSeries, PastTheYear9999EndsWithFailure64InFlatMemory) {
  if (runs_windows_build()) GTEST_SKIP() << "follows the memory of the POSIX build's process";
  const ScratchMount mount("1g");
  if (!mount.mounted()) std::cout << "running on /tmp: " << mount.why_not() << "\n";
  const MeasuredRun thousand_run = run_measured(1000, mount);
  const MeasuredRun past_9999_run = run_measured(99999, mount);
  const Outcome& thousand = thousand_run.outcome;
  const Outcome& past_9999 = past_9999_run.outcome;

  ASSERT_EQ(thousand.status, 0) << thousand.err;
  EXPECT_EQ(past_9999.status, 64) << past_9999.err;
  EXPECT_EQ(past_9999.err.rfind("failure 64: ", 0), 0u) << past_9999.err;
  EXPECT_NE(past_9999.err.find(": temp1.fls\r\n"), std::string::npos) << past_9999.err;

  // The year 10000 is written as asterisks, and no event file is made for it.
  EXPECT_EQ(past_9999.after.files.at("temp5.fls"), "****0101\r\n");
  EXPECT_EQ(past_9999.after.files.at("temp1.fls"), "**** 01 01 00\r\n");
  const std::vector<std::string> listed = listed_event_files(past_9999.after);
  ASSERT_EQ(listed.size(), kEventsBefore10000);
  EXPECT_EQ(listed.front(), "event/91600101.evt");
  EXPECT_EQ(listed.back(), "event/99991201.evt");
  EXPECT_EQ(past_9999.after.files.size(), kEventsBefore10000 + 7);  // list, evt_info, 5 scratch
  expect_whole_records(past_9999.after);

  std::cout << "peak resident memory: " << thousand_run.peak_memory_kb << " KiB for 1000 events, "
            << past_9999_run.peak_memory_kb << " KiB for " << kEventsBefore10000 << "\n";
  ASSERT_GT(thousand_run.peak_memory_kb, 0);
  // Sampling a 3 MiB process is a little noisy; ten times the events with even 100 bytes
  // kept per event would pass this margin.
  constexpr long kMarginKb = 768;
  EXPECT_LE(past_9999_run.peak_memory_kb, thousand_run.peak_memory_kb + kMarginKb);
}

}  // namespace
}  // namespace quarnell::e2e
