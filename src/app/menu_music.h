// The menu music: the built-in song "MidiSong" written to the temporary folder at the end of the
// late start-up and played while the title or the main menu shows and music is on. Timer2
// (every second) starts it again when it has stopped, which loops it; a new game stops it and
// the menu's return resumes it. Connected to TForm1's signals; nothing in TForm1 knows of it.
#pragma once

#include <QObject>
#include <QTimer>
#include <filesystem>
#include <string>

namespace tarnel {

class AudioOutput;
class TForm1;

// "temp" + game number + "_25.mid": temp33_25.mid.
std::string MusicFileName();

// What Timer2 does with the music this second.
enum class MusicStep { Nothing, Start, Stop };
MusicStep Timer2Step(bool titleOrMenuShowing, bool musicOn, bool musicPlaying);

class MenuMusic : public QObject {
  Q_OBJECT
 public:
  // `temporaryFolder`: where the song file goes (the user's own temporary folder).
  MenuMusic(TForm1& form, AudioOutput& output, std::filesystem::path temporaryFolder);
  ~MenuMusic() override;

  // The per-user temporary folder: Qt's runtime folder (private to the user, so nobody else can
  // plant a file or link under the song's fixed name), else the system's.
  static std::filesystem::path UserTemporaryFolder();

  const std::filesystem::path& File() const { return file_; }
  bool FileReady() const { return fileReady_; }
  QTimer& Timer2() { return timer2_; }

  // The late start-up's last step: writes the song (row 98 when that fails) and plays it if
  // music is on.
  void StartUp();
  void Timer2Timer();
  // A new game: the music stops.
  void GameStarts();
  // Back in the menu: the music starts again if it is on.
  void MenuReturns();
  // The options dialog switched MusicOn: applies at once.
  void MusicSwitched();
  // The window closes: stop and close the music.
  void Close();

 private:
  bool WriteSongFile();
  void Play();

  TForm1& form_;
  AudioOutput& output_;
  std::filesystem::path file_;
  bool fileReady_ = false;
  QTimer timer2_;
};

}  // namespace tarnel
