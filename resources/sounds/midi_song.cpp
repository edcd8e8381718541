// The menu song: a sixteen-bar waltz in C major at 104 beats a minute, a flute melody over a
// piano's "oom-pah-pah". Type 1 Standard MIDI File: a tempo track and one track per voice.
#include <cstdint>
#include <string>

#include "sounds.h"

namespace tarnel::sounds {
namespace {

constexpr int kTicksPerBeat = 480;
constexpr int kBeatsPerBar = 3;

struct Note {
  int Pitch;  // MIDI note number
  int Beats;
};

// One bar per line; the last bar leads back to the first.
const Note kMelody[] = {
    {76, 2}, {79, 1},           // C
    {81, 2}, {76, 1},           // Am
    {77, 1}, {81, 1}, {84, 1},  // F
    {83, 2}, {79, 1},           // G
    {76, 1}, {74, 1}, {72, 1},  // C
    {76, 2}, {69, 1},           // Am
    {74, 1}, {77, 1}, {81, 1},  // Dm
    {79, 3},                    // G
    {81, 2}, {77, 1},           // F
    {79, 1}, {83, 1}, {86, 1},  // G
    {83, 2}, {79, 1},           // Em
    {81, 2}, {76, 1},           // Am
    {77, 1}, {76, 1}, {74, 1},  // Dm
    {71, 1}, {74, 1}, {79, 1},  // G
    {76, 2}, {74, 1},           // C
    {72, 2}, {67, 1},           // C, the upbeat back to the top
};

struct Chord {
  int Root;  // bass note
  int Notes[3];
};
const Chord kChords[16] = {
    {48, {60, 64, 67}}, {45, {60, 64, 69}}, {41, {60, 65, 69}}, {43, {59, 62, 67}},
    {48, {60, 64, 67}}, {45, {60, 64, 69}}, {50, {62, 65, 69}}, {43, {59, 62, 67}},
    {41, {60, 65, 69}}, {43, {59, 62, 67}}, {40, {59, 64, 67}}, {45, {60, 64, 69}},
    {50, {62, 65, 69}}, {43, {59, 62, 67}}, {48, {60, 64, 67}}, {48, {60, 64, 67}},
};

class TrackWriter {
 public:
  void Event(int tick, std::initializer_list<int> bytes) {
    VarLen(tick - last_);
    last_ = tick;
    for (int b : bytes)
      data_.push_back(static_cast<std::uint8_t>(b));
  }
  void NoteOn(int tick, int channel, int pitch, int velocity) {
    Event(tick, {0x90 | channel, pitch, velocity});
  }
  void NoteOff(int tick, int channel, int pitch) { Event(tick, {0x80 | channel, pitch, 64}); }
  Bytes Chunk(int endTick) {
    Event(endTick, {0xFF, 0x2F, 0x00});
    Bytes out = {'M', 'T', 'r', 'k'};
    const auto n = static_cast<std::uint32_t>(data_.size());
    for (int shift = 24; shift >= 0; shift -= 8)
      out.push_back(static_cast<std::uint8_t>(n >> shift));
    out.insert(out.end(), data_.begin(), data_.end());
    return out;
  }

 private:
  void VarLen(int value) {
    auto v = static_cast<std::uint32_t>(value);
    std::uint8_t bytes[5];
    int n = 0;
    bytes[n++] = v & 0x7F;
    while (v >>= 7)
      bytes[n++] = static_cast<std::uint8_t>(0x80 | (v & 0x7F));
    while (n > 0)
      data_.push_back(bytes[--n]);
  }
  Bytes data_;
  int last_ = 0;
};

}  // namespace

Bytes ComposeMenuSong() {
  constexpr int kBar = kTicksPerBeat * kBeatsPerBar;
  constexpr int kEnd = 16 * kBar;

  TrackWriter tempo;
  tempo.Event(0, {0xFF, 0x51, 0x03, 0x08, 0xCD, 0x9B});        // 576 923 us a beat: 104 a minute
  tempo.Event(0, {0xFF, 0x58, 0x04, 0x03, 0x02, 0x18, 0x08});  // 3/4

  TrackWriter melody;
  melody.Event(0, {0xC0, 73});  // flute
  melody.Event(0, {0xB0, 7, 100});
  int tick = 0;
  for (const Note& n : kMelody) {
    const int length = n.Beats * kTicksPerBeat;
    melody.NoteOn(tick, 0, n.Pitch, 92);
    melody.NoteOff(tick + length - 40, 0, n.Pitch);  // a breath between notes
    tick += length;
  }

  TrackWriter piano;
  piano.Event(0, {0xC1, 0});  // acoustic grand
  piano.Event(0, {0xB1, 7, 80});
  for (int bar = 0; bar < 16; ++bar) {
    const int start = bar * kBar;
    const Chord& c = kChords[bar];
    piano.NoteOn(start, 1, c.Root, 84);
    piano.NoteOff(start + kTicksPerBeat - 20, 1, c.Root);
    for (int beat = 1; beat < kBeatsPerBar; ++beat) {
      const int at = start + beat * kTicksPerBeat;
      for (int p : c.Notes)
        piano.NoteOn(at, 1, p, 58);
      for (int p : c.Notes)
        piano.NoteOff(at + kTicksPerBeat - 60, 1, p);
    }
  }

  Bytes out = {'M',
               'T',
               'h',
               'd',
               0,
               0,
               0,
               6,
               0,
               1,
               0,
               3,
               static_cast<std::uint8_t>(kTicksPerBeat >> 8),
               static_cast<std::uint8_t>(kTicksPerBeat & 0xFF)};
  for (TrackWriter* t : {&tempo, &melody, &piano}) {
    Bytes chunk = t->Chunk(kEnd);
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return out;
}

}  // namespace tarnel::sounds
