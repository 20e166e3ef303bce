#include "text_io/free_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarnell {
namespace {

using Lines = std::vector<std::string>;

std::string blanks(std::size_t count) { return std::string(count, ' '); }

TEST(FreeLine, LeadingBlankAndBlankLine) {
  EXPECT_EQ(lay_out_free_line({"Enter the no of events to create:"}),
            Lines{" Enter the no of events to create:"});
  EXPECT_EQ(lay_out_free_line({}), Lines{" "});
  EXPECT_EQ(lay_out_free_line({""}), Lines{" "});
}

TEST(FreeLine, TextsJoinWithoutSeparatorAndKeepTrailingBlanks) {
  const std::string path = "event\\20150101.evt" + blanks(42);
  EXPECT_EQ(lay_out_free_line({path, "... created"}), Lines{" " + path + "... created"});
  const std::string listed = "event\\20150101.evt" + blanks(54);
  EXPECT_EQ(lay_out_free_line({listed}), Lines{" " + listed});
}

TEST(FreeLine, WidthLimitOfEighty) {
  const std::string text79(79, 'x');
  EXPECT_EQ(lay_out_free_line({text79}), Lines{" " + text79});
  // One more character: the second item does not fit in the room left and moves down.
  EXPECT_EQ(lay_out_free_line({std::string(78, 'x'), "ab"}),
            (Lines{" " + std::string(78, 'x'), " ab"}));
  const std::string text80 = std::string(79, 'y') + "z";
  EXPECT_EQ(lay_out_free_line({text80}), (Lines{" ", " " + std::string(79, 'y'), " z"}));
}

TEST(FreeLine, IntegersTakeTwelveColumnsAndSeparateFromTexts) {
  EXPECT_EQ(lay_out_free_line({"ios=", 29, " possible problem: lile is locked"}),
            Lines{" ios=" + blanks(10) + "29  possible problem: lile is locked"});
  EXPECT_EQ(lay_out_free_line({-7}), Lines{blanks(10) + "-7"});
  EXPECT_EQ(lay_out_free_line({1, 2}), Lines{blanks(11) + "1" + blanks(11) + "2"});
  // An integer that does not fit in the room left starts a new line.
  EXPECT_EQ(lay_out_free_line({std::string(70, 'a'), 5}),
            (Lines{" " + std::string(70, 'a'), blanks(11) + "5"}));
}

TEST(FreeLine, LongTextIsContinuedOnNewLines) {
  std::string slot = "event\\20150101.evt";
  slot.resize(256, ' ');
  const Lines lines = lay_out_free_line({"problem opening", slot, "in write_event @ line 15"});
  EXPECT_EQ(lines, (Lines{" problem opening", " " + slot.substr(0, 79), " " + slot.substr(79, 79),
                          " " + slot.substr(158, 79),
                          " " + slot.substr(237) + "in write_event @ line 15"}));
}

}  // namespace
}  // namespace quarnell
