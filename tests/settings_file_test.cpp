#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include "surface/fltk/settings_file.h"

namespace quorex::fltk {
namespace {

class SettingsFileTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("quorex-settings-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path Path() const { return folder_ / "Quorex" / "settings.ini"; }
  void WriteRaw(const std::string& bytes) {
    std::filesystem::create_directories(Path().parent_path());
    std::ofstream(Path(), std::ios::binary) << bytes;
  }

  std::filesystem::path folder_;
  SettingsFile store;
};

TEST_F(SettingsFileTest, KeepsTextsExactlyAsWritten) {
  for (const std::string text : {"2.5", "12abc", " 7", "", "a=b", "back\\slash", "two\nlines", "[x]"}) {
    store.Write("Quorex", "Options", "LineCount", text);
    EXPECT_EQ(store.Read("Quorex", "Options", "LineCount"), text) << text;
  }
  store.Write("Quorex", "Options", "Action", "3");
  EXPECT_EQ(store.Read("Quorex", "Options", "Action"), "3");
  EXPECT_EQ(store.Read("Quorex", "Options", "LineCount"), "[x]") << "other keys are kept";
  EXPECT_EQ(Path(), SettingsPath("Quorex"));
}

TEST_F(SettingsFileTest, AMissingFolderFileOrKeyGivesNothing) {
  EXPECT_EQ(store.Read("Quorex", "Options", "Action"), std::nullopt);
  WriteRaw("");
  EXPECT_EQ(store.Read("Quorex", "Options", "Action"), std::nullopt);
  WriteRaw("[Other]\nAction=5\n");
  EXPECT_EQ(store.Read("Quorex", "Options", "Action"), std::nullopt);
}

TEST_F(SettingsFileTest, ADamagedFileKeepsWhatItStillHolds) {
  WriteRaw(std::string("\xff\xfe garbage\n[Options]\r\nAction=4\r\nno equals sign\n=empty key\n") +
           "LineWidth=9" + std::string(1, '\0') + "junk\n[broken\nLineCount=7");
  EXPECT_EQ(store.Read("Quorex", "Options", "Action"), "4");
  EXPECT_EQ(store.Read("Quorex", "Options", "LineCount"), "7");
  EXPECT_EQ(store.Read("Quorex", "Options", "LineWidth"), std::string("9\0junk", 6));
  store.Write("Quorex", "Options", "LineCount", "8");
  EXPECT_EQ(store.Read("Quorex", "Options", "Action"), "4") << "a write keeps readable values";
}

TEST_F(SettingsFileTest, AFailedWriteLeavesTheOldFile) {
  store.Write("Quorex", "Options", "Action", "2");
  std::filesystem::permissions(Path().parent_path(), std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::owner_exec);
  store.Write("Quorex", "Options", "Action", "5");  // the temporary file cannot be made
  std::filesystem::permissions(Path().parent_path(), std::filesystem::perms::owner_all);
  if (geteuid() != 0) {  // root writes anyway
    EXPECT_EQ(store.Read("Quorex", "Options", "Action"), "2");
  }
  for (const auto& entry : std::filesystem::directory_iterator(Path().parent_path())) {
    EXPECT_EQ(entry.path().filename(), "settings.ini") << "no temporary file is left";
  }
}

TEST(SettingsFormat, SkipsSectionsItCouldNotWriteAgain) {
  const SectionValues values = ParseSettings("[Options][Options]\nAction=4\n[Options]\nLineCount=3\n");
  EXPECT_EQ(values, (SectionValues{{"Options", {{"LineCount", "3"}}}}));
  EXPECT_EQ(ParseSettings(FormatSettings(values)), values);
}

TEST(SettingsFormat, RoundTripsEveryByte) {
  std::string all;
  for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
  const SectionValues values = {{"Options", {{"Action", all}, {"LineCount", " 7"}}}};
  EXPECT_EQ(ParseSettings(FormatSettings(values)), values);
}

}  // namespace
}  // namespace quorex::fltk
