// The menu music in the window: the song file, the loop, the game's stop and the menu's return,
// the music switch, and the message when the file cannot be written.
#include "app/menu_music.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "app/t_form1.h"
#include "app_test_support.h"
#include "platform/audio_output.h"
#include "platform/file_system_test_support.h"
#include "platform/resource_archive.h"
#include "ui/messages/user_messages.h"
#include "ui/settings/settings.h"

namespace tarnel {
namespace {

using testing::ProgramFolder;
using testing::Spin;

TEST(MenuMusicRules, FileNameAndTimer2) {
  EXPECT_EQ(MusicFileName(), "temp33_25.mid");
  struct Case {
    bool TitleOrMenu, MusicOn, Playing;
    MusicStep Step;
  } cases[] = {
      {true, true, false, MusicStep::Start},  // the song ended: it loops
      {true, true, true, MusicStep::Nothing},
      {false, true, false, MusicStep::Nothing},  // a game runs: no music
      {false, true, true, MusicStep::Nothing},
      {true, false, true, MusicStep::Stop},  // switched off
      {false, false, true, MusicStep::Stop},
      {true, false, false, MusicStep::Nothing},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Timer2Step(c.TitleOrMenu, c.MusicOn, c.Playing), c.Step)
        << c.TitleOrMenu << c.MusicOn << c.Playing;
}

class Music : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::App();
    std::filesystem::create_directory(folder / "tmp");
  }

  TForm1& Start() {
    ProgramServices services;
    services.ProgramFolder = folder.path();
    services.Messages = &messages;
    services.Cues = &cues;
    services.Files = &files;
    services.Screen = QRect(0, 0, 1920, 1080);
    services.RunPlayerDialog = [](const PlayerDialogInput&, std::optional<std::string>& typed) {
      typed = "Vera";
      return std::optional<Admission>(
          Admission{"Vera                ", EncodePassword("q    "), "  0", "     0", ""});
    };
    form = std::make_unique<TForm1>(services);
    music = std::make_unique<MenuMusic>(*form, output, folder / "tmp");
    form->show();
    Spin();
    return *form;
  }

  std::string Song() const {
    auto archive = ResourceArchive::Open(folder / "Tarnel.res");
    auto song = archive->Read("MidiSong", ResourceKind::Midi);
    return std::string(song->begin(), song->end());
  }
  std::string SongFile() const { return (folder / "tmp" / "temp33_25.mid").string(); }
  void WriteMusicOff() {
    Settings off;
    off.MusicOn = false;
    SaveSettings(files, folder / SettingsFileName, off, {});
  }

  ProgramFolder folder;
  testing::FaultyFileSystem files;
  RecordedMessages messages;
  RecordedSoundCues cues;
  NullAudioOutput output;
  std::unique_ptr<TForm1> form;
  std::unique_ptr<MenuMusic> music;
};

TEST_F(Music, PlaysFromStartUpLoopsInTheMenuAndRestsDuringAGame) {
  TForm1& window = Start();
  EXPECT_EQ(folder.Read("tmp/temp33_25.mid"), Song());
  EXPECT_EQ(output.Calls, std::vector<std::string>{"music " + SongFile()});
  EXPECT_TRUE(music->Timer2().isActive());
  EXPECT_EQ(music->Timer2().interval(), 1000);

  output.EndMusic();  // the song reached its end on the title screen
  music->Timer2Timer();
  EXPECT_TRUE(output.MusicPlaying());
  window.LeaveTitle();

  QTest::mouseClick(window.NewPlayerButton(), Qt::LeftButton);
  ASSERT_TRUE(window.GameActive);
  EXPECT_FALSE(output.MusicPlaying());
  music->Timer2Timer();
  EXPECT_FALSE(output.MusicPlaying());

  messages.answers = {true};
  window.QuitClick();
  ASSERT_TRUE(window.MenuShowing);
  EXPECT_TRUE(output.MusicPlaying());
  const std::vector<std::string> expected = {"music " + SongFile(), "music " + SongFile(),
                                             "stop music", "music " + SongFile()};
  EXPECT_EQ(output.Calls, expected);

  // Closing stops the music and takes the file away with the settings' save.
  EXPECT_TRUE(window.close());
  EXPECT_FALSE(output.MusicPlaying());
  EXPECT_FALSE(folder.Has("tmp/temp33_25.mid"));
}

TEST_F(Music, TheMusicSwitchAppliesAtOnce) {
  WriteMusicOff();
  TForm1& window = Start();
  EXPECT_TRUE(folder.Has("tmp/temp33_25.mid"));  // written, not played
  EXPECT_TRUE(output.Calls.empty());
  music->Timer2Timer();
  EXPECT_FALSE(output.MusicPlaying());

  window.settings.MusicOn = true;
  music->MusicSwitched();
  EXPECT_TRUE(output.MusicPlaying());
  window.settings.MusicOn = false;
  music->MusicSwitched();
  EXPECT_FALSE(output.MusicPlaying());
}

TEST_F(Music, AStaleFileIsReplacedAndAnUnwritableOneIsReported) {
  folder.Write("tmp/temp33_25.mid", "an older song");
  Start();
  EXPECT_EQ(folder.Read("tmp/temp33_25.mid"), Song());
  EXPECT_TRUE(messages.shown.empty());
  form->close();
  form.reset();
  music.reset();

  output.Calls.clear();
  files.FailWrites = true;
  Start();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].Kind, 'i');
  EXPECT_EQ(messages.shown[0].Text, "Can`t create music file!");
  EXPECT_TRUE(output.Calls.empty());
  EXPECT_FALSE(music->Timer2().isActive());
}

}  // namespace
}  // namespace tarnel
