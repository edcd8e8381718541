#include "app/menu_music.h"

#include <QStandardPaths>

#include "app/t_form1.h"
#include "platform/audio_output.h"
#include "platform/file_system.h"
#include "records/club_file.h"
#include "ui/messages/user_messages.h"
#include "ui/words/qt_word.h"
#include "ui/words/word_rows.h"

namespace tarnel {

std::string MusicFileName() {
  return "temp" + std::to_string(kGameNumber) + "_25.mid";
}

MusicStep Timer2Step(bool titleOrMenuShowing, bool musicOn, bool musicPlaying) {
  if (!musicOn) return musicPlaying ? MusicStep::Stop : MusicStep::Nothing;
  if (titleOrMenuShowing && !musicPlaying) return MusicStep::Start;
  return MusicStep::Nothing;
}

std::filesystem::path MenuMusic::UserTemporaryFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
  return folder.toStdString();
}

MenuMusic::MenuMusic(TForm1& form, AudioOutput& output, std::filesystem::path temporaryFolder)
    : form_(form), output_(output), file_(std::move(temporaryFolder) / MusicFileName()) {
  timer2_.setInterval(1000);
  connect(&timer2_, &QTimer::timeout, this, &MenuMusic::Timer2Timer);
  connect(&form_, &TForm1::LateStartUpDone, this, &MenuMusic::StartUp);
  connect(&form_, &TForm1::NewGameRequested, this, &MenuMusic::GameStarts);
  connect(&form_, &TForm1::MenuReturned, this, &MenuMusic::MenuReturns);
  connect(&form_, &TForm1::Closing, this, &MenuMusic::Close);
  connect(&form_, &TForm1::MusicOptionSwitched, this, &MenuMusic::MusicSwitched);
  form_.TemporaryMusicFile = file_;
}

MenuMusic::~MenuMusic() {
  output_.StopMusic();
}

bool MenuMusic::WriteSongFile() {
  const ProgramServices& services = form_.Services();
  const auto archive = ResourceLocator{services.ProgramFolder}.OpenLibrary("");
  const auto song = archive ? archive->Read("MidiSong", ResourceKind::Midi) : std::nullopt;
  if (!song) return false;
  FileSystem& files = *services.Files;
  // A file of that name is kept only when it is this song: one left by an older build, or a
  // damaged one, would otherwise play in its place for good.
  if (files.Exists(file_)) {
    const FileRead old = files.ReadFile(file_, song->size() + 1, Oversize::kRefuse);
    if (old.Ok() && old.Bytes.size() == song->size() &&
        std::equal(old.Bytes.begin(), old.Bytes.end(), song->begin()))
      return true;
  }
  return files
      .ReplaceFile(file_,
                   std::string_view(reinterpret_cast<const char*>(song->data()), song->size()))
      .Ok();
}

void MenuMusic::StartUp() {
  fileReady_ = WriteSongFile();
  if (!fileReady_) {
    form_.Services().Messages->Inform(
        &form_, QWord(rows::kCantCreateMusicFile, form_.settings.LanguageIndex));
    return;
  }
  if (form_.settings.MusicOn) Play();
  timer2_.start();
}

void MenuMusic::Play() {
  if (fileReady_) output_.PlayMusic(file_);
}

void MenuMusic::Timer2Timer() {
  switch (Timer2Step(form_.TitleShowing || form_.MenuShowing, form_.settings.MusicOn,
                     output_.MusicPlaying())) {
    case MusicStep::Start:
      Play();
      break;
    case MusicStep::Stop:
      output_.StopMusic();
      break;
    case MusicStep::Nothing:
      break;
  }
}

void MenuMusic::GameStarts() {
  output_.StopMusic();
}

void MenuMusic::MenuReturns() {
  if (form_.settings.MusicOn && !output_.MusicPlaying()) Play();
}

void MenuMusic::MusicSwitched() {
  if (!form_.settings.MusicOn) {
    output_.StopMusic();
  } else if ((form_.TitleShowing || form_.MenuShowing) && !output_.MusicPlaying()) {
    Play();
  }
}

void MenuMusic::Close() {
  timer2_.stop();
  output_.StopMusic();
}

}  // namespace tarnel
