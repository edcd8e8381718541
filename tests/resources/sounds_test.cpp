// What the build ships: every cue in the built-in archive, the menu song, and the voice library
// with every card in every language.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "build_folders.h"
#include "core/cards.h"
#include "platform/card_voice.h"
#include "platform/resource_archive.h"
#include "platform/wave_format.h"
#include "sounds.h"

namespace tarnel {
namespace {

struct Level {
  double Seconds = 0;
  double Peak = 0;
  double Rms = 0;
};

Level Measure(const Bytes& wav) {
  Level level;
  auto info = ReadWaveInfo(wav);
  if (!info) return level;
  level.Seconds = info->Seconds();
  const std::vector<float> s = DecodeWave16(wav);
  double sum = 0;
  for (float v : s) {
    level.Peak = std::max(level.Peak, double(std::abs(v)));
    sum += double(v) * v;
  }
  level.Rms = s.empty() ? 0 : std::sqrt(sum / s.size());
  return level;
}

std::unique_ptr<ResourceArchive> Builtin() {
  return ResourceArchive::Open(build::ProgramFolder() / "Tarnel.res");
}

// Cues that play while the game waits (a card, a declaration, the empty stock) must be brief;
// the others may take up to a fanfare's length.
TEST(BuiltinSounds, EveryCueIsRealShortAndAudible) {
  auto archive = Builtin();
  ASSERT_TRUE(archive);
  const std::map<std::string, double> longest = {
      {"WTasoKo", 1.2},  {"WHodsDo", 0.2}, {"WSays20", 0.8}, {"WSays40", 0.8}, {"WWrongs", 0.5},
      {"WKoloNo", 0.8},  {"WKoGutX", 1.2}, {"WKoBadX", 1.2}, {"WKoGood", 2.0}, {"WKoBads", 2.0},
      {"WOpenFo", 0.5},  {"WToMenK", 0.8}, {"WFiBest", 2.5}, {"WFiGood", 2.5}, {"WFiBads", 2.5},
      {"STimerA", 0.15}, {"STimerB", 0.3}};
  std::set<std::vector<float>> distinct;
  for (const auto& [name, limit] : longest) {
    auto wav = archive->Read(name, ResourceKind::Wave);
    ASSERT_TRUE(wav) << name;
    const Level level = Measure(*wav);
    EXPECT_GT(level.Seconds, 0.03) << name;
    EXPECT_LE(level.Seconds, limit) << name;
    EXPECT_GT(level.Peak, 0.4) << name;
    EXPECT_LT(level.Peak, 0.99) << name;  // never clipped
    EXPECT_GT(level.Rms, 0.05) << name;
    distinct.insert(DecodeWave16(*wav));
  }
  EXPECT_EQ(distinct.size(), longest.size());
}

// A minimal reader of the song: its tracks' events with absolute ticks.
struct MidiEvent {
  int Tick;
  int Status;
  int Data1;
  int Data2;
};

std::vector<std::vector<MidiEvent>> ReadTracks(const Bytes& smf, int& division) {
  std::vector<std::vector<MidiEvent>> tracks;
  if (smf.size() < 14 || std::string(smf.begin(), smf.begin() + 4) != "MThd") return tracks;
  division = (smf[12] << 8) | smf[13];
  std::size_t at = 14;
  while (at + 8 <= smf.size() && std::string(smf.begin() + at, smf.begin() + at + 4) == "MTrk") {
    const std::size_t length =
        (smf[at + 4] << 24) | (smf[at + 5] << 16) | (smf[at + 6] << 8) | smf[at + 7];
    std::size_t p = at + 8;
    const std::size_t end = p + length;
    if (end > smf.size()) break;
    std::vector<MidiEvent> events;
    int tick = 0;
    while (p < end) {
      int delta = 0;
      while (p < end && (smf[p] & 0x80))
        delta = (delta << 7) | (smf[p++] & 0x7F);
      delta = (delta << 7) | smf[p++];
      tick += delta;
      const int status = smf[p++];
      if (status == 0xFF) {
        const int type = smf[p++];
        const int len = smf[p++];
        events.push_back({tick, 0xFF, type, len});
        p += static_cast<std::size_t>(len);
      } else if ((status & 0xF0) == 0xC0) {
        events.push_back({tick, status, smf[p++], 0});
      } else {
        events.push_back({tick, status, smf[p], smf[p + 1]});
        p += 2;
      }
    }
    tracks.push_back(std::move(events));
    at = end;
  }
  return tracks;
}

TEST(BuiltinSounds, TheMenuSongIsAStandardMidiFileThatLoops) {
  auto archive = Builtin();
  ASSERT_TRUE(archive);
  auto song = archive->Read("MidiSong", ResourceKind::Midi);
  ASSERT_TRUE(song);
  EXPECT_EQ(*song, sounds::ComposeMenuSong());  // the build wrote what the composer makes
  int division = 0;
  const auto tracks = ReadTracks(*song, division);
  ASSERT_EQ(tracks.size(), 3u);
  EXPECT_EQ(division, 480);
  const int bars16 = 16 * 3 * division;
  std::vector<int> firstPitches, lastPitches;
  for (const auto& track : tracks) {
    ASSERT_FALSE(track.empty());
    // Every track ends together with an end-of-track, on the last bar line.
    EXPECT_EQ(track.back().Status, 0xFF);
    EXPECT_EQ(track.back().Data1, 0x2F);
    EXPECT_EQ(track.back().Tick, bars16);
    std::map<int, int> sounding;  // pitch -> notes on
    for (const MidiEvent& e : track) {
      if ((e.Status & 0xF0) == 0x90 && e.Data2 > 0) {
        ++sounding[e.Data1];
        if (e.Tick == 0) firstPitches.push_back(e.Data1);
        if (e.Tick >= bars16 - 3 * division) lastPitches.push_back(e.Data1);
      }
      if ((e.Status & 0xF0) == 0x80) {
        EXPECT_GT(sounding[e.Data1]--, 0) << "a note off without its note on";
        EXPECT_LE(e.Tick, bars16);
      }
    }
    for (const auto& [pitch, count] : sounding)
      EXPECT_EQ(count, 0) << "note " << pitch << " hangs";
  }
  // It begins and ends on the tonic chord (C major), so the restart is seamless.
  ASSERT_FALSE(firstPitches.empty());
  ASSERT_FALSE(lastPitches.empty());
  for (int p : firstPitches)
    EXPECT_TRUE(p % 12 == 0 || p % 12 == 4 || p % 12 == 7) << p;
  for (int p : lastPitches)
    EXPECT_TRUE(p % 12 == 0 || p % 12 == 4 || p % 12 == 7) << p;
}

TEST(VoiceLibrary, SaysEveryCardInEveryLanguage) {
  auto library = ResourceArchive::Open(build::ProgramFolder() / kVoiceLibrary);
  ASSERT_TRUE(library) << "the build writes " << kVoiceLibrary;
  std::set<Bytes> recordings;
  for (int language = 0; language < 10; ++language) {
    for (int n = 1; n <= 36; ++n) {
      const CardCode card = *CardNumber(n);
      const auto name = VoiceResourceName(card, language);
      ASSERT_TRUE(name);
      auto wav = library->Read(*name, ResourceKind::Wave);
      ASSERT_TRUE(wav) << *name;
      const Level level = Measure(*wav);
      EXPECT_GT(level.Seconds, 0.3) << *name;
      EXPECT_LT(level.Seconds, 3.0) << *name;
      EXPECT_GT(level.Rms, 0.02) << *name;
      recordings.insert(*wav);
    }
  }
  EXPECT_EQ(recordings.size(), 360u);  // no two names sound the same
  // The names the other games of the library use.
  for (const char* other :
       {"Ch02VoiceEng", "Pi05VoiceKor", "XJBlVoiceRus", "XJRdVoiceJap", "XJBkVoiceChi"})
    EXPECT_TRUE(library->Read(other, ResourceKind::Wave)) << other;
}

}  // namespace
}  // namespace tarnel
