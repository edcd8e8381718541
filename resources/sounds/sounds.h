// The program's own sounds, synthesised at build time: the cues as WAV images and the menu song
// as a Standard MIDI File. No Qt, so tests can check what the generator makes.
#pragma once

#include <string>
#include <vector>

#include "platform/picture_codecs.h"

namespace tarnel::sounds {

inline constexpr int kCueSampleRate = 22050;

struct Cue {
  std::string Name;            // the resource name, "WTasoKo"
  std::vector<float> Samples;  // mono, -1..1, kCueSampleRate
};

// Every cue the program plays, each once.
std::vector<Cue> SynthesiseCues();

// "MidiSong": a short waltz that ends where it began, so Timer2's restart loops it smoothly.
Bytes ComposeMenuSong();

}  // namespace tarnel::sounds
