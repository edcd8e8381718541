// The program's sound: WAV images played from memory (cues, spoken card names) and the menu
// music, a MIDI file. One output at a time plays a sound, as the cues were designed for: a new
// sound ends the one still playing; the music plays beside them.
//
// OpenAudioOutput tries GStreamer and falls back to the null output when no sink reaches
// PLAYING (no sound device: CI, servers). The null output plays nothing, never waits and
// remembers what it was asked, so tests and headless machines run the same code.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/picture_codecs.h"
#include "platform/resource_archive.h"
#include "platform/sound_cues.h"

namespace tarnel {

// The General MIDI soundfont of Debian's timgm6mb-soundfont package.
inline constexpr const char* kGeneralMidiSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // Plays a WAV image; `wait`: returns only when it has ended (at most its length and a short
  // margin, so a damaged image cannot hang the program). A new sound ends the one playing.
  virtual void PlayWave(ByteView wave, bool wait) = 0;
  // Plays a MIDI file from its start, ending the music that plays; false when it cannot start.
  virtual bool PlayMusic(const std::filesystem::path& midiFile) = 0;
  virtual void StopMusic() = 0;
  // True while the music plays; false once it has reached its end, failed or was stopped.
  virtual bool MusicPlaying() = 0;
  // True for the null output.
  virtual bool Silent() const = 0;
};

class NullAudioOutput : public AudioOutput {
 public:
  // One line per call: "wave 1234 wait", "wave 1234", "music /tmp/x.mid", "stop music".
  std::vector<std::string> Calls;
  // The music "plays" from PlayMusic until StopMusic or EndMusic (a test's end of the song).
  void EndMusic() { musicPlaying_ = false; }

  void PlayWave(ByteView wave, bool wait) override;
  bool PlayMusic(const std::filesystem::path& midiFile) override;
  void StopMusic() override;
  bool MusicPlaying() override { return musicPlaying_; }
  bool Silent() const override { return true; }

 private:
  bool musicPlaying_ = false;
};

struct AudioOutputOptions {
  // The sink end of every pipeline as a gst-launch description ("wavenc ! filesink
  // location=out.wav" renders to a file); empty: the sound device autoaudiosink finds.
  std::string SinkDescription;
  std::filesystem::path SoundFont = kGeneralMidiSoundFont;
};

// GStreamer when its sink reaches PLAYING, else the null output. Never fails.
std::unique_ptr<AudioOutput> OpenAudioOutput(const AudioOutputOptions& options = {});

// The cues by resource name, read from the program's own archive ("Tarnel.res") and played
// through an output. A cue the archive lacks is silent.
class ArchiveSoundCues : public SoundCues {
 public:
  // `archive` may be null (no archive found): every cue is silent.
  ArchiveSoundCues(std::unique_ptr<ResourceArchive> archive, AudioOutput& output);
  void PlaySoundCue(std::string_view name, bool wait = false) override;

 private:
  std::unique_ptr<ResourceArchive> archive_;
  AudioOutput& output_;
  std::map<std::string, Bytes> cache_;  // lower-case name -> WAV image (empty: absent)
};

}  // namespace tarnel
