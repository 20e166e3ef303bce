#include "text_io/ending.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/ending_of.h"

namespace quarnell {
namespace {

RunEnded ending_of(const std::function<void()>& action) {
  return testing::ending_of(action).value_or(RunEnded("(no ending)", -1));
}

TEST(Ending, StatusesAndLines) {
  struct Case {
    std::function<void()> action;
    int status;
    std::string line;
  };
  for (const Case& c : std::vector<Case>{
           {[] { end_run("Normal ending"); }, 0, "Normal ending"},
           {[] { abort_run("program aborted in write_event"); }, 1,
            "program aborted in write_event"},
           {[] { report_failure(29, "temp3.fls"); }, 29,
            "failure 29: the file, or a directory on its path, does not exist: temp3.fls"},
           {[] { report_failure(59, "standard input"); }, 59,
            "failure 59: the answer is not a number: standard input"},
           {[] { check_subscript("MOHOURS", 1, 25, 1, 24); }, 408,
            "failure 408, check 10: subscript 1 of the array MOHOURS has the value 25, greater "
            "than the upper bound 24"},
           {[] { check_subscript("MOHOURS", 1, 0, 1, 24); }, 408,
            "failure 408, check 11: subscript 1 of the array MOHOURS has the value 0, less than "
            "the lower bound 1"},
           {[] { check_text_length("YY1", 4, 3); }, 408,
            "failure 408, check 19: the text YY1 handed to write_event is 3 characters long, "
            "shorter than its declared length 4"},
       }) {
    const RunEnded ending = ending_of(c.action);
    EXPECT_EQ(ending.status(), c.status);
    EXPECT_EQ(std::string(ending.what()), c.line);
  }
}

TEST(Ending, ChecksPassInsideTheirBounds) {
  EXPECT_NO_THROW(check_subscript("MOHOURS", 1, 1, 1, 24));
  EXPECT_NO_THROW(check_subscript("MOHOURS", 1, 24, 1, 24));
  EXPECT_NO_THROW(check_text_length("EVTNAME", 8, 9));
}

}  // namespace
}  // namespace quarnell
