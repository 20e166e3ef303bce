#include "text_io/free_answer.h"

#include <gtest/gtest.h>

#include "tests/support/ending_of.h"
#include "tests/support/memory_records.h"
#include "text_io/ending.h"

namespace quarnell {
namespace {

using testing::MemoryRecords;

int failure_of(const std::function<void()>& read) {
  const std::optional<RunEnded> ending = testing::ending_of(read);
  return ending ? ending->status() : 0;
}

TEST(FreeAnswer, IntegerAnswers) {
  struct Case {
    std::vector<std::string> lines;
    std::int32_t expected;
  };
  const std::int32_t kUnchanged = -77;
  for (const Case& c : std::vector<Case>{
           {{"3"}, 3},
           {{"  42  "}, 42},
           {{"3,7"}, 3},
           {{"3 7"}, 3},
           {{"3/"}, 3},
           {{"", "   ", "12"}, 12},
           {{"3.5"}, 3},
           {{"-2.7"}, -2},
           {{"+8"}, 8},
           {{"1e2"}, 100},
           {{"1D2"}, 100},
           {{".5"}, 0},
           {{"5."}, 5},
           {{"2*9"}, 9},
           {{"\t6"}, 6},
           {{"2147483647"}, 2147483647},
           {{"-2147483648"}, -2147483647 - 1},
           {{","}, kUnchanged},
           {{"  , 5"}, kUnchanged},
           {{"/"}, kUnchanged},
           {{"4*"}, kUnchanged},
       }) {
    MemoryRecords input(c.lines);
    std::int32_t value = kUnchanged;
    get_free_integer(input, value);
    EXPECT_EQ(value, c.expected) << c.lines.back();
  }
}

TEST(FreeAnswer, TheRestOfTheLineIsPassedOver) {
  MemoryRecords input({"3,7", "9"});
  std::int32_t first = 0, second = 0;
  get_free_integer(input, first);
  get_free_integer(input, second);
  EXPECT_EQ(first, 3);
  EXPECT_EQ(second, 9);
}

TEST(FreeAnswer, RealAnswers) {
  for (const auto& [line, expected] : std::vector<std::pair<std::string, float>>{
           {"2.5", 2.5f}, {"-10", -10.0f}, {"1.0e-2", 0.01f}, {"3d1", 30.0f}, {"100", 100.0f}}) {
    MemoryRecords input({line});
    float value = 0;
    get_free_real(input, value);
    EXPECT_FLOAT_EQ(value, expected) << line;
  }
}

TEST(FreeAnswer, Failures) {
  struct Case {
    std::vector<std::string> lines;
    int failure;
  };
  for (const Case& c : std::vector<Case>{
           {{"abc"}, failure::kNotANumber},
           {{"12months"}, failure::kNotANumber},
           {{"T"}, failure::kNotANumber},
           {{".false."}, failure::kNotANumber},
           {{"'3'"}, failure::kNotANumber},
           {{"-"}, failure::kNotANumber},
           {{"1e"}, failure::kNotANumber},
           {{"0*5"}, failure::kNotANumber},
           {{"x*5"}, failure::kNotANumber},
           {{"nan"}, failure::kNotANumber},
           {{"0x10"}, failure::kNotANumber},
           {{}, failure::kEndOfInput},
           {{"", "  "}, failure::kEndOfInput},
           {{"2147483648"}, failure::kBadNumberField},
           {{"-1e10"}, failure::kBadNumberField},
           {{"1e99999999999"}, failure::kBadNumberField},
       }) {
    MemoryRecords input(c.lines);
    std::int32_t value = 0;
    const std::string shown = c.lines.empty() ? "(no input)" : c.lines.back();
    EXPECT_EQ(failure_of([&] { get_free_integer(input, value); }), c.failure) << shown;
  }
  MemoryRecords too_big({"1e39"});
  float real = 0;
  EXPECT_EQ(failure_of([&] { get_free_real(too_big, real); }), failure::kBadNumberField);
}

}  // namespace
}  // namespace quarnell
