// tarnel-voices OUTPUT: writes the voice library, one WAV per utterance spoken by espeak-ng.
// Skips the work when OUTPUT already holds what this espeak-ng would make from these texts
// (its manifest entry matches), so a relinked generator does not speak 550 names again.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/resource_archive.h"
#include "platform/wave_format.h"
#include "voice_texts.h"

extern char** environ;

namespace {

using namespace tarnel;
namespace fs = std::filesystem;

constexpr const char* kManifest = "manifest.txt";
constexpr int kAtOnce = 2;  // the build machine's cores

std::string EspeakVersion() {
  std::string version;
  if (FILE* p = popen("espeak-ng --version 2>/dev/null", "r")) {
    char line[256];
    while (std::fgets(line, sizeof line, p))
      version += line;
    pclose(p);
  }
  return version;
}

// espeak-ng ends each name with about 0.4 s of silence; a name said while the game waits should
// not keep it waiting for that. Kept: up to the last audible sample and a 60 ms tail.
Bytes TrimTrailingSilence(const Bytes& wav, const WaveInfo& info) {
  const std::vector<float> samples = DecodeWave16(wav);
  if (samples.empty() || info.Channels != 1) return wav;
  std::size_t end = samples.size();
  while (end > 0 && std::abs(samples[end - 1]) < 0.005f)
    --end;
  end = std::min(samples.size(), end + static_cast<std::size_t>(0.06 * info.SampleRate));
  return EncodeWave(std::vector<float>(samples.begin(), samples.begin() + end), info.SampleRate);
}

std::string Manifest(const std::vector<voices::Utterance>& all, const std::string& version) {
  std::string text = version + "trailing silence trimmed\n";
  for (const auto& u : all)
    text += u.Resource + "\t" + u.Voice + "\t" + u.Text + "\n";
  return text;
}

bool UpToDate(const fs::path& output, const std::string& manifest) {
  auto archive = ResourceArchive::Open(output);
  if (!archive) return false;
  auto stored = archive->ReadFile(kManifest);
  return stored && std::string(stored->begin(), stored->end()) == manifest;
}

// Starts espeak-ng without a shell: the texts go to it as they are.
pid_t Speak(const voices::Utterance& u, const fs::path& wav) {
  std::vector<std::string> args = {"espeak-ng", "-v", u.Voice,      "-s",
                                   "150",       "-w", wav.string(), u.Text};
  std::vector<char*> argv;
  for (auto& a : args)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, "espeak-ng", nullptr, nullptr, argv.data(), environ) != 0) return -1;
  return pid;
}

std::optional<Bytes> ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream s;
  s << in.rdbuf();
  const std::string text = s.str();
  return Bytes(text.begin(), text.end());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tarnel-voices OUTPUT-ARCHIVE\n");
    return 2;
  }
  const fs::path output = argv[1];
  const auto all = voices::AllUtterances();
  const std::string version = EspeakVersion();
  if (version.empty()) {
    std::fprintf(stderr, "tarnel-voices: espeak-ng is not installed (scripts/install-deps)\n");
    return 1;
  }
  const std::string manifest = Manifest(all, version);
  if (UpToDate(output, manifest)) {
    fs::last_write_time(output, fs::file_time_type::clock::now());  // the build sees it as made
    return 0;
  }

  char pattern[] = "/tmp/tarnel-voices-XXXXXX";
  if (!mkdtemp(pattern)) return 1;
  const fs::path work = pattern;

  // Texts shared by several names (the jokers) are spoken once.
  std::map<std::pair<std::string, std::string>, fs::path> spoken;
  std::vector<std::pair<pid_t, std::string>> running;
  bool failed = false;
  auto reap = [&](std::size_t keep) {
    while (running.size() > keep) {
      int status = 0;
      waitpid(running.front().first, &status, 0);
      if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "tarnel-voices: espeak-ng failed on %s\n",
                     running.front().second.c_str());
        failed = true;
      }
      running.erase(running.begin());
    }
  };
  for (const auto& u : all) {
    auto key = std::make_pair(u.Voice, u.Text);
    if (spoken.count(key)) continue;
    const fs::path wav = work / (u.Resource + ".wav");
    spoken[key] = wav;
    reap(kAtOnce - 1);
    const pid_t pid = Speak(u, wav);
    if (pid < 0) {
      std::fprintf(stderr, "tarnel-voices: cannot start espeak-ng\n");
      failed = true;
      break;
    }
    running.emplace_back(pid, u.Resource);
  }
  reap(0);

  std::vector<ArchiveEntry> entries;
  for (const auto& u : all) {
    if (failed) break;
    auto data = ReadAll(spoken[{u.Voice, u.Text}]);
    auto info = data ? ReadWaveInfo(*data) : std::nullopt;
    if (!info || info->Seconds() < 0.2) {
      std::fprintf(stderr, "tarnel-voices: no speech for %s\n", u.Resource.c_str());
      failed = true;
      break;
    }
    entries.push_back({u.Resource + ".wav", TrimTrailingSilence(*data, *info)});
  }
  std::error_code ec;
  fs::remove_all(work, ec);
  if (failed) return 1;
  entries.push_back({kManifest, Bytes(manifest.begin(), manifest.end())});
  if (!WriteResourceArchive(output, entries)) {
    std::fprintf(stderr, "tarnel-voices: cannot write %s\n", output.c_str());
    return 1;
  }
  return 0;
}
