// The audio output: WAV images, the null output without a device, the GStreamer pipelines
// rendered to files, the cues from the archive and the spoken card names.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>

#include "core/cards.h"
#include "platform/audio_output.h"
#include "platform/card_voice.h"
#include "platform/file_system_test_support.h"
#include "platform/wave_format.h"

namespace tarnel {
namespace {

using testing::TempFolder;

Bytes ToBytes(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

std::vector<float> Sine(double seconds, double freq, int rate = 22050) {
  std::vector<float> s(static_cast<std::size_t>(seconds * rate));
  for (std::size_t i = 0; i < s.size(); ++i)
    s[i] = static_cast<float>(0.5 * std::sin(2 * 3.14159265 * freq * i / rate));
  return s;
}

double Rms(const std::vector<float>& s) {
  double sum = 0;
  for (float v : s)
    sum += double(v) * v;
  return s.empty() ? 0 : std::sqrt(sum / s.size());
}

TEST(WaveFormat, RoundTripAndDamagedHeaders) {
  const Bytes wav = EncodeWave(Sine(0.5, 440), 22050);
  auto info = ReadWaveInfo(wav);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->Channels, 1);
  EXPECT_EQ(info->SampleRate, 22050);
  EXPECT_NEAR(info->Seconds(), 0.5, 1e-3);
  EXPECT_NEAR(Rms(DecodeWave16(wav)), 0.5 / std::sqrt(2.0), 1e-3);

  // A data chunk that claims more than is there counts only what is there.
  Bytes cut(wav.begin(), wav.begin() + 44 + 2000);
  ASSERT_TRUE(ReadWaveInfo(cut));
  EXPECT_EQ(ReadWaveInfo(cut)->DataBytes, 2000u);

  Bytes notPcm = wav;
  notPcm[20] = 3;  // IEEE float
  Bytes hugeChunk = wav;
  hugeChunk[16] = 0xFF, hugeChunk[17] = 0xFF, hugeChunk[18] = 0xFF, hugeChunk[19] = 0x7F;
  Bytes noRate = wav;
  for (int i = 24; i < 28; ++i)
    noRate[i] = 0;
  // An odd chunk at the very end: its padding byte lies one past the image.
  const Bytes oddLast = ToBytes(std::string("RIFF....WAVELIST\x01\0\0\0x", 21));
  for (const Bytes& bad : {Bytes{}, ToBytes("RIFF"), ToBytes("RIFF....WAVEdata"), oddLast,
                           Bytes(wav.begin(), wav.begin() + 30), notPcm, hugeChunk, noRate}) {
    EXPECT_FALSE(ReadWaveInfo(bad));
    EXPECT_TRUE(DecodeWave16(bad).empty());
  }
}

// A machine without a sound device: the output stays silent, says nothing and never waits.
TEST(AudioOutput, ASinkThatNeverPlaysGivesTheNullOutput) {
  AudioOutputOptions options;
  options.SinkDescription = "alsasink device=tarnel-no-such-device";
  auto output = OpenAudioOutput(options);
  ASSERT_TRUE(output->Silent());
  output->PlayWave(EncodeWave(Sine(0.2, 440), 22050), true);
  EXPECT_TRUE(output->PlayMusic("/nowhere/song.mid"));
  EXPECT_TRUE(output->MusicPlaying());
  output->StopMusic();
  EXPECT_FALSE(output->MusicPlaying());
  auto* null = dynamic_cast<NullAudioOutput*>(output.get());
  ASSERT_NE(null, nullptr);
  const std::vector<std::string> expected = {"wave 8864 wait", "music /nowhere/song.mid",
                                             "stop music"};
  EXPECT_EQ(null->Calls, expected);
}

std::unique_ptr<AudioOutput> FileOutput(const std::filesystem::path& file) {
  AudioOutputOptions options;
  options.SinkDescription =
      "audioconvert ! audio/x-raw,format=S16LE ! wavenc ! filesink location=" + file.string();
  return OpenAudioOutput(options);
}

Bytes ReadFileBytes(const std::filesystem::path& file) {
  return ToBytes(testing::ReadBytes(file));
}

TEST(AudioOutput, AWaitingCuePlaysAllOfItsImageBeforeReturning) {
  TempFolder folder;
  auto output = FileOutput(folder / "cue.wav");
  ASSERT_FALSE(output->Silent());
  const std::vector<float> tone = Sine(0.3, 660);
  output->PlayWave(EncodeWave(tone, 22050), true);
  const std::vector<float> played = DecodeWave16(ReadFileBytes(folder / "cue.wav"));
  ASSERT_EQ(played.size(), tone.size());
  for (std::size_t i = 0; i < tone.size(); i += 997)
    EXPECT_NEAR(played[i], tone[i], 1e-4);

  // A damaged image plays nothing and does not hang.
  output->PlayWave(ToBytes("RIFF....WAVEjunk"), true);
}

bool WaitForMusicEnd(AudioOutput& output) {
  for (int i = 0; i < 1500; ++i) {
    if (!output.MusicPlaying()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

// Two bars of C major on a piano at 120 beats a minute: four seconds.
Bytes TinySong() {
  Bytes track = {0x00, 0xC0, 0x00};
  for (int note : {60, 64, 67, 72}) {
    const Bytes on = {0x00, 0x90, static_cast<std::uint8_t>(note), 100};
    const Bytes off = {0x87, 0x40, 0x80, static_cast<std::uint8_t>(note), 64};  // 960 ticks
    track.insert(track.end(), on.begin(), on.end());
    track.insert(track.end(), off.begin(), off.end());
  }
  const Bytes end = {0x00, 0xFF, 0x2F, 0x00};
  track.insert(track.end(), end.begin(), end.end());
  Bytes smf = {
      'M', 'T',  'h',  'd', 0,   0,   0,   6, 0, 0, 0,
      1,   0x01, 0xE0, 'M', 'T', 'r', 'k', 0, 0, 0, static_cast<std::uint8_t>(track.size())};
  for (std::uint8_t b : track)
    smf.push_back(b);
  return smf;
}

TEST(AudioOutput, MusicIsSynthesisedFromTheMidiFileAndEnds) {
  TempFolder folder;
  const Bytes song = TinySong();
  testing::WriteBytes(folder / "song.mid", std::string(song.begin(), song.end()));
  auto output = FileOutput(folder / "music.wav");
  ASSERT_TRUE(output->PlayMusic(folder / "song.mid"));
  ASSERT_TRUE(WaitForMusicEnd(*output));
  const Bytes rendered = ReadFileBytes(folder / "music.wav");
  auto info = ReadWaveInfo(rendered);
  ASSERT_TRUE(info);
  EXPECT_NEAR(info->Seconds(), 4.0, 0.5);
  EXPECT_GT(Rms(DecodeWave16(rendered)), 0.01);

  // A file that is no song ends at once instead of playing forever.
  testing::WriteBytes(folder / "bad.mid", "not a song");
  output->PlayMusic(folder / "bad.mid");
  EXPECT_TRUE(WaitForMusicEnd(*output));
}

TEST(ArchiveSoundCues, PlaysTheNamedWaveWithItsWaitAndIgnoresUnknownNames) {
  TempFolder folder;
  const Bytes cue = EncodeWave(Sine(0.1, 880), 22050);
  ASSERT_TRUE(WriteResourceArchive(folder / "Tarnel.res", {{"WHodsDo.wav", cue}}));
  NullAudioOutput output;
  ArchiveSoundCues cues(ResourceArchive::Open(folder / "Tarnel.res"), output);
  cues.PlaySoundCue("whodsdo", true);
  cues.PlaySoundCue("WHodsDo", false);
  cues.PlaySoundCue("WNoSuch", true);
  const std::string size = std::to_string(cue.size());
  EXPECT_EQ(output.Calls, (std::vector<std::string>{"wave " + size + " wait", "wave " + size}));

  ArchiveSoundCues none(nullptr, output);
  none.PlaySoundCue("WHodsDo", true);
  EXPECT_EQ(output.Calls.size(), 2u);
}

TEST(CardVoice, ResourceNamesOfCardsAndLanguages) {
  struct Case {
    const char* Card;
    int Language;
    const char* Name;
  } cases[] = {
      {"6б", 0, "Bu06VoiceEng"}, {"Вч", 1, "Ch2JVoiceRus"}, {"Кк", 2, "Kr4KVoiceDeu"},
      {"Тп", 0, "Pi5AVoiceEng"}, {"1п", 5, "Pi10VoiceChi"}, {"Дч", 8, "Ch3QVoiceJap"},
      {"9к", 9, "Kr09VoiceKor"}, {"7б", 7, "Bu07VoiceCze"}, {"8п", 6, "Pi08VoiceIta"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VoiceResourceName(*ParseCardUtf8(c.Card), c.Language), c.Name) << c.Card;
  }
  EXPECT_FALSE(VoiceResourceName(EmptyCard, 0));
  EXPECT_FALSE(VoiceResourceName(*ParseCardUtf8("Тп"), 10));  // a language past the table
  EXPECT_FALSE(VoiceResourceName(*ParseCardUtf8("Тп"), -1));
  EXPECT_FALSE(VoiceResourceName(CardCode{'5', cp::kSpades}, 0));  // no fives in this game
}

TEST(CardVoice, LooksInTheProgramFolderThenAboveAndIsFalseWithoutTheLibrary) {
  TempFolder root;
  const auto program = root / "Tarnel";
  std::filesystem::create_directory(program);
  NullAudioOutput output;
  CardVoice voice(ResourceLocator{program}, output);
  const CardCode aceOfSpades = *ParseCardUtf8("Тп");

  EXPECT_FALSE(voice.SpeakCard(aceOfSpades, 0));
  EXPECT_TRUE(output.Calls.empty());

  const Bytes name = EncodeWave(Sine(0.4, 300), 22050);
  ASSERT_TRUE(WriteResourceArchive(root / "QelCVoice3.dll", {{"Pi5AVoiceEng.wav", name}}));
  EXPECT_TRUE(voice.SpeakCard(aceOfSpades, 0, true));
  EXPECT_EQ(output.Calls,
            std::vector<std::string>{"wave " + std::to_string(name.size()) + " wait"});
  EXPECT_FALSE(voice.SpeakCard(aceOfSpades, 1));  // no Russian recording

  // The program folder's own library comes first.
  const Bytes own = EncodeWave(Sine(0.2, 300), 22050);
  ASSERT_TRUE(WriteResourceArchive(program / "QelCVoice3.dll", {{"Pi5AVoiceEng.wav", own}}));
  EXPECT_TRUE(voice.SpeakCard(aceOfSpades, 0));
  EXPECT_EQ(output.Calls.back(), "wave " + std::to_string(own.size()));

  // A damaged library is as good as none.
  testing::WriteBytes(program / "QelCVoice3.dll", "PK\x03\x04 damaged");
  std::filesystem::remove(root / "QelCVoice3.dll");
  EXPECT_FALSE(voice.SpeakCard(aceOfSpades, 0));
}

}  // namespace
}  // namespace tarnel
