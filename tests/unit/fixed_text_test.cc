#include "text_io/fixed_text.h"

#include <gtest/gtest.h>

namespace quarnell {
namespace {

TEST(AssignText, CutsOrPadsToTheWidth) {
  EXPECT_EQ(assign_text("abc", 2), "ab");
  EXPECT_EQ(assign_text("abcdefgh", 5), "abcde");
  EXPECT_EQ(assign_text("ab", 5), "ab   ");
  EXPECT_EQ(assign_text("", 3), "   ");
}

}  // namespace
}  // namespace quarnell
