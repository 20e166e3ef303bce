#include "text_io/fixed_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quarnell {
namespace {

using Records = std::vector<std::string>;

TEST(FixedFields, IntegerField) {
  struct Case {
    std::int64_t value;
    int width;
    const char* shown;
  };
  for (const Case& c : {Case{5, 2, " 5"}, Case{123, 2, "**"}, Case{0, 5, "    0"},
                        Case{-5, 5, "   -5"}, Case{100000, 5, "*****"}, Case{-9999, 5, "-9999"},
                        Case{-10000, 5, "*****"}, Case{8784, 5, " 8784"}}) {
    EXPECT_EQ(format_integer_field(c.value, c.width), c.shown) << c.value;
  }
}

TEST(FixedFields, DecimalField) {
  struct Case {
    double value;
    int width;
    int decimals;
    const char* shown;
  };
  for (const Case& c :
       {Case{100, 5, 2, "*****"}, Case{-1.5, 5, 2, "-1.50"}, Case{0, 5, 2, " 0.00"},
        Case{2.5, 5, 2, " 2.50"}, Case{99.99, 5, 2, "99.99"}, Case{99.996, 5, 2, "*****"},
        Case{-10, 5, 2, "*****"}, Case{-9.99, 5, 2, "-9.99"}, Case{0.5, 5, 2, " 0.50"},
        Case{0.5, 3, 2, ".50"}, Case{-0.5, 4, 2, "-.50"}, Case{0.126, 5, 2, " 0.13"},
        Case{25, 5, 0, "  25."}, Case{std::numeric_limits<double>::infinity(), 5, 2, "*****"}}) {
    EXPECT_EQ(format_decimal_field(c.value, c.width, c.decimals), c.shown) << c.value;
  }
}

TEST(FixedFields, TextFieldIsRightJustifiedOrCut) {
  EXPECT_EQ(format_text_field("abc", 8), "     abc");
  EXPECT_EQ(format_text_field(std::string(31, 'q'), 30), std::string(30, 'q'));
  EXPECT_EQ(format_text_field("2015", 4), "2015");
}

TEST(FixedLayout, RecordBreaksMakeEmptyRecords) {
  EXPECT_EQ(lay_out_fixed_records({record_break(), literal(" name"), record_break()}, {}),
            (Records{"", " name", ""}));
}

TEST(FixedLayout, SkipsBecomeBlanksOnlyBeforeWrittenCharacters) {
  const Layout date = {text_field(4), skip(1), text_field(2), skip(1),
                       text_field(2), skip(1), text_field(2), skip(1)};
  EXPECT_EQ(lay_out_fixed_records(date, {"2015", "01", "01", "00"}), Records{"2015 01 01 00"});
}

TEST(FixedLayout, StopsAtTheFirstFieldWithoutAnItem) {
  // Literals before that field are still written; the rest of the layout is not.
  EXPECT_EQ(lay_out_fixed_records(
                {literal("a="), integer_field(3), literal(" b="), integer_field(3), literal("!")},
                {std::int32_t{7}}),
            Records{"a=  7 b="});
}

TEST(FixedLayout, LayoutIsReusedForItemsLeftOver) {
  EXPECT_EQ(lay_out_fixed_records({text_field(3)}, {"ab", "cdef", "g"}),
            (Records{" ab", "cde", "  g"}));
  EXPECT_EQ(lay_out_fixed_records({integer_field(4), literal("0"), integer_field(1), literal("01")},
                                  {std::int32_t{10000}, std::int32_t{3}}),
            Records{"****0301"});
}

}  // namespace
}  // namespace quarnell
