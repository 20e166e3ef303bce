#include "series/name_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/support/documented_names.h"
#include "tests/support/temp_directory.h"
#include "text_io/fixed_text.h"
#include "text_io/platform/platform.h"

namespace quarnell {
namespace {

using testing::read_whole_file;
using testing::TempDirectory;
using testing::write_whole_file;

std::string crlf(const std::vector<std::string>& records) {
  std::string bytes;
  for (const std::string& record : records) bytes += record + "\r\n";
  return bytes;
}

class ComposeEventNames : public ::testing::Test {
 protected:
  ComposeEventNames() { names_.FLN.assign(kNameSlots, std::string(kNameLength, ' ')); }

  TempDirectory directory_;
  std::unique_ptr<FileSystem> file_system_ = platform::make_file_system();
  TextFiles files_{*file_system_};
  NameList names_;
};

TEST_F(ComposeEventNames, TwentyFourRecordsIntoSlotsOneToTwentyThreeAndTheEventPath) {
  write_whole_file("temp3.fls", std::string(40, 'x') + "\r\n" +
                                    crlf(std::vector<std::string>(30, "an earlier record")));
  const std::vector<std::string>& records = testing::documented_temp3_records();

  compose_event_names(files_, "gr10k   ", "20150101", names_);

  const std::string temp3 = read_whole_file("temp3.fls");
  EXPECT_EQ(temp3, crlf(records));
  EXPECT_EQ(temp3.find('\0'), std::string::npos);
  for (std::size_t number = 1; number <= 23; ++number) {
    EXPECT_EQ(slot(names_, number), assign_text(records[number - 1], kNameLength)) << number;
  }
  EXPECT_EQ(names_.FLN1, assign_text("event\\20150101.evt", kNameLength));
  EXPECT_EQ(slot(names_, 24), std::string(kNameLength, ' '));
  EXPECT_EQ(slot(names_, 99), std::string(kNameLength, ' '));  // the run driver's to fill
}

struct BasinCase {
  const char* name;
  const char* BSNME;  // 8 characters, as the answer leaves it
  const char* name_field;
};

class BasinNames : public ComposeEventNames, public ::testing::WithParamInterface<BasinCase> {};

TEST_P(BasinNames, NameTheBasinFilesUpToTheFirstBlank) {
  const BasinCase c = GetParam();
  const std::string basin = std::string("basin\\") + c.name_field;

  compose_event_names(files_, c.BSNME, "20150201", names_);

  EXPECT_EQ(slot(names_, 1), assign_text(basin + "_shd.r2c", kNameLength));
  EXPECT_EQ(slot(names_, 3), assign_text(basin + "_ch_par.r2c", kNameLength));
  EXPECT_EQ(slot(names_, 7), assign_text(basin + "_diff.r2c", kNameLength));
  EXPECT_EQ(slot(names_, 8), assign_text("raing\\20150201.rag", kNameLength));
  EXPECT_EQ(slot(names_, 16), assign_text(basin, kNameLength));
  EXPECT_EQ(names_.FLN1, assign_text("event\\20150201.evt", kNameLength));

  std::vector<std::string> records;
  std::string temp3 = read_whole_file("temp3.fls");
  for (std::size_t end; (end = temp3.find("\r\n")) != std::string::npos; temp3.erase(0, end + 2)) {
    records.push_back(temp3.substr(0, end));
  }
  ASSERT_EQ(records.size(), 24u);
  EXPECT_EQ(records[0], basin + "_shd.r2c   ");
  EXPECT_EQ(records[2], basin + "_ch_par.r2c");
  EXPECT_EQ(records[15], basin + std::string(11, ' '));
}

INSTANTIATE_TEST_SUITE_P(Names, BasinNames,
                         ::testing::Values(BasinCase{"FourCharacters", "saug    ", "saug"},
                                           BasinCase{"AllEight", "abcdefgh", "abcdefgh"},
                                           BasinCase{"Empty", "        ", " "},
                                           BasinCase{"FirstWordOfTwo", "ab cd   ", "ab"},
                                           BasinCase{"LeadingBlank", " xyz    ", " "}),
                         quarnell::testing::CaseName());

}  // namespace
}  // namespace quarnell
