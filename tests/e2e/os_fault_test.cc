// Faults that the operating system really gives: a full device, a file-size limit, too many
// open files, a read-only folder, and an `event` path that is not a folder. Needs root for
// the mounts; a test that cannot mount says why and is skipped.
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "tests/e2e/harness.h"
#include "tests/e2e/record_checks.h"
#include "tests/e2e/scratch_mount.h"
#include "tests/support/case_name.h"

namespace quarnell::e2e {
namespace {

std::string answers(int events) {
  return std::to_string(events) + "\n1\n2015 01 01 00\nn\nn\nn\n1\nn\nn\nn\nn\nn\ngr10k\n\n\n";
}

// The file that a failure line names: what follows its last ": ", without the CR LF.
std::string failed_file(const std::string& err) {
  const std::size_t start = err.rfind(": ");
  const std::size_t end = err.find("\r\n");
  if (start == std::string::npos || end == std::string::npos || end < start) return "";
  return err.substr(start + 2, end - start - 2);
}

std::string slashed(std::string path) {
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

// The failed file holds whole records of what a fault-free run writes there, and the list
// names the event files finished before it.
void expect_cut_at_a_record(const Outcome& run, const Outcome& fault_free) {
  expect_whole_records(run.after);
  const std::string path = slashed(failed_file(run.err));
  ASSERT_EQ(run.after.files.count(path), 1u) << run.err;
  const std::string& kept = run.after.files.at(path);
  const std::string& whole = fault_free.after.files.at(path);
  EXPECT_LT(kept.size(), whole.size());
  EXPECT_EQ(kept, whole.substr(0, kept.size()));
  const std::vector<std::string> listed = listed_event_files(run.after);
  const std::vector<std::string> all = listed_event_files(fault_free.after);
  ASSERT_LE(listed.size(), all.size());
  EXPECT_EQ(listed, std::vector<std::string>(all.begin(), all.begin() + listed.size()));
  for (const std::string& event_file : listed) {
    EXPECT_EQ(run.after.files.at(event_file), fault_free.after.files.at(event_file));
  }
}

TEST(FullDevice, EndsWithFailure38AndNoHalfRecord) {
  // 17 pages: five whole event files fill it, and the sixth gets one page, so that the
  // record crossing into its second page is written in part before the device refuses.
  ScratchMount device("68k");
  if (!device.mounted()) GTEST_SKIP() << "no small device to fill: " << device.why_not();
  RunControl on_device;
  on_device.parent = device.path();
  const Outcome run = run_tool_controlled(answers(50), event_folder(), on_device);
  const Outcome fault_free = run_tool(answers(50), event_folder());
  ASSERT_EQ(fault_free.status, 0) << fault_free.err;

  EXPECT_EQ(run.status, 38) << run.err;
  EXPECT_EQ(run.err.rfind("failure 38: ", 0), 0u) << run.err;
  expect_cut_at_a_record(run, fault_free);
  EXPECT_FALSE(listed_event_files(run.after).empty()) << "the device filled before the series";
}

// With the signal at its default the process would be killed mid-record; the tool must
// report the refused write whatever the disposition it inherits.
class FileSizeLimit : public ::testing::TestWithParam<bool> {};

TEST_P(FileSizeLimit, EndsWithFailure38AndNoHalfRecord) {
  if (runs_windows_build()) GTEST_SKIP() << "a limit of the POSIX build's own process";
  const bool signal_ignored = GetParam();
  RunControl limited;
  limited.in_child = [signal_ignored] {
    ::signal(SIGXFSZ, signal_ignored ? SIG_IGN : SIG_DFL);
    const rlimit limit{4096, 4096};  // the event file's records cross it; no other file does
    ::setrlimit(RLIMIT_FSIZE, &limit);
  };
  const Outcome run = run_tool_controlled(answers(2), event_folder(), limited);
  const Outcome fault_free = run_tool(answers(2), event_folder());

  EXPECT_EQ(run.status, 38) << run.err;
  EXPECT_EQ(failed_file(run.err), "event\\20150101.evt") << run.err;
  expect_cut_at_a_record(run, fault_free);
  EXPECT_EQ(run.out.find("... created"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(SignalIgnoredOrNot, FileSizeLimit, ::testing::Bool(),
                         [](const auto& test) {
                           return test.param ? "SignalIgnored" : "SignalAtDefault";
                         });

// The suite is built as the tool is; the sanitizers test memory through a pipe of their own,
// which cannot be made when no descriptor is left, and then report a fault that is not there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitizedTool = true;
#else
constexpr bool kSanitizedTool = false;
#endif

struct OpenFileLimit {
  rlim_t limit;         // descriptors, standard input, output and error included
  const char* refused;  // the file whose failure ends the run
};

class TooManyOpenFiles : public ::testing::TestWithParam<OpenFileLimit> {};

TEST_P(TooManyOpenFiles, EndsWithFailure30ForTheFirstFileThatCannotBeUsed) {
  if (runs_windows_build()) GTEST_SKIP() << "a limit of the POSIX build's own process";
  if (kSanitizedTool) GTEST_SKIP() << "the sanitizers need descriptors of their own";
  const OpenFileLimit limit = GetParam();
  RunControl limited;
  limited.in_child = [limit] {
    for (int fd = 3; fd < 64; ++fd) ::close(fd);
    const rlimit files{limit.limit, limit.limit};
    ::setrlimit(RLIMIT_NOFILE, &files);
  };
  const Outcome run = run_tool_controlled(answers(1), event_folder(), limited);

  EXPECT_EQ(run.status, 30) << run.err;
  EXPECT_EQ(run.err.rfind("failure 30: ", 0), 0u) << run.err;
  EXPECT_EQ(failed_file(run.err), limit.refused) << run.err;
  expect_whole_records(run.after);
  EXPECT_EQ(run.after.files.count("event/20150101.evt"), 0u);
}

// Five descriptors leave one each for evt_info.txt and the events list but none for a
// scratch file: temp0.fls's opening is not examined, so its first write reports it. Four
// leave none for the events list either, whose refused opening is never written to. (The
// loader needs one descriptor beyond the standard three, so evt_info.txt always gets it.)
INSTANTIATE_TEST_SUITE_P(Limits, TooManyOpenFiles,
                         ::testing::Values(OpenFileLimit{4, "temp0.fls"},
                                           OpenFileLimit{5, "temp0.fls"}),
                         [](const auto& test) {
                           return "Limit" + std::to_string(test.param.limit);
                         });

// The tool ignores SIGPIPE and SIGXFSZ for itself; a command typed at a pause must not
// inherit that.
TEST(PauseCommand, GetsTheDefaultHandlingOfTheSignalsTheToolIgnores) {
  if (runs_windows_build()) GTEST_SKIP() << "signal handling of the POSIX build";
  const std::string input =
      "1\n1\n2015 01 01 00\nn\nn\nn\n1\nn\nn\nn\nn\nn\ngr10k\n"
      "grep SigIgn /proc/self/status > ignored.txt\n\n\n";
  const Outcome run = run_tool(input, event_folder());
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string line = run.after.files.at("ignored.txt");
  const unsigned long long ignored =
      std::stoull(line.substr(line.find_first_of("0123456789abcdef")), nullptr, 16);
  EXPECT_EQ(ignored & (1ULL << (SIGPIPE - 1)), 0u) << line;
  EXPECT_EQ(ignored & (1ULL << (SIGXFSZ - 1)), 0u) << line;
}

// Makes `event` read-only in the child's own mount namespace: the test's view, and every
// other process's, keeps it writable, and nothing needs undoing.
void make_event_folder_read_only() {
  const auto give_up = [](const char* step) {
    const std::string line = std::string("cannot ") + step + ": " + std::strerror(errno) + "\n";
    [[maybe_unused]] const ssize_t ignored = ::write(2, line.data(), line.size());
    ::_exit(125);
  };
  if (::unshare(CLONE_NEWNS) != 0) give_up("unshare the mount namespace");
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) give_up("make / private");
  if (::mount("event", "event", nullptr, MS_BIND, nullptr) != 0) give_up("bind event");
  if (::mount(nullptr, "event", nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
    give_up("remount event read-only");
  }
}

TEST(ReadOnlyFolder, FirstWriteToAnEventFileIsFailure47AndOldFilesStay) {
  Tree before = event_folder();
  before.files["event/20150101.evt"] = "an earlier event file\r\n";
  before.files["event/events_to_follow.txt"] = " an earlier list\r\n";
  RunControl read_only;
  read_only.in_child = make_event_folder_read_only;
  const Outcome run = run_tool_controlled(answers(2), before, read_only);
  if (run.status == 125) GTEST_SKIP() << "no read-only mount: " << run.err;

  EXPECT_EQ(run.status, 47) << run.err;
  EXPECT_EQ(failed_file(run.err), "event\\20150101.evt") << run.err;
  EXPECT_EQ(run.after.files, (std::map<std::string, std::string>{
                                 {"event/20150101.evt", "an earlier event file\r\n"},
                                 {"event/events_to_follow.txt", " an earlier list\r\n"},
                                 {"evt_info.txt", ""},
                                 {"temp0.fls", "2015010100\r\n"},
                                 {"temp1.fls", "2015 01 01 00\r\n"},
                                 {"temp2.fls", "20150101\r\n"},
                                 {"temp3.fls", run.after.files.at("temp3.fls")}}));
  EXPECT_EQ(run.out.find("... created"), std::string::npos);
}

TEST(ReadOnlyFolder, AnEventFileThatCannotBeCreatedIsRefusedAccess) {
  RunControl read_only;
  read_only.in_child = make_event_folder_read_only;
  const Outcome run = run_tool_controlled(answers(1), event_folder(), read_only);
  if (run.status == 125) GTEST_SKIP() << "no read-only mount: " << run.err;

  // The file is missing and cannot be made: access refused (9), not a missing file (29).
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_NE(run.out.find(" ios=           9  possible problem: lile is locked\r\n"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(run.err, "program aborted in write_event\r\n");
  EXPECT_EQ(run.after.files.count("event/20150101.evt"), 0u);
}

// What stands in the way of the event file; a missing `event` folder is covered with the
// other endings of a run.
struct EventPathFault {
  const char* name;
  Tree before;
  int open_status;  // shown on the console as ios=
};

class EventPath : public ::testing::TestWithParam<EventPathFault> {};

TEST_P(EventPath, EndsInWriteEventWithTheOpenStatus) {
  const EventPathFault& fault = GetParam();
  const Outcome run = run_tool(answers(1), fault.before);

  std::string status = std::to_string(fault.open_status);
  status.insert(0, 12 - status.size(), ' ');
  const std::string lines = crlf({" problem opening", " event\\20150101.evt" + std::string(61, ' '),
                                  " " + std::string(79, ' '), " " + std::string(79, ' '),
                                  " " + std::string(19, ' ') + "in write_event @ line 15",
                                  " ios=" + status + "  possible problem: lile is locked"});
  ASSERT_GE(run.out.size(), lines.size());
  EXPECT_EQ(run.out.substr(run.out.size() - lines.size()), lines);
  EXPECT_EQ(run.err, "program aborted in write_event\r\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.after.files.count("temp3.fls"), 1u);
  for (const auto& [path, bytes] : fault.before.files) EXPECT_EQ(run.after.files.at(path), bytes);
  expect_whole_records(run.after);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, EventPath,
    ::testing::Values(
        EventPathFault{"EventIsAPlainFile", Tree{{{"event", "not a folder\r\n"}}, {}}, 29},
        EventPathFault{"EventFileIsAFolder", Tree{{}, {"event", "event/20150101.evt"}}, 9}),
    quarnell::testing::CaseName());

}  // namespace
}  // namespace quarnell::e2e
