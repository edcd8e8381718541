// The GStreamer output. Every sound is a short pipeline of its own:
//   cue:   appsrc (the WAV image) ! wavparse ! audioconvert ! audioresample ! sink
//   music: filesrc ! midiparse ! fluiddec ! audioconvert ! audioresample ! sink
// All calls come from the one UI thread; nothing here runs a GLib main loop. A finished
// background pipeline is noticed on its bus at the next call and released then.
#include <gst/app/gstappsrc.h>
#include <gst/gst.h>

#include <cstdio>

#include "platform/audio_output.h"
#include "platform/wave_format.h"

namespace tarnel {
namespace {

constexpr GstClockTime kStartTimeout = 3 * GST_SECOND;
// A blocking cue may take this much longer than its own length (start-up of the device).
constexpr GstClockTime kWaitMargin = 2 * GST_SECOND;

bool InitGstreamer() {
  static const bool ok = [] {
    GError* error = nullptr;
    const bool done = gst_init_check(nullptr, nullptr, &error);
    if (error) g_error_free(error);
    return done;
  }();
  return ok;
}

GstElement* Launch(const std::string& description) {
  GError* error = nullptr;
  GstElement* pipeline = gst_parse_launch(description.c_str(), &error);
  if (error) {
    g_error_free(error);
    if (pipeline) gst_object_unref(pipeline);
    return nullptr;
  }
  return pipeline;
}

void Release(GstElement*& pipeline) {
  if (!pipeline) return;
  gst_element_set_state(pipeline, GST_STATE_NULL);
  gst_object_unref(pipeline);
  pipeline = nullptr;
}

// True when the pipeline has ended (end of stream or an error) without waiting.
bool Ended(GstElement* pipeline) {
  GstBus* bus = gst_element_get_bus(pipeline);
  GstMessage* message =
      gst_bus_pop_filtered(bus, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
  gst_object_unref(bus);
  if (!message) return false;
  gst_message_unref(message);
  return true;
}

bool ReachesPlaying(GstElement* pipeline) {
  if (gst_element_set_state(pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) return false;
  GstState state = GST_STATE_NULL;
  return gst_element_get_state(pipeline, &state, nullptr, kStartTimeout) !=
             GST_STATE_CHANGE_FAILURE &&
         state == GST_STATE_PLAYING;
}

class GstAudioOutput : public AudioOutput {
 public:
  GstAudioOutput(std::string sink, std::filesystem::path soundFont)
      : sink_(std::move(sink)), soundFont_(std::move(soundFont)) {}
  ~GstAudioOutput() override {
    Release(wave_);
    Release(music_);
  }

  void PlayWave(ByteView wave, bool wait) override {
    Release(wave_);
    const auto info = ReadWaveInfo(wave);
    if (!info) return;
    wave_ =
        Launch("appsrc name=src format=bytes ! wavparse ! audioconvert ! audioresample ! " + sink_);
    if (!wave_) return;
    GstElement* src = gst_bin_get_by_name(GST_BIN(wave_), "src");
    GstBuffer* buffer = gst_buffer_new_memdup(wave.data(), wave.size());
    gst_app_src_push_buffer(GST_APP_SRC(src), buffer);  // takes the buffer
    gst_app_src_end_of_stream(GST_APP_SRC(src));
    gst_object_unref(src);
    if (gst_element_set_state(wave_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
      Release(wave_);
      return;
    }
    if (!wait) return;
    const auto limit =
        static_cast<GstClockTime>(info->Seconds() * GST_SECOND) + kStartTimeout + kWaitMargin;
    GstBus* bus = gst_element_get_bus(wave_);
    GstMessage* message = gst_bus_timed_pop_filtered(
        bus, limit, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    if (message) gst_message_unref(message);
    gst_object_unref(bus);
    Release(wave_);
  }

  bool PlayMusic(const std::filesystem::path& midiFile) override {
    Release(music_);
    ReleaseFinishedWave();
    music_ = Launch(
        "filesrc name=file ! midiparse ! fluiddec name=synth synth-gain=1.0 ! audioconvert ! "
        "audioresample ! " +
        sink_);
    if (!music_) return false;
    GstElement* file = gst_bin_get_by_name(GST_BIN(music_), "file");
    g_object_set(file, "location", midiFile.c_str(), nullptr);
    gst_object_unref(file);
    GstElement* synth = gst_bin_get_by_name(GST_BIN(music_), "synth");
    // Without the soundfont fluiddec looks for a default one of its own.
    std::error_code ec;
    if (!soundFont_.empty() && std::filesystem::is_regular_file(soundFont_, ec))
      g_object_set(synth, "soundfont", soundFont_.c_str(), nullptr);
    gst_object_unref(synth);
    if (gst_element_set_state(music_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
      Release(music_);
      return false;
    }
    return true;
  }

  void StopMusic() override { Release(music_); }

  bool MusicPlaying() override {
    ReleaseFinishedWave();
    if (music_ && Ended(music_)) Release(music_);
    return music_ != nullptr;
  }

  bool Silent() const override { return false; }

 private:
  void ReleaseFinishedWave() {
    if (wave_ && Ended(wave_)) Release(wave_);
  }

  std::string sink_;
  std::filesystem::path soundFont_;
  GstElement* wave_ = nullptr;
  GstElement* music_ = nullptr;
};

// The factory of the sink autoaudiosink settled on, or "" when it found no device and fell
// back to its fake sink (or nothing started at all).
std::string ProbeDeviceSink() {
  GstElement* probe =
      Launch("audiotestsrc num-buffers=1 volume=0 ! audioconvert ! autoaudiosink name=out");
  if (!probe) return "";
  std::string factory;
  if (ReachesPlaying(probe)) {
    GstElement* out = gst_bin_get_by_name(GST_BIN(probe), "out");
    GstIterator* children = gst_bin_iterate_elements(GST_BIN(out));
    GValue item = G_VALUE_INIT;
    if (gst_iterator_next(children, &item) == GST_ITERATOR_OK) {
      auto* actual = GST_ELEMENT(g_value_get_object(&item));
      if (GstElementFactory* f = gst_element_get_factory(actual))
        factory = gst_plugin_feature_get_name(GST_PLUGIN_FEATURE(f));
      g_value_unset(&item);
    }
    gst_iterator_free(children);
    gst_object_unref(out);
  }
  Release(probe);
  return factory == "fakesink" ? "" : factory;
}

bool SinkReachesPlaying(const std::string& sink) {
  GstElement* probe = Launch("audiotestsrc num-buffers=1 volume=0 ! audioconvert ! " + sink);
  if (!probe) return false;
  const bool ok = ReachesPlaying(probe);
  Release(probe);
  return ok;
}

}  // namespace

std::unique_ptr<AudioOutput> OpenAudioOutput(const AudioOutputOptions& options) {
  if (!InitGstreamer()) return std::make_unique<NullAudioOutput>();
  std::string sink = options.SinkDescription;
  if (sink.empty()) {
    sink = ProbeDeviceSink();
  } else if (!SinkReachesPlaying(sink)) {
    sink.clear();
  }
  if (sink.empty()) return std::make_unique<NullAudioOutput>();
  return std::make_unique<GstAudioOutput>(sink, options.SoundFont);
}

}  // namespace tarnel
