#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/startup.h"
#include "surface/test/test_platform.h"

namespace quorex {
namespace {

using test::InputEvent;
using test::TestPlatform;

enum class Outcome { Show, Setup, Password, CloseAtOnce };

struct SwitchCase {
  std::string argumentText;
  Outcome outcome;
};

class SwitchTable : public testing::TestWithParam<SwitchCase> {};

TEST_P(SwitchTable, ActsOnTheFirstTwoCharactersUpperCased) {
  const SwitchCase& c = GetParam();
  TestPlatform tp;
  tp.windows.At(1, InputEvent::Click());
  tp.Run(c.argumentText);

  const auto& log = tp.log.lines;
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "SystemParametersInfoA(17, 0, 0, 0)") << "activation off comes first";
  EXPECT_EQ(tp.LogLines("SystemParametersInfoA(17, 1, 0, 0)").size(), 1u) << "unload runs once";
  EXPECT_TRUE(tp.system.screenSaverActive) << "activation ends switched on";
  EXPECT_EQ(tp.system.cursorCount, 0);
  EXPECT_TRUE(tp.windows.saver->destroyed);

  EXPECT_EQ(tp.windows.saver->visible, c.outcome == Outcome::Show) << '"' << c.argumentText << '"';
  EXPECT_EQ(tp.windows.dialogsCreated, c.outcome == Outcome::Setup ? 1 : 0);
  const auto messages = tp.LogLines("MsgBox");
  if (c.outcome == Outcome::Password) {
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "MsgBox(No password for this screen saver, 0, SCRNSAVE:Quorex)");
  } else {
    EXPECT_TRUE(messages.empty());
  }
  if (c.outcome != Outcome::Show) {
    EXPECT_TRUE(tp.windows.saver->calls.empty()) << "nothing is drawn";
    EXPECT_TRUE(tp.LogLines("DoEvents").empty()) << "closed inside the load event";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Switches, SwitchTable,
    testing::Values(SwitchCase{"/S", Outcome::Show}, SwitchCase{"/s", Outcome::Show},
                    SwitchCase{"/S 5", Outcome::Show}, SwitchCase{"/s:123", Outcome::Show},
                    SwitchCase{"/C", Outcome::Setup}, SwitchCase{"/c", Outcome::Setup},
                    SwitchCase{"/c:123", Outcome::Setup}, SwitchCase{"/C 4242", Outcome::Setup},
                    SwitchCase{"/A", Outcome::Password}, SwitchCase{"/a 99", Outcome::Password},
                    SwitchCase{"/P", Outcome::CloseAtOnce}, SwitchCase{"/p 1234", Outcome::CloseAtOnce},
                    SwitchCase{"", Outcome::CloseAtOnce}, SwitchCase{"/", Outcome::CloseAtOnce},
                    SwitchCase{"S", Outcome::CloseAtOnce}, SwitchCase{"/X", Outcome::CloseAtOnce},
                    SwitchCase{" /S", Outcome::CloseAtOnce}, SwitchCase{"-s", Outcome::CloseAtOnce}));

TEST(Switch, TakesAtMostTwoCharacters) {
  EXPECT_EQ(SwitchOf("/s:123"), "/S");
  EXPECT_EQ(SwitchOf("x"), "X");
  EXPECT_EQ(SwitchOf(""), "");
  EXPECT_EQ(SwitchOf("\xE9s"), "\xE9S");  // bytes beyond ASCII are left alone
}

}  // namespace
}  // namespace quorex
