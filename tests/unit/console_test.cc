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

}  // namespace
}  // namespace quarnell
