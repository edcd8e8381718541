// The cues and the menu song go into the same archive as the pictures.
#include "sounds.h"
#include "art.h"

namespace tarnel::art {

void AddSounds(Sink& sink) {
  for (const auto& cue : sounds::SynthesiseCues())
    sink.Wav(cue.Name, cue.Samples, sounds::kCueSampleRate);
  sink.Midi("MidiSong", sounds::ComposeMenuSong());
}

}  // namespace tarnel::art
