#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "setup/setup_controls.h"
#include "surface/test/test_platform.h"

namespace quorex {
namespace {

using test::TestPlatform;
using test::TestSetupWindow;

class SetupDialog : public testing::Test {
 protected:
  // Opens the dialog through "/C"; `act` is the user while it is shown.
  void Open(std::function<void(TestSetupWindow&)> act = {}) {
    tp.windows.user = [this, act](TestSetupWindow& w) {
      openedWith = {w.checkedOption, w.Text(kLineCountBox), w.Text(kLineWidthBox)};
      if (act) act(w);
    };
    tp.Run("/C");
  }
  std::vector<std::string> Writes() const { return tp.LogLines("Write"); }
  std::vector<std::string> Messages() const { return tp.LogLines("MsgBox"); }

  struct Opened {
    int16_t option = -2;
    std::string count, width;
  } openedWith;
  TestPlatform tp;
};

const std::string kCountMessage =
    "MsgBox(Line count should be a small positive integer, 48, Quorex)";
const std::string kWidthMessage =
    "MsgBox(Line thickness should be a small positive integer, 48, Quorex)";

std::vector<std::string> WritesOf(const std::string& action, const std::string& count,
                                  const std::string& width) {
  return {"Write Quorex/Options/Action = " + action, "Write Quorex/Options/LineCount = " + count,
          "Write Quorex/Options/LineWidth = " + width};
}

TEST_F(SetupDialog, WithNothingStoredOffersModeOneFiveLinesAndThicknessOne) {
  Open([](TestSetupWindow& w) { w.ClickOK(); });
  EXPECT_EQ(openedWith.option, 0);
  EXPECT_EQ(openedWith.count, "5");
  EXPECT_EQ(openedWith.width, "1");
  EXPECT_EQ(Writes(), WritesOf("1", "5", "1"));
  EXPECT_TRUE(Messages().empty());
  // The saver window closes after the dialog, once.
  const auto& log = tp.log.lines;
  const auto closed = std::find(log.begin(), log.end(), "Dialog closed");
  const auto unload = std::find(log.begin(), log.end(), "SystemParametersInfoA(17, 1, 0, 0)");
  EXPECT_LT(closed, unload);
  EXPECT_EQ(tp.LogLines("SystemParametersInfoA(17, 1").size(), 1u);
  EXPECT_TRUE(tp.system.screenSaverActive);
}

struct StoredActionCase {
  std::string stored;
  int16_t option;
  std::string written;  // by OK without a selection of the user's
};

class StoredAction : public SetupDialog, public testing::WithParamInterface<StoredActionCase> {};

TEST_P(StoredAction, SelectsItsOptionAndOkWritesThatMode) {
  tp.settings.Store("Action", GetParam().stored);
  Open([](TestSetupWindow& w) { w.ClickOK(); });
  EXPECT_EQ(openedWith.option, GetParam().option) << '"' << GetParam().stored << '"';
  EXPECT_EQ(Writes(), WritesOf(GetParam().written, "5", "1"));
}

INSTANTIATE_TEST_SUITE_P(
    Stored, StoredAction,
    testing::Values(StoredActionCase{"4", 3, "4"}, StoredActionCase{"2.5", 2, "3"},
                    StoredActionCase{"6", 5, "6"}, StoredActionCase{" 5x", 4, "5"},
                    // No option stands for these: the dialog opens on the first mode.
                    StoredActionCase{"0", 0, "1"}, StoredActionCase{"7", 0, "1"},
                    StoredActionCase{"abc", 0, "1"}, StoredActionCase{"-40000", 0, "1"},
                    StoredActionCase{"99999999999", 0, "1"},
                    StoredActionCase{std::string(400, '9'), 0, "1"}));

struct BoxCase {
  std::string count, width;
  std::optional<std::string> message;  // none: OK writes and closes
};

class OkStep : public SetupDialog, public testing::WithParamInterface<BoxCase> {};

TEST_P(OkStep, TestsTheCountThenTheThicknessAndWritesTheTextsAsTyped) {
  const BoxCase& c = GetParam();
  bool stillOpen = false;
  Open([&](TestSetupWindow& w) {
    w.ClickOption(4);
    w.Type(kLineCountBox, c.count);
    w.Type(kLineWidthBox, c.width);
    w.ClickOK();
    stillOpen = w.open;
    if (stillOpen) {  // the dialog stays as the user left it
      EXPECT_EQ(w.checkedOption, 4);
      EXPECT_EQ(w.Text(kLineCountBox), c.count);
    }
  });
  if (c.message) {
    EXPECT_EQ(Messages(), std::vector<std::string>{*c.message}) << c.count << " / " << c.width;
    EXPECT_TRUE(Writes().empty());
    EXPECT_TRUE(stillOpen);
  } else {
    EXPECT_TRUE(Messages().empty()) << c.count << " / " << c.width;
    EXPECT_EQ(Writes(), WritesOf("5", c.count, c.width));
    EXPECT_FALSE(stillOpen);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, OkStep,
    testing::Values(BoxCase{"1", "1", {}}, BoxCase{"1000", "100", {}}, BoxCase{"2.5", "1", {}},
                    BoxCase{"12abc", " 7", {}}, BoxCase{"0", "1", kCountMessage},
                    BoxCase{"0.99", "1", kCountMessage}, BoxCase{"1000.5", "1", kCountMessage},
                    BoxCase{"-3", "1", kCountMessage}, BoxCase{"abc", "1", kCountMessage},
                    BoxCase{"", "1", kCountMessage}, BoxCase{"0", "500", kCountMessage},
                    BoxCase{std::string(400, '9'), "1", kCountMessage},
                    BoxCase{"5", "0.5", kWidthMessage}, BoxCase{"5", "100.5", kWidthMessage},
                    BoxCase{"5", "101", kWidthMessage}, BoxCase{"5", "", kWidthMessage},
                    BoxCase{"5", "1" + std::string(400, '0'), kWidthMessage}));

TEST_F(SetupDialog, AFailedOkCanBeCorrectedAndOkAgain) {
  Open([](TestSetupWindow& w) {
    w.Type(kLineCountBox, "0");
    w.Type(kLineWidthBox, "500");
    w.ClickOK();
    w.Type(kLineCountBox, "9");
    w.ClickOK();
    w.Type(kLineWidthBox, "3");
    w.ClickOK();
  });
  EXPECT_EQ(Messages(), (std::vector<std::string>{kCountMessage, kWidthMessage}));
  EXPECT_EQ(Writes(), WritesOf("1", "9", "3"));
}

TEST_F(SetupDialog, ClosingAnyOtherWayWritesNothing) {
  tp.settings.Store("Action", "2");
  Open([](TestSetupWindow& w) {
    w.ClickOption(5);
    w.Type(kLineCountBox, "77");
  });
  EXPECT_TRUE(Writes().empty());
  EXPECT_EQ(tp.settings.Get("Action"), "2");
}

struct CentringCase {
  double screenWidth, screenHeight, outerWidth, outerHeight;
  int32_t left, top;
};

class Centring : public SetupDialog, public testing::WithParamInterface<CentringCase> {};

TEST_P(Centring, RoundsTheDifferenceHalvesToEvenThenHalvesItTowardZero) {
  const CentringCase& c = GetParam();
  tp.windows.screenWidth = c.screenWidth;
  tp.windows.screenHeight = c.screenHeight;
  tp.windows.dialogOuterWidth = c.outerWidth;
  tp.windows.dialogOuterHeight = c.outerHeight;
  Open();
  ASSERT_TRUE(tp.windows.dialog->left.has_value());
  EXPECT_EQ(*tp.windows.dialog->left, c.left);
  EXPECT_EQ(*tp.windows.dialog->top, c.top);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, Centring,
    testing::Values(CentringCase{15360, 11520, 7530, 3720, 3915, 3900},
                    CentringCase{7631.5, 3821.5, 7530, 3720, 51, 51},  // 101.5 -> 102 -> 51
                    CentringCase{7630.5, 3727.5, 7530, 3720, 50, 4},   // 100.5 -> 100; 7.5 -> 8
                    CentringCase{6000, 3000, 7530, 3720, -765, -360},  // larger than the screen
                    CentringCase{7523, 3718.5, 7530, 3720, -3, -1}));  // -7 -> -3; -1.5 -> -2 -> -1

TEST(SetupControls, DescribeTheThirteenControlsInTabOrderFromOK) {
  const DialogDescription& dialog = SetupDialogDescription();
  EXPECT_EQ(dialog.caption, "Quorex - Setup");
  ASSERT_EQ(dialog.controls.size(), 13u);
  std::vector<std::string_view> byTab(13);
  for (const auto& control : dialog.controls) byTab.at(static_cast<size_t>(control.tabIndex)) = control.name;
  EXPECT_EQ(byTab[0], "cmdOK");
  EXPECT_EQ(byTab[11], "txtLineCount");
  EXPECT_EQ(byTab[12], "txtLineWidth");
  // OK's lower edge is level with that of the frame "Action".
  const auto& frame = dialog.controls[0];
  const auto& ok = dialog.controls[12];
  EXPECT_EQ(frame.top + frame.height, ok.top + ok.height);
}

}  // namespace
}  // namespace quorex
