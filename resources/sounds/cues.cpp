// The cues are small additive and noise synths, each shaped to say what it means at a glance:
// a card snap for a move, a riffle for the shuffle, rising chimes for the trump declarations,
// a low buzz for a refusal, brass-like fanfares for good results and falling minor phrases for
// bad ones, clock ticks for the move clock. All are short, so a waiting cue keeps play brisk.
#include <cmath>
#include <cstdint>
#include <numbers>

#include "sounds.h"

namespace tarnel::sounds {
namespace {

constexpr double kRate = kCueSampleRate;
constexpr double kTau = 2 * std::numbers::pi;

// A fixed pseudo-random source, so every build writes the same bytes.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  float Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<float>(static_cast<std::int32_t>(state_)) / 2147483648.0f;
  }

 private:
  std::uint32_t state_;
};

double Midi(int note) {
  return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

class Track {
 public:
  explicit Track(double seconds) : s_(static_cast<std::size_t>(seconds * kRate), 0.0f) {}

  // A tone with harmonics (amplitudes relative to the fundamental), a short attack and an
  // exponential decay; `glide` moves the pitch by that factor over the tone.
  void Tone(double at, double length, double freq, double amp, std::vector<double> harmonics,
            double attack = 0.005, double decay = 4.0, double glide = 1.0, double vibrato = 0) {
    const auto start = static_cast<std::size_t>(at * kRate);
    const auto n = static_cast<std::size_t>(length * kRate);
    double phase = 0;
    for (std::size_t i = 0; i < n && start + i < s_.size(); ++i) {
      const double t = i / kRate;
      const double f = freq * std::pow(glide, t / length) *
                       (1 + vibrato * std::sin(kTau * 5.5 * t) * std::min(1.0, t * 3));
      phase += kTau * f / kRate;
      double v = 0;
      for (std::size_t h = 0; h < harmonics.size(); ++h)
        v += harmonics[h] * std::sin(phase * static_cast<double>(h + 1));
      const double env = std::min(1.0, t / attack) * std::exp(-decay * t) *
                         std::min(1.0, (length - t) / 0.01);  // no click at the end
      s_[start + i] += static_cast<float>(amp * env * v);
    }
  }

  // A burst of noise through a one-pole band (highpass then lowpass), decaying fast.
  void Snap(double at, double length, double amp, double decay, double lowCut, double highCut,
            std::uint32_t seed) {
    Noise noise(seed);
    const auto start = static_cast<std::size_t>(at * kRate);
    const auto n = static_cast<std::size_t>(length * kRate);
    const double hp = std::exp(-kTau * lowCut / kRate);
    const double lp = 1 - std::exp(-kTau * highCut / kRate);
    double prevIn = 0, high = 0, low = 0;
    for (std::size_t i = 0; i < n && start + i < s_.size(); ++i) {
      const double t = i / kRate;
      const double in = noise.Next();
      high = hp * (high + in - prevIn);
      prevIn = in;
      low += lp * (high - low);
      const double env = std::min(1.0, t / 0.0015) * std::exp(-decay * t);
      s_[start + i] += static_cast<float>(amp * env * low);
    }
  }

  // Scales to the given peak and fades the last few milliseconds.
  std::vector<float> Finish(double peak = 0.7) {
    float max = 0;
    for (float v : s_)
      max = std::max(max, std::abs(v));
    const float k = max > 0 ? static_cast<float>(peak / max) : 0.0f;
    const std::size_t fade =
        std::min<std::size_t>(s_.size(), static_cast<std::size_t>(0.005 * kRate));
    for (std::size_t i = 0; i < s_.size(); ++i) {
      s_[i] *= k;
      const std::size_t fromEnd = s_.size() - 1 - i;
      if (fromEnd < fade) s_[i] *= static_cast<float>(fromEnd) / static_cast<float>(fade);
    }
    return std::move(s_);
  }

 private:
  std::vector<float> s_;
};

const std::vector<double> kBell = {1.0, 0.0, 0.35, 0.0, 0.12, 0.0, 0.05};
const std::vector<double> kBrass = {1.0, 0.7, 0.5, 0.35, 0.25, 0.15, 0.1};
const std::vector<double> kMellow = {1.0, 0.25, 0.08};
const std::vector<double> kWood = {1.0, 0.0, 0.0, 0.2};
const std::vector<double> kBuzz = {1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14};

// Played after every ordinary card: a short crisp slap with a little body.
std::vector<float> CardSnap() {
  Track t(0.13);
  t.Snap(0, 0.13, 1.0, 55, 900, 6000, 11);
  t.Tone(0, 0.1, 170, 0.5, {1.0}, 0.001, 45);
  return t.Finish();
}

// A riffle: a quickening train of small snaps, then the halves bridged together.
std::vector<float> Shuffle() {
  Track t(0.95);
  double at = 0.0;
  for (int i = 0; i < 22; ++i) {
    const double amp = 0.35 + 0.3 * std::sin(i / 21.0 * std::numbers::pi);
    t.Snap(at, 0.05, amp, 120, 1500, 7000, 100 + static_cast<std::uint32_t>(i));
    at += 0.034 - 0.0006 * i + 0.004 * ((i * 7) % 3);
  }
  t.Snap(0.78, 0.16, 1.0, 30, 300, 3000, 99);
  return t.Finish();
}

std::vector<float> Notes(const std::vector<int>& notes, double step, double last,
                         const std::vector<double>& timbre, double decay, double total) {
  Track t(total);
  for (std::size_t i = 0; i < notes.size(); ++i) {
    const bool final = i + 1 == notes.size();
    t.Tone(step * static_cast<double>(i), final ? last : step * 1.6, Midi(notes[i]), 1.0, timbre,
           0.006, final ? decay * 0.6 : decay);
  }
  return t.Finish();
}

// A chord held under a melody: the fanfares of good results.
std::vector<float> Fanfare(const std::vector<int>& notes, double step,
                           const std::vector<int>& chord, double hold, double total) {
  Track t(total);
  for (std::size_t i = 0; i < notes.size(); ++i)
    t.Tone(step * static_cast<double>(i), step * 1.3, Midi(notes[i]), 0.9, kBrass, 0.02, 3.0);
  const double at = step * static_cast<double>(notes.size());
  for (int n : chord)
    t.Tone(at, hold, Midi(n), 0.5, kBrass, 0.03, 1.6, 1.0, 0.004);
  return t.Finish();
}

// Falling phrases for bad results; the last note sags with a slow vibrato.
std::vector<float> Lament(const std::vector<int>& notes, double step, double last, double total) {
  Track t(total);
  for (std::size_t i = 0; i < notes.size(); ++i) {
    const bool final = i + 1 == notes.size();
    t.Tone(step * static_cast<double>(i), final ? last : step * 1.05, Midi(notes[i]), 1.0, kMellow,
           0.03, final ? 1.2 : 2.0, final ? 0.94 : 1.0, final ? 0.012 : 0);
  }
  return t.Finish(0.6);
}

std::vector<float> Refusal() {
  Track t(0.32);
  t.Tone(0, 0.32, 140, 1.0, kBuzz, 0.004, 5, 0.9);
  return t.Finish(0.6);
}

// A dialog opens: a soft rising swish and a pluck.
std::vector<float> Opening() {
  Track t(0.3);
  t.Snap(0, 0.22, 0.6, 12, 1500, 4000, 7);
  t.Tone(0.1, 0.2, Midi(79), 0.7, kWood, 0.002, 18);
  return t.Finish(0.55);
}

// The move clock: a dry tick, and a sharper double tick for the last seconds.
std::vector<float> Tick(bool urgent) {
  Track t(urgent ? 0.12 : 0.05);
  t.Snap(0, 0.04, 1.0, 160, 2000, 8000, urgent ? 31u : 30u);
  t.Tone(0, 0.04, urgent ? 2800 : 1900, 0.6, {1.0}, 0.0005, 120);
  if (urgent) {
    t.Snap(0.06, 0.04, 1.0, 160, 2000, 8000, 32);
    t.Tone(0.06, 0.04, 2800, 0.6, {1.0}, 0.0005, 120);
  }
  return t.Finish(urgent ? 0.75 : 0.6);
}

}  // namespace

std::vector<Cue> SynthesiseCues() {
  std::vector<Cue> cues;
  auto add = [&](const char* name, std::vector<float> samples) {
    cues.push_back({name, std::move(samples)});
  };
  add("WHodsDo", CardSnap());
  add("WTasoKo", Shuffle());
  add("WSays20", Notes({79, 84}, 0.12, 0.45, kBell, 4.5, 0.6));     // trump jack: G5 C6
  add("WSays40", Notes({72, 76, 79}, 0.1, 0.4, kBell, 4.5, 0.65));  // trump ten: C5 E5 G5
  add("WWrongs", Refusal());
  add("WKoloNo", Notes({67, 64, 60}, 0.11, 0.35, kWood, 7, 0.6));  // stock empty: G4 E4 C4
  add("WKoGutX", Fanfare({72, 76, 79}, 0.09, {72, 76, 79, 84}, 0.5, 0.85));
  add("WKoBadX", Lament({64, 60}, 0.22, 0.45, 0.75));
  add("WKoGood", Fanfare({67, 72, 76, 79}, 0.12, {72, 76, 79, 84}, 0.9, 1.45));
  add("WKoBads", Lament({67, 66, 65, 64}, 0.28, 0.75, 1.6));
  add("WOpenFo", Opening());
  add("WToMenK", Notes({88, 93}, 0.13, 0.35, kBell, 5, 0.5));  // a ding-dong up: E6 A6
  add("WFiBest", Fanfare({67, 72, 76, 79, 76, 79}, 0.13, {72, 76, 79, 84, 88}, 1.3, 2.2));
  add("WFiGood", Fanfare({72, 76, 79}, 0.14, {72, 76, 79}, 0.9, 1.4));
  add("WFiBads", Lament({69, 67, 64, 62, 60}, 0.25, 0.7, 1.8));
  add("STimerA", Tick(false));
  add("STimerB", Tick(true));
  return cues;
}

}  // namespace tarnel::sounds
