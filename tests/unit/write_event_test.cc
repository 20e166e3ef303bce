#include "event_file/write_event.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "tests/support/case_name.h"
#include "tests/support/ending_of.h"
#include "tests/support/example_event.h"
#include "tests/support/fault_file_system.h"
#include "tests/support/scripted_console.h"
#include "tests/support/temp_directory.h"
#include "text_io/platform/platform.h"

namespace quarnell {
namespace {

using testing::ending_of;
using testing::ExampleEvent;
using testing::FaultyFileSystem;
using testing::FileFault;
using testing::read_whole_file;
using testing::ScriptedConsole;
using testing::TempDirectory;
using testing::write_whole_file;

constexpr char kEventFile[] = "event/20150101.evt";

// Records `first` to `last` of the example event as the file holds them.
std::string records(const ExampleEvent& event, std::size_t first, std::size_t last) {
  std::string bytes;
  for (std::size_t number = first; number <= last; ++number) bytes += event.record(number) + "\r\n";
  return bytes;
}

class WriteEvent : public ::testing::Test {
 protected:
  WriteEvent() { std::filesystem::create_directory("event"); }

  // Runs the writer on the example event; how it ended the run, if it did.
  std::optional<RunEnded> write(FileSystem& file_system) {
    TextFiles files(file_system);
    const auto ending = ending_of([&] {
      write_event({files, console_, event_.settings, event_.names}, event_.YY1, event_.MM1,
                  event_.DD1, event_.HH1, event_.EVTNAME, event_.EVTHOURS);
    });
    files.close_all();
    return ending;
  }
  std::optional<RunEnded> write() { return write(*real_files_); }

  TempDirectory directory_;
  std::unique_ptr<FileSystem> real_files_ = platform::make_file_system();
  ScriptedConsole console_{""};
  ExampleEvent event_;
};

TEST_F(WriteEvent, ReplacesALongerFileByExactlyTheHundredAndEightRecords) {
  std::string old_file;
  for (int line = 0; line < 300; ++line) old_file += ":an earlier event file's line\r\n";
  write_whole_file(kEventFile, old_file);

  EXPECT_FALSE(write().has_value());

  EXPECT_EQ(read_whole_file(kEventFile), records(event_, 1, 108));
  EXPECT_EQ(console_.out, "");
}

struct ShortTextCase {
  const char* text;  // the one named
  void (*shorten)(ExampleEvent&);
  std::size_t records_kept;
};

class WriteEventShortText : public WriteEvent,
                            public ::testing::WithParamInterface<ShortTextCase> {};

TEST_P(WriteEventShortText, StopsWhileItsRecordIsWrittenKeepingTheRecordsBefore) {
  const ShortTextCase& c = GetParam();
  c.shorten(event_);

  const auto ending = write();

  ASSERT_TRUE(ending.has_value());
  EXPECT_EQ(ending->status(), 408);
  const std::string line = ending->what();
  EXPECT_NE(line.find("check 19"), std::string::npos) << line;
  EXPECT_NE(line.find(std::string(" ") + c.text + " "), std::string::npos) << line;
  EXPECT_EQ(read_whole_file(kEventFile), records(event_, 1, c.records_kept));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WriteEventShortText,
    ::testing::Values(ShortTextCase{"YY1", [](ExampleEvent& e) { e.YY1 = "201"; }, 3},
                      ShortTextCase{"EVTNAME", [](ExampleEvent& e) { e.EVTNAME = "2015"; }, 58},
                      // Of several short texts, the first in record order.
                      ShortTextCase{"HH1",
                                    [](ExampleEvent& e) {
                                      e.HH1 = "0";
                                      e.EVTNAME = "2015";
                                    },
                                    6}),
    [](const ::testing::TestParamInfo<ShortTextCase>& test) { return test.param.text; });

TEST_F(WriteEvent, FewerThanNinetyNineSlotsStopBeforeTheOpen) {
  event_.names.FLN.resize(98);

  const auto ending = write();

  ASSERT_TRUE(ending.has_value());
  EXPECT_EQ(ending->status(), 408);
  const std::string line = ending->what();
  EXPECT_NE(line.find("check 10"), std::string::npos) << line;
  EXPECT_NE(line.find("FLN"), std::string::npos) << line;
  EXPECT_FALSE(std::filesystem::exists(kEventFile));
}

struct FaultCase {
  const char* name;
  FileFault fault;
  int status;
  bool old_content_kept;
  std::size_t records_kept;  // when the old content is gone
};

class WriteFault : public WriteEvent, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(WriteFault, EndsTheRunWithItsFailureNamingTheFile) {
  const FaultCase& c = GetParam();
  const std::string old_file = "an earlier event file\r\n";
  write_whole_file(kEventFile, old_file);
  FaultyFileSystem file_system({{"event\\20150101.evt", c.fault}});

  const auto ending = write(file_system);

  ASSERT_TRUE(ending.has_value());
  EXPECT_EQ(ending->status(), c.status);
  EXPECT_NE(std::string(ending->what()).find("event\\20150101.evt"), std::string::npos)
      << ending->what();
  EXPECT_EQ(read_whole_file(kEventFile),
            c.old_content_kept ? old_file : records(event_, 1, c.records_kept));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, WriteFault,
    ::testing::Values(FaultCase{"ReadOnlyFileIs47", FileFault{0, true, 0, 0}, 47, true, 0},
                      FaultCase{"RefusedRecordIs38", FileFault{0, false, 5, 0}, 38, false, 4}),
    quarnell::testing::CaseName());

}  // namespace
}  // namespace quarnell
