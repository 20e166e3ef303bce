#include "text_io/fixed_read.h"

#include <gtest/gtest.h>

#include "tests/support/memory_records.h"
#include "text_io/ending.h"

namespace quarnell {
namespace {

using testing::MemoryRecords;

std::string read_text(const std::string& record, int width, std::size_t length) {
  MemoryRecords input({record});
  std::string text(length, '?');
  get_fixed_record(input, {text_field(width)}, {TextTarget{&text, length}});
  return text;
}

float read_decimal(const std::string& record, int width, int decimals) {
  MemoryRecords input({record});
  float value = -1;
  get_fixed_record(input, {decimal_field(width, decimals)}, {&value});
  return value;
}

int failure_of(const std::string& record) {
  MemoryRecords input({record});
  std::int32_t value = 0;
  try {
    get_fixed_record(input, {integer_field(5)}, {&value});
  } catch (const RunEnded& ending) {
    return ending.status();
  }
  return 0;
}

TEST(FixedRead, TextFields) {
  EXPECT_EQ(read_text("gr10k", 8, 8), "gr10k   ");
  EXPECT_EQ(read_text("abcdefghij", 8, 8), "abcdefgh");
  EXPECT_EQ(read_text("", 1, 1), " ");
  EXPECT_EQ(read_text("yes", 1, 1), "y");
  EXPECT_EQ(read_text(" y", 1, 1), " ");
  // A wider field keeps its rightmost characters, a narrower one is padded.
  EXPECT_EQ(read_text("2015 01 01 00", 13, 12), "015 01 01 00");
  EXPECT_EQ(read_text("basin\\gr10k_shd.r2c", 30, 256),
            "basin\\gr10k_shd.r2c" + std::string(256 - 19, ' '));
}

TEST(FixedRead, NumberFields) {
  EXPECT_EQ(read_decimal(" 2 5", 5, 0), 25);
  EXPECT_EQ(read_decimal("123456", 5, 0), 12345);
  EXPECT_EQ(read_decimal("", 5, 0), 0);
  EXPECT_EQ(read_decimal("25.", 5, 0), 25);
  EXPECT_EQ(read_decimal("1.0", 5, 0), 1);
  EXPECT_FLOAT_EQ(read_decimal("125", 5, 2), 1.25f);
  EXPECT_FLOAT_EQ(read_decimal("1.5", 5, 2), 1.5f);
  EXPECT_FLOAT_EQ(read_decimal("-2e1", 5, 0), -20);
}

TEST(FixedRead, NumberFieldFailures) {
  EXPECT_EQ(failure_of("abc"), failure::kBadNumberField);
  EXPECT_EQ(failure_of("**** "), failure::kBadNumberField);
  EXPECT_EQ(failure_of("1-2"), failure::kBadNumberField);
  EXPECT_EQ(failure_of("9e99"), failure::kBadNumberField);
  EXPECT_EQ(failure_of("  -12"), 0);
}

TEST(FixedRead, ColumnsSkipsAndShortRecords) {
  MemoryRecords input({"2015010100", "2015"});
  std::int32_t year = 0, month = 0, day = 0, hour = 0, digit = -1;
  get_fixed_record(input, {integer_field(4), integer_field(2), integer_field(2), integer_field(2)},
                   {&year, &month, &day, &hour});
  get_fixed_record(input, {skip(3), integer_field(2), integer_field(9)}, {&digit, &hour});
  EXPECT_EQ(year, 2015);
  EXPECT_EQ(month, 1);
  EXPECT_EQ(day, 1);
  EXPECT_EQ(digit, 5);
  EXPECT_EQ(hour, 0);  // beyond the record: blanks
}

TEST(FixedRead, LayoutIsReusedOneRecordPerTarget) {
  MemoryRecords input({"first", "second", "third", "left over"});
  std::string a(6, ' '), b(6, ' '), c(6, ' ');
  get_fixed_record(input, {text_field(6)},
                   {TextTarget{&a, 6}, TextTarget{&b, 6}, TextTarget{&c, 6}});
  EXPECT_EQ(a, "first ");
  EXPECT_EQ(b, "second");
  EXPECT_EQ(c, "third ");
  EXPECT_EQ(input.unread(), 1u);
}

TEST(FixedRead, EndOfInputIsFailure24) {
  MemoryRecords input({"only"});
  std::string a(4, ' '), b(4, ' ');
  try {
    get_fixed_record(input, {text_field(4)}, {TextTarget{&a, 4}, TextTarget{&b, 4}});
    FAIL() << "read past the end";
  } catch (const RunEnded& ending) {
    EXPECT_EQ(ending.status(), failure::kEndOfInput);
    EXPECT_NE(std::string(ending.what()).find("memory"), std::string::npos);
  }
}

}  // namespace
}  // namespace quarnell
