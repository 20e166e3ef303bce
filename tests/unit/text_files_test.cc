#include "text_io/text_files.h"

#include <gtest/gtest.h>

#include "tests/support/ending_of.h"
#include "tests/support/temp_directory.h"
#include "text_io/ending.h"
#include "text_io/fixed_read.h"
#include "text_io/platform/platform.h"

namespace quarnell {
namespace {

using testing::read_whole_file;
using testing::TempDirectory;
using testing::write_whole_file;

// Hands out the real files, but as if writing to them were refused.
class ReadOnlyFileSystem final : public FileSystem {
 public:
  OpenedFile open(const std::string& path) override {
    OpenedFile opened = real_->open(path);
    opened.read_only = true;
    return opened;
  }

 private:
  std::unique_ptr<FileSystem> real_ = platform::make_file_system();
};

int status_of(const std::function<void()>& action) {
  const std::optional<RunEnded> ending = testing::ending_of(action);
  return ending ? ending->status() : 0;
}

class TextFilesTest : public ::testing::Test {
 protected:
  TempDirectory directory_;
  std::unique_ptr<FileSystem> file_system_ = platform::make_file_system();
  TextFiles files_{*file_system_};
};

const std::string kTenLines = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n";

TEST_F(TextFilesTest, FirstWriteAfterOpenCutsTheOldContent) {
  write_whole_file("list.txt", kTenLines);
  files_.open(Channel::kScratch, "list.txt", OnOpenFailure::kEndRun);
  files_.on(Channel::kScratch).write_record("a");
  files_.on(Channel::kScratch).write_record("b");
  files_.close(Channel::kScratch);
  EXPECT_EQ(read_whole_file("list.txt"), "a\r\nb\r\n");
}

TEST_F(TextFilesTest, OpenWithoutWriteKeepsOrCreates) {
  write_whole_file("kept.txt", kTenLines);
  files_.open(Channel::kEvtInfo, "kept.txt", OnOpenFailure::kEndRun);
  files_.open(Channel::kScratch, "new.txt", OnOpenFailure::kEndRun);
  files_.close_all();
  EXPECT_EQ(read_whole_file("kept.txt"), kTenLines);
  EXPECT_TRUE(std::filesystem::exists("new.txt"));
  EXPECT_EQ(read_whole_file("new.txt"), "");
}

TEST_F(TextFilesTest, RewindReadsTheSameRecordAgainAndRewritesFromTheStart) {
  files_.open(Channel::kScratch, "temp.fls", OnOpenFailure::kEndRun);
  TextFile& file = files_.on(Channel::kScratch);
  file.write_record("20150101");
  file.write_record("second");
  file.rewind();
  EXPECT_EQ(file.read_record(), "20150101");
  file.rewind();
  EXPECT_EQ(file.read_record(), "20150101");
  EXPECT_EQ(file.read_record(), "second");
  EXPECT_EQ(file.read_record(), std::nullopt);
  file.rewind();
  file.write_record("x");
  files_.close(Channel::kScratch);
  EXPECT_EQ(read_whole_file("temp.fls"), "x\r\n");
}

TEST_F(TextFilesTest, RecordsReadWithEitherLineEnd) {
  write_whole_file("mixed.txt", "one\r\ntwo\nthree");
  files_.open(Channel::kScratch, "mixed.txt", OnOpenFailure::kEndRun);
  TextFile& file = files_.on(Channel::kScratch);
  EXPECT_EQ(file.read_record(), "one");
  EXPECT_EQ(file.read_record(), "two");
  EXPECT_EQ(file.read_record(), "three");
  EXPECT_EQ(file.read_record(), std::nullopt);
}

TEST_F(TextFilesTest, ReadingPastTheLastRecordIsFailure24NamingTheFile) {
  files_.open(Channel::kScratch, "short.fls", OnOpenFailure::kEndRun);
  std::string text(4, ' ');
  try {
    get_fixed_record(files_.on(Channel::kScratch), {text_field(4)}, {TextTarget{&text, 4}});
    FAIL();
  } catch (const RunEnded& ending) {
    EXPECT_EQ(ending.status(), failure::kEndOfInput);
    EXPECT_NE(std::string(ending.what()).find("short.fls"), std::string::npos);
  }
}

TEST_F(TextFilesTest, OpeningOnABusyChannelClosesTheFileThere) {
  files_.open(Channel::kScratch, "first.fls", OnOpenFailure::kEndRun);
  files_.on(Channel::kScratch).write_record("1");
  files_.open(Channel::kScratch, "second.fls", OnOpenFailure::kEndRun);
  files_.on(Channel::kScratch).write_record("2");
  EXPECT_EQ(files_.on(Channel::kScratch).source_name(), "second.fls");
  EXPECT_EQ(read_whole_file("first.fls"), "1\r\n");
}

TEST_F(TextFilesTest, FailedOpenGivesStatusOrEndsTheRun) {
  EXPECT_EQ(files_.open(Channel::kScratch, "nowhere\\x.evt", OnOpenFailure::kReturnStatus),
            failure::kNotFound);
  EXPECT_EQ(
      status_of([&] { files_.open(Channel::kScratch, "nowhere\\x.evt", OnOpenFailure::kEndRun); }),
      failure::kNotFound);
}

TEST_F(TextFilesTest, UnexaminedFailedOpenIsReportedAtTheFirstWrite) {
  files_.open(Channel::kEventsList, "event\\events_to_follow.txt", OnOpenFailure::kReturnStatus);
  try {
    files_.on(Channel::kEventsList).write_record("line");
    FAIL();
  } catch (const RunEnded& ending) {
    EXPECT_EQ(ending.status(), failure::kNotFound);
    EXPECT_NE(std::string(ending.what()).find("event\\events_to_follow.txt"), std::string::npos);
  }
}

TEST_F(TextFilesTest, PathsWithBackslashesReachSubdirectories) {
  std::filesystem::create_directory("event");
  files_.open(Channel::kScratch, "event\\20150101.evt", OnOpenFailure::kEndRun);
  files_.on(Channel::kScratch).write_record("#");
  files_.close_all();
  EXPECT_EQ(read_whole_file("event/20150101.evt"), "#\r\n");
}

TEST(TextFilesReadOnly, WriteIsFailure47AndOldContentStays) {
  TempDirectory directory;
  write_whole_file("locked.evt", kTenLines);
  ReadOnlyFileSystem read_only;
  TextFiles files(read_only);
  EXPECT_EQ(files.open(Channel::kScratch, "locked.evt", OnOpenFailure::kReturnStatus), 0);
  EXPECT_EQ(status_of([&] { files.on(Channel::kScratch).write_record("#"); }), failure::kReadOnly);
  files.close_all();
  EXPECT_EQ(read_whole_file("locked.evt"), kTenLines);
}

}  // namespace
}  // namespace quarnell
