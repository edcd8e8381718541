// The program's sound cues by resource name ("WOpenFo", "WWrongs", ...). The window plays them
// through this interface; the audio output implements it, and a recording one serves tests and
// machines without a sound device.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

class SoundCues {
 public:
  virtual ~SoundCues() = default;
  // `wait`: return only when the cue has ended, so that what follows keeps its order.
  virtual void PlaySoundCue(std::string_view name, bool wait = false) = 0;
};

// No output at all: a machine without a sound device.
class SilentSoundCues : public SoundCues {
 public:
  void PlaySoundCue(std::string_view, bool) override {}
};

class RecordedSoundCues : public SoundCues {
 public:
  void PlaySoundCue(std::string_view name, bool) override { played.emplace_back(name); }
  std::vector<std::string> played;
};

}  // namespace tarnel
