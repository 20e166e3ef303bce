// The Windows platform layer against the real system: open failures, the read-only fallback
// and the standard handles.
#ifdef _WIN32

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/temp_directory.h"
#include "text_io/ending.h"
#include "text_io/platform/platform.h"
#include "text_io/text_files.h"

namespace quarnell {
namespace {

using testing::read_whole_file;
using testing::TempDirectory;
using testing::write_whole_file;

int open_status(const std::string& path) {
  const std::unique_ptr<FileSystem> file_system = platform::make_file_system();
  const OpenedFile opened = file_system->open(path);
  return opened.file ? 0 : opened.failure;
}

// Points a standard handle at a file for the life of the object.
class RedirectedHandle {
 public:
  RedirectedHandle(DWORD which, const std::string& path)
      : which_(which), previous_(GetStdHandle(which)) {
    file_ = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    SetStdHandle(which_, file_);
  }
  ~RedirectedHandle() {
    SetStdHandle(which_, previous_);
    CloseHandle(file_);
  }
  RedirectedHandle(const RedirectedHandle&) = delete;
  RedirectedHandle& operator=(const RedirectedHandle&) = delete;

  std::uint64_t position() const {
    LARGE_INTEGER here{};
    SetFilePointerEx(file_, LARGE_INTEGER{}, &here, FILE_CURRENT);
    return static_cast<std::uint64_t>(here.QuadPart);
  }

 private:
  DWORD which_;
  HANDLE previous_;
  HANDLE file_;
};

// The file holds the record "old": it can be read, and a write is failure 47.
void expect_opened_for_reading_only(const std::string& path) {
  const std::unique_ptr<FileSystem> file_system = platform::make_file_system();
  TextFiles files(*file_system);
  ASSERT_EQ(files.open(Channel::kScratch, path, OnOpenFailure::kReturnStatus), 0);
  EXPECT_EQ(files.on(Channel::kScratch).read_record(), "old");
  files.rewind(Channel::kScratch);
  try {
    files.on(Channel::kScratch).write_record("new");
    ADD_FAILURE() << "the write was not refused";
  } catch (const RunEnded& ending) {
    EXPECT_EQ(ending.status(), failure::kReadOnly);
  }
}

TEST(Win32Open, FailuresByCause) {
  TempDirectory directory;
  CreateDirectoryA("event", nullptr);
  const struct {
    std::string path;
    int failure;
  } cases[] = {
      {"missing\\20150101.evt", failure::kNotFound},
      {"a<b>", failure::kInvalidName},
      {"event\\a|b.evt", failure::kInvalidName},
      {std::string(300, 'x') + ".evt", failure::kInvalidName},  // longer than a name can be
      {"event", failure::kAccessRefused},                       // a directory is not a file
      {"event\\20150101.evt", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(open_status(c.path), c.failure) << c.path;
}

TEST(Win32Open, FileHeldEvenAgainstReadingIsFailure30) {
  TempDirectory directory;
  const HANDLE held = CreateFileA("temp0.fls", GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(open_status("temp0.fls"), failure::kCannotOpen);
  CloseHandle(held);
}

TEST(Win32Open, ReadOnlyFileOpensForReadingAndRefusesWrites) {
  TempDirectory directory;
  write_whole_file("kept.txt", "old\r\n");
  ASSERT_TRUE(SetFileAttributesA("kept.txt", FILE_ATTRIBUTE_READONLY));
  expect_opened_for_reading_only("kept.txt");
  EXPECT_EQ(read_whole_file("kept.txt"), "old\r\n");
  SetFileAttributesA("kept.txt", FILE_ATTRIBUTE_NORMAL);  // so that it can be removed
}

TEST(Win32Open, FileHeldAgainstWritingOpensForReading) {
  TempDirectory directory;
  write_whole_file("kept.txt", "old\r\n");
  const HANDLE held = CreateFileA("kept.txt", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  expect_opened_for_reading_only("kept.txt");
  CloseHandle(held);
  EXPECT_EQ(read_whole_file("kept.txt"), "old\r\n");
}

TEST(Win32Console, OutputBytesReachTheHandleUnchanged) {
  TempDirectory directory;
  {
    const RedirectedHandle out(STD_OUTPUT_HANDLE, "out.txt");
    const RedirectedHandle err(STD_ERROR_HANDLE, "err.txt");
    const std::unique_ptr<Console> console = platform::make_console();
    EXPECT_TRUE(console->write_out(" line\r\n"));
    EXPECT_TRUE(console->write_out("Hit enter to continue\n"));
    console->write_err("Normal ending\r\n");
  }
  EXPECT_EQ(read_whole_file("out.txt"), " line\r\nHit enter to continue\n");
  EXPECT_EQ(read_whole_file("err.txt"), "Normal ending\r\n");
}

TEST(Win32Console, LinesAreReadWithoutReadingAhead) {
  TempDirectory directory;
  write_whole_file("in.txt", "12\r\n\nlast");
  const RedirectedHandle in(STD_INPUT_HANDLE, "in.txt");
  const std::unique_ptr<Console> console = platform::make_console();
  EXPECT_EQ(console->read_line(), "12");
  EXPECT_EQ(in.position(), 4u);  // the rest stays for a command run at a pause
  EXPECT_EQ(console->read_line(), "");
  EXPECT_EQ(console->read_line(), "last");
  EXPECT_EQ(console->read_line(), std::nullopt);
}

TEST(Win32Console, CommandRunsThroughCmdAndIsWaitedFor) {
  TempDirectory directory;
  const std::unique_ptr<Console> console = platform::make_console();
  console->run_command("echo ran> ran.txt");
  EXPECT_EQ(read_whole_file("ran.txt"), "ran\r\n");
}

}  // namespace
}  // namespace quarnell

#endif  // _WIN32
