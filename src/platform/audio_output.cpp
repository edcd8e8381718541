#include "platform/audio_output.h"

namespace tarnel {

void NullAudioOutput::PlayWave(ByteView wave, bool wait) {
  Calls.push_back("wave " + std::to_string(wave.size()) + (wait ? " wait" : ""));
}

bool NullAudioOutput::PlayMusic(const std::filesystem::path& midiFile) {
  Calls.push_back("music " + midiFile.string());
  musicPlaying_ = true;
  return true;
}

void NullAudioOutput::StopMusic() {
  Calls.push_back("stop music");
  musicPlaying_ = false;
}

ArchiveSoundCues::ArchiveSoundCues(std::unique_ptr<ResourceArchive> archive, AudioOutput& output)
    : archive_(std::move(archive)), output_(output) {}

void ArchiveSoundCues::PlaySoundCue(std::string_view name, bool wait) {
  const std::string key = AsciiLower(name);
  auto it = cache_.find(key);
  if (it == cache_.end()) {
    std::optional<Bytes> data;
    if (archive_) data = archive_->Read(name, ResourceKind::Wave);
    it = cache_.emplace(key, data ? std::move(*data) : Bytes{}).first;
  }
  if (!it->second.empty()) output_.PlayWave(it->second, wait);
}

}  // namespace tarnel
