#include "text_io/console.h"

#include <gtest/gtest.h>

#include "tests/support/scripted_console.h"

namespace quarnell {
namespace {

using testing::ScriptedConsole;

TEST(Pause, OnlyAnEmptyLineOrTheEndOfInputContinues) {
  ScriptedConsole typed("dir\necho x\r\n\nnext answer\n");
  pause_run(typed, "Hit enter to continue");
  EXPECT_EQ(typed.out, "Hit enter to continue\nHit enter to continue\nHit enter to continue\n");
  EXPECT_EQ(typed.commands, (std::vector<std::string>{"dir", "echo x"}));
  EXPECT_EQ(typed.read_line(), "next answer");

  ScriptedConsole ended("");
  pause_run(ended, "Hit enter to continue");
  EXPECT_EQ(ended.out, "Hit enter to continue\n");
}

TEST(StandardInput, ZeroBytesReadAsBlanks) {
  ScriptedConsole typed(std::string("gr\0k\n", 5));
  StandardInput in(typed);
  EXPECT_EQ(in.read_record(), "gr k");
}

TEST(StandardOutput, RecordsEndWithCrLf) {
  ScriptedConsole console("");
  StandardOutput out(console);
  out.write_record(" line");
  out.write_record("");
  EXPECT_EQ(console.out, " line\r\n\r\n");
}

TEST(ReadLineBytewise, LineEndsAndTheEndOfInput) {
  const std::string input = "one\ntwo\r\n\nlast";
  std::size_t next = 0;
  const auto next_byte = [&](char& c) {
    if (next == input.size()) return false;
    c = input[next++];
    return true;
  };
  EXPECT_EQ(read_line_bytewise(next_byte), "one");
  EXPECT_EQ(next, 4u);  // nothing read beyond the line end
  EXPECT_EQ(read_line_bytewise(next_byte), "two");
  EXPECT_EQ(read_line_bytewise(next_byte), "");
  EXPECT_EQ(read_line_bytewise(next_byte), "last");
  EXPECT_EQ(read_line_bytewise(next_byte), std::nullopt);
}

}  // namespace
}  // namespace quarnell
