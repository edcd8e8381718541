// sound-render: plays the program's sounds through the real GStreamer pipelines into WAV files
// (a wavenc branch in place of the device) and measures them: every cue, the menu song twice
// in a row as Timer2 loops it, and a card's name in each language.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <ostream>
#include <sstream>
#include <thread>

#include "command.h"
#include "core/cards.h"
#include "platform/audio_output.h"
#include "platform/card_voice.h"
#include "platform/resource_library.h"
#include "platform/wave_format.h"

namespace tarnel::lab {
namespace {

namespace fs = std::filesystem;

std::unique_ptr<AudioOutput> FileOutput(const fs::path& file) {
  AudioOutputOptions options;
  options.SinkDescription =
      "audioconvert ! audio/x-raw,format=S16LE ! wavenc ! filesink location=" + file.string();
  return OpenAudioOutput(options);
}

bool WaitForMusicEnd(AudioOutput& output) {
  for (int i = 0; i < 6000; ++i) {
    if (!output.MusicPlaying()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

Bytes ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  const std::string text = s.str();
  return Bytes(text.begin(), text.end());
}

// Length, peak and RMS level of a rendered file, as sox's stat shows them.
bool Report(const fs::path& file, std::ostream& out) {
  const Bytes wav = ReadAll(file);
  const auto info = ReadWaveInfo(wav);
  const std::vector<float> s = DecodeWave16(wav);
  double peak = 0, sum = 0;
  for (float v : s) {
    peak = std::max(peak, double(std::abs(v)));
    sum += double(v) * v;
  }
  const double rms = s.empty() ? 0 : std::sqrt(sum / s.size());
  out << std::left << std::setw(22) << file.filename().string() << std::right << std::fixed
      << std::setprecision(3) << std::setw(8) << (info ? info->Seconds() : 0) << " s  peak "
      << std::setw(6) << peak << "  rms " << std::setw(6) << rms << "\n";
  return info && peak > 0.01;
}

int RunSoundRender(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) throw UsageError{"needs an output folder"};
  const fs::path folder = args[0];
  fs::create_directories(folder);
  const fs::path program = ProgramFolderOf(args);
  auto builtin = ResourceLocator{program}.OpenLibrary("");
  if (!builtin) {
    err << "tarnel-lab sound-render: no " << kBuiltinLibrary << " in " << program.string() << "\n";
    return 2;
  }
  bool allAudible = true;

  for (const std::string& file : builtin->FileNames()) {
    if (fs::path(file).extension() != ".wav") continue;
    const fs::path target = folder / file;
    auto output = FileOutput(target);
    if (output->Silent()) {
      err << "tarnel-lab sound-render: GStreamer cannot render (gstreamer1.0-plugins-good?)\n";
      return 1;
    }
    ArchiveSoundCues cues(ResourceLocator{program}.OpenLibrary(""), *output);
    cues.PlaySoundCue(fs::path(file).stem().string(), true);
    allAudible &= Report(target, out);
  }

  // The song as Timer2 loops it: played to its end, then started again.
  const fs::path song = folder / "temp33_25.mid";
  const auto midi = builtin->Read("MidiSong", ResourceKind::Midi);
  if (!midi) {
    err << "tarnel-lab sound-render: no MidiSong\n";
    return 1;
  }
  std::ofstream(song, std::ios::binary)
      .write(reinterpret_cast<const char*>(midi->data()),
             static_cast<std::streamsize>(midi->size()));
  for (int pass = 1; pass <= 2; ++pass) {
    const fs::path target = folder / ("MidiSong-" + std::to_string(pass) + ".wav");
    auto output = FileOutput(target);
    if (!output->PlayMusic(song) || !WaitForMusicEnd(*output)) {
      err << "tarnel-lab sound-render: the song did not play to its end\n";
      return 1;
    }
    allAudible &= Report(target, out);
  }

  const std::string card = FlagValue(args, "--card", "Тп");
  const auto code = ParseCardUtf8(card);
  if (!code) throw UsageError{"--card needs a card such as Тп"};
  for (int language = 0; language < 10; ++language) {
    const fs::path target = folder / (*VoiceResourceName(*code, language) + ".wav");
    auto output = FileOutput(target);
    CardVoice voice(ResourceLocator{program}, *output);
    if (!voice.SpeakCard(*code, language, true)) {
      err << "tarnel-lab sound-render: no " << kVoiceLibrary << " beside the program\n";
      return 1;
    }
    allAudible &= Report(target, out);
  }
  return allAudible ? 0 : 1;
}

Registrar sound("sound-render",
                "sound-render OUTPUT-FOLDER [--card Тп] [--program-folder DIR]: renders every "
                "cue, the menu song twice and a card's name in each language to WAV files and "
                "measures them",
                RunSoundRender);

}  // namespace
}  // namespace tarnel::lab
