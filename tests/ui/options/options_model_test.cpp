#include "ui/options/options_model.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_system.h"
#include "ui/settings/settings.h"

namespace tarnel {
namespace {

TEST(BackModes, RandomOnlySetsForceRandomAndTheOthersNeverOfferIt) {
  struct Case {
    int BackSet;
    int Current;
    int Item;
    bool Enabled[3];
  };
  const Case cases[] = {
      {0, 0, 0, {true, true, false}},  {7, 1, 1, {true, true, false}},
      {12, 2, 0, {true, true, false}},  // "Random" left over from a series falls back
      {8, 0, 2, {false, false, true}}, {11, 1, 2, {false, false, true}},
  };
  for (const Case& c : cases) {
    const BackModeChoice choice = BackModesAfterChange(c.BackSet, c.Current);
    EXPECT_EQ(choice.Item, c.Item) << c.BackSet;
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(choice.Enabled[i], c.Enabled[i]) << c.BackSet << " " << i;
  }
  EXPECT_EQ(BackModesOnOpening(3, true).Item, 1);
  EXPECT_EQ(BackModesOnOpening(9, false).Item, 2);
}

TEST(DialogDesignList, ItemsMapBothWaysAndPurpleKeepsTheGrayChoice) {
  const std::pair<int, int> grays[] = {{0, 2}, {1, 1}, {2, 3}};
  for (const auto& [item, design] : grays) {
    Settings s;
    s.PurpleDialogs = true;
    SetDialogDesignItem(s, item);
    EXPECT_FALSE(s.PurpleDialogs);
    EXPECT_EQ(s.DialogDesign, design);
    EXPECT_EQ(DialogDesignItem(s), item);
  }
  Settings s;
  s.DialogDesign = 3;
  SetDialogDesignItem(s, 3);
  EXPECT_TRUE(s.PurpleDialogs);
  EXPECT_EQ(s.DialogDesign, 3);
  EXPECT_EQ(DialogDesignItem(s), 3);
}

class ExpertOptionFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        std::filesystem::temp_directory_path() /
        ("tarnel-expert-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
  PosixFileSystem fs_;
};

TEST_F(ExpertOptionFile, RoundTripsBesideTheSettingsAndLeavesTheSettingsFileAlone) {
  const std::filesystem::path file = ExpertOptionPath(folder_);
  EXPECT_EQ(file.filename(), "Tarnel.expert");
  EXPECT_FALSE(ReadExpertOption(fs_, file));  // missing: off
  ASSERT_TRUE(WriteExpertOption(fs_, file, true).Ok());
  EXPECT_TRUE(ReadExpertOption(fs_, file));
  ASSERT_TRUE(WriteExpertOption(fs_, file, false).Ok());
  EXPECT_FALSE(ReadExpertOption(fs_, file));
  EXPECT_FALSE(std::filesystem::exists(folder_ / SettingsFileName));
}

TEST_F(ExpertOptionFile, DamagedContentsReadAsOff) {
  const std::filesystem::path file = ExpertOptionPath(folder_);
  for (const char* bytes : {"", "2\r\n", "10\r\n", "yes", "\x01\xff", "0"}) {
    ASSERT_TRUE(fs_.ReplaceFile(file, bytes).Ok());
    EXPECT_FALSE(ReadExpertOption(fs_, file)) << bytes;
  }
  ASSERT_TRUE(fs_.ReplaceFile(file, "1").Ok());  // without its line end
  EXPECT_TRUE(ReadExpertOption(fs_, file));
  std::filesystem::remove(file);
  std::filesystem::create_directory(file);  // not a file at all
  EXPECT_FALSE(ReadExpertOption(fs_, file));
}

}  // namespace
}  // namespace tarnel
