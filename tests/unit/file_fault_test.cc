// Whole runs with faults injected into one file at a time: every run ends the way its fault
// calls for, and every file keeps what was written before, whole records only.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "series/run_driver.h"
#include "tests/support/fault_file_system.h"
#include "tests/support/scripted_console.h"
#include "tests/support/temp_directory.h"

namespace quarnell {
namespace {

using testing::FaultyFileSystem;
using testing::FileFault;
using testing::read_whole_file;
using testing::ScriptedConsole;
using testing::TempDirectory;
using testing::write_whole_file;

// Two one-month events from 2015 01 01 00: every file of the run is opened, temp5.fls in the
// second event.
constexpr char kAnswers[] = "2\n1\n2015 01 01 00\nn\nn\nn\n1\nn\nn\nn\nn\nn\ngr10k\n\n\n";
const char* const kEventFiles[] = {"event/20150101.evt", "event/20150201.evt"};
const char kList[] = "event/events_to_follow.txt";
const char kOldContent[] = "old content\r\n";

using Files = std::map<std::string, std::string>;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
  Files before;  // what the working directory held before the run
  Files files;   // what it holds after, by '/'-separated path
};

// Runs in a fresh working directory with an `event` folder and the given files.
Outcome run_in_fresh_directory(const std::map<std::string, FileFault>& faults,
                               const Files& before) {
  TempDirectory directory;
  std::filesystem::create_directory("event");
  for (const auto& [path, bytes] : before) write_whole_file(path, bytes);
  ScriptedConsole console(kAnswers);
  FaultyFileSystem file_system(faults);
  Outcome run;
  run.before = before;
  run.status = run_quarnell(console, file_system);
  run.out = console.out;
  run.err = console.err;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(".")) {
    if (!entry.is_regular_file()) continue;
    run.files[entry.path().lexically_relative(".").generic_string()] =
        read_whole_file(entry.path());
  }
  return run;
}

const Outcome& fault_free_run() {
  static const Outcome run = run_in_fresh_directory({}, {});
  return run;
}

// The first `count` records of the text.
std::string first_records(const std::string& text, int count) {
  std::size_t end = 0;
  for (int record = 0; record < count; ++record) end = text.find("\r\n", end) + 2;
  return text.substr(0, end);
}

std::string event_list_line(const std::string& path) {
  std::string windows_path = path;
  for (char& c : windows_path) {
    if (c == '/') c = '\\';
  }
  return " " + windows_path + std::string(72 - windows_path.size(), ' ') + "\r\n";
}

// What must hold after any run: no file ends in a half record, every event file is the
// fault-free one or a part of it cut at a record end, and the list names whole files only.
void expect_whole_records(const Outcome& run) {
  for (const auto& [path, bytes] : run.files) {
    EXPECT_TRUE(bytes.empty() || bytes.compare(bytes.size() - 2, 2, "\r\n") == 0)
        << path << " ends in a half record";
  }
  const Files& whole = fault_free_run().files;
  for (const char* path : kEventFiles) {
    const auto file = run.files.find(path);
    if (file == run.files.end() ||
        (run.before.count(path) && run.before.at(path) == file->second)) {
      continue;  // as it was before the run
    }
    EXPECT_EQ(file->second, whole.at(path).substr(0, file->second.size())) << path;
  }
  const auto list = run.files.find(kList);
  if (list == run.files.end() ||
      (run.before.count(kList) && run.before.at(kList) == list->second)) {
    return;
  }
  for (std::size_t line = 0; line * 75 < list->second.size(); ++line) {
    const std::string path = kEventFiles[line];
    EXPECT_EQ(list->second.substr(line * 75, 75), event_list_line(path));
    EXPECT_EQ(run.files.count(path) ? run.files.at(path) : "", whole.at(path)) << path;
  }
}

// How the run is expected to end and how far it got.
struct Fault {
  std::string file;  // as the system names it
  FileFault fault;
  int status;
  int events_done;    // event files written whole
  int events_listed;  // lines of this run in the events list; -1 when it wrote no list
};

void PrintTo(const Fault& fault, std::ostream* out) { *out << fault.file; }

std::string test_name(const Fault& fault) {
  std::string name;
  for (const char c : fault.file) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

std::string slashed(std::string path) {
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

// Checks the ending, the event files and the list; leaves the faulty file to the caller.
void expect_ending(const Outcome& run, const Fault& fault) {
  EXPECT_EQ(run.status, fault.status) << run.err;
  if (fault.status == 0) {
    EXPECT_EQ(run.err, "Normal ending\r\n");
  } else if (fault.status == 1) {
    EXPECT_EQ(run.err, "program aborted in write_event\r\n");
  } else {
    const std::string begins = "failure " + std::to_string(fault.status) + ": ";
    const std::string ends = ": " + fault.file + "\r\n";
    EXPECT_EQ(run.err.compare(0, begins.size(), begins), 0) << run.err;
    EXPECT_TRUE(run.err.size() > ends.size() &&
                run.err.compare(run.err.size() - ends.size(), ends.size(), ends) == 0)
        << run.err;
  }
  expect_whole_records(run);
  const Files& whole = fault_free_run().files;
  int events_done = 0;
  for (const char* path : kEventFiles) {
    if (run.files.count(path) && run.files.at(path) == whole.at(path)) ++events_done;
  }
  EXPECT_EQ(events_done, fault.events_done);
  if (fault.events_listed < 0) {
    EXPECT_EQ(run.files.count(kList), run.before.count(kList));
  } else {
    ASSERT_EQ(run.files.count(kList), 1u);
    EXPECT_EQ(run.files.at(kList).size(), 75u * static_cast<std::size_t>(fault.events_listed));
  }
}

TEST(FileFaults, FaultFreeRunWritesEveryFile) {
  const Outcome& run = fault_free_run();
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* path : {"evt_info.txt", "temp0.fls", "temp1.fls", "temp2.fls", "temp3.fls",
                           "temp5.fls", kList, kEventFiles[0], kEventFiles[1]}) {
    EXPECT_EQ(run.files.count(path), 1u) << path;
  }
}

// --- Opens that fail -------------------------------------------------------------------------

class OpenFailure : public ::testing::TestWithParam<Fault> {};

TEST_P(OpenFailure, EndsWithTheOpeningsNumber) {
  const Fault& fault = GetParam();
  const Outcome run = run_in_fresh_directory({{fault.file, fault.fault}}, {});
  expect_ending(run, fault);
  if (fault.status == 1) {
    // The event file: its path over several lines, then the open status.
    std::string status = std::to_string(fault.fault.open_failure);
    status.insert(0, 12 - status.size(), ' ');
    EXPECT_NE(run.out.find(" problem opening\r\n event\\20150101.evt"), std::string::npos);
    EXPECT_NE(run.out.find("in write_event @ line 15\r\n ios=" + status +
                           "  possible problem: lile is locked\r\n"),
              std::string::npos);
    EXPECT_EQ(run.out.find("... created"), std::string::npos);
  }
}

std::vector<Fault> open_failures() {
  std::vector<Fault> faults;
  for (const int number : {29, 9, 43, 30}) {
    const FileFault fault{number};
    // Checked where opened: nothing after the opening happens.
    faults.push_back({"evt_info.txt", fault, number, 0, -1});
    faults.push_back({"temp1.fls", fault, number, 0, 0});
    faults.push_back({"temp2.fls", fault, number, 0, 0});
    faults.push_back({"temp3.fls", fault, number, 0, 0});
    faults.push_back({"event\\20150101.evt", fault, 1, 0, 0});
    // Not examined where opened: the first write reports it.
    faults.push_back({"temp0.fls", fault, number, 0, 0});
    faults.push_back({"temp5.fls", fault, number, 1, 1});
    faults.push_back({"event\\events_to_follow.txt", fault, number, 1, -1});
  }
  return faults;
}

INSTANTIATE_TEST_SUITE_P(EachFileAndNumber, OpenFailure, ::testing::ValuesIn(open_failures()),
                         [](const auto& test) {
                           return test_name(test.param) + "_" +
                                  std::to_string(test.param.fault.open_failure);
                         });

// --- Files that open for reading only --------------------------------------------------------

class ReadOnlyFile : public ::testing::TestWithParam<Fault> {};

TEST_P(ReadOnlyFile, FirstWriteEndsTheRunAndTheOldContentStays) {
  const Fault& fault = GetParam();
  const std::string path = slashed(fault.file);
  const Outcome run = run_in_fresh_directory({{fault.file, fault.fault}}, {{path, kOldContent}});
  expect_ending(run, fault);
  EXPECT_EQ(run.files.at(path), kOldContent);
}

constexpr FileFault kReadOnly{0, true};

// evt_info.txt is never written, so reading only does not matter to it.
INSTANTIATE_TEST_SUITE_P(EachFile, ReadOnlyFile,
                         ::testing::Values(Fault{"evt_info.txt", kReadOnly, 0, 2, 2},
                                           Fault{"temp0.fls", kReadOnly, 47, 0, 0},
                                           Fault{"temp1.fls", kReadOnly, 47, 0, 0},
                                           Fault{"temp2.fls", kReadOnly, 47, 0, 0},
                                           Fault{"temp3.fls", kReadOnly, 47, 0, 0},
                                           Fault{"temp5.fls", kReadOnly, 47, 1, 1},
                                           Fault{"event\\20150101.evt", kReadOnly, 47, 0, 0},
                                           Fault{"event\\events_to_follow.txt", kReadOnly, 47, 1,
                                                 -1}),
                         [](const auto& test) { return test_name(test.param); });

// --- Writes that fail half-way ---------------------------------------------------------------

struct FailingWrite {
  Fault fault;
  int records_kept;  // records of this opening before the failed one, as the fault-free run
};

void PrintTo(const FailingWrite& failing, std::ostream* out) { *out << failing.fault.file; }

class WriteFailure : public ::testing::TestWithParam<FailingWrite> {};

TEST_P(WriteFailure, KeepsTheRecordsBeforeAndNoHalfRecord) {
  const Fault& fault = GetParam().fault;
  const std::string path = slashed(fault.file);
  const Outcome run = run_in_fresh_directory({{fault.file, fault.fault}}, {});
  expect_ending(run, fault);
  ASSERT_EQ(run.files.count(path), 1u);
  EXPECT_EQ(run.files.at(path),
            first_records(fault_free_run().files.at(path), GetParam().records_kept));
}

FileFault failing_write(int number) { return FileFault{0, false, number}; }

INSTANTIATE_TEST_SUITE_P(
    EachFile, WriteFailure,
    ::testing::Values(FailingWrite{{"temp0.fls", failing_write(1), 38, 0, 0}, 0},
                      FailingWrite{{"temp1.fls", failing_write(2), 38, 1, 1}, 0},
                      FailingWrite{{"temp2.fls", failing_write(1), 38, 0, 0}, 0},
                      FailingWrite{{"temp3.fls", failing_write(5), 38, 0, 0}, 4},
                      FailingWrite{{"temp5.fls", failing_write(1), 38, 1, 1}, 0},
                      FailingWrite{{"event\\20150101.evt", failing_write(50), 38, 0, 0}, 49},
                      FailingWrite{{"event\\events_to_follow.txt", failing_write(2), 38, 2, 1}, 1}),
    [](const auto& test) { return test_name(test.param.fault); });

// --- Reads that fail -------------------------------------------------------------------------

class ReadFailure : public ::testing::TestWithParam<Fault> {};

TEST_P(ReadFailure, EndsWithFailure39) {
  expect_ending(run_in_fresh_directory({{GetParam().file, GetParam().fault}}, {}), GetParam());
}

constexpr FileFault kFirstReadFails{0, false, 0, 1};

// Only the scratch files are read back; the event files, the list and evt_info.txt never are.
INSTANTIATE_TEST_SUITE_P(EachScratchFile, ReadFailure,
                         ::testing::Values(Fault{"temp0.fls", kFirstReadFails, 39, 0, 0},
                                           Fault{"temp1.fls", kFirstReadFails, 39, 0, 0},
                                           Fault{"temp2.fls", kFirstReadFails, 39, 0, 0},
                                           Fault{"temp3.fls", kFirstReadFails, 39, 0, 0},
                                           Fault{"temp5.fls", kFirstReadFails, 39, 1, 1}),
                         [](const auto& test) { return test_name(test.param); });

}  // namespace
}  // namespace quarnell
