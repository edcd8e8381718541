// bench pictures: loading the faces, backs and background of each card-size class from the
// program's own library, and resampling the large faces to the cards of window mode 3.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iomanip>
#include <ostream>
#include <vector>

#include "bench.h"
#include "ui/pictures/picture_loader.h"

namespace tarnel::lab {
namespace {

namespace fs = std::filesystem;

// Loading everything one size class needs must stay below this.
constexpr double kLoadBudgetMs = 150;

class CountingHost : public PictureHost {
 public:
  void ShowAttention(const std::string& line1, const std::string&, const std::string&) override {
    Messages.push_back(line1);
  }
  void SwitchOffPurpleDesigns() override {}
  std::vector<std::string> Messages;
};

template <typename F>
double TimeMs(F&& f) {
  auto t0 = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

struct Stats {
  double Min, Median, Max;
};

Stats Summarise(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return {v.front(), v[v.size() / 2], v.back()};
}

int RunBenchPictures(const Args& args, std::ostream& out, std::ostream& err) {
  int repeat = static_cast<int>(FlagInt(args, "--repeat", 20));
  if (repeat < 1) throw UsageError{"--repeat needs a positive number"};
  const fs::path folder = ProgramFolderOf(args);
  if (!fs::exists(folder / kBuiltinLibrary)) {
    err << "bench pictures: no " << kBuiltinLibrary << " in " << folder.string() << "\n";
    return 2;
  }
  struct Class {
    const char* Name;
    TableGeometry Geometry;
  };
  const Class classes[] = {{"small (mode 1)", {1.0, true, 760, 500}},
                           {"scaled (mode 3)", {1.3, false, 990, 650}},
                           {"large (mode 5)", {2.0, false, 1520, 1000}}};
  bool withinBudget = true;
  out << std::fixed << std::setprecision(2);
  for (const auto& c : classes) {
    std::vector<double> times;
    CountingHost host;
    for (int i = 0; i < repeat; ++i) {
      PictureChoice choice;
      PictureLoader loader({folder}, choice, host);
      loader.SetGeometry(c.Geometry);
      bool ok = true;
      times.push_back(TimeMs([&] {
        ok = loader.LoadCardFaces() && ok;
        ok = loader.LoadBackground(false) && ok;
      }));
      if (!ok) {
        err << "bench pictures: loading fell back for " << c.Name << "\n";
        return 1;
      }
    }
    Stats s = Summarise(times);
    out << "load faces+backs+background " << c.Name << ": min=" << s.Min
        << " ms median=" << s.Median << " ms max=" << s.Max << " ms (budget " << kLoadBudgetMs
        << " ms)\n";
    withinBudget = withinBudget && s.Median < kLoadBudgetMs;
  }

  PictureChoice choice;
  CountingHost host;
  PictureLoader loader({folder}, choice, host);
  loader.SetGeometry({2.0, false, 1520, 1000});
  loader.LoadCardFaces();
  CardSize mode3 = ComputeCardSize(1.3, true);
  std::vector<double> times;
  for (int i = 0; i < repeat; ++i) {
    times.push_back(TimeMs([&] {
      for (int card = 0; card < 36; ++card) {
        Picture small = Resample(loader.Face(card), mode3.CardWidth, mode3.CardHeight);
        if (small.Empty()) std::abort();
      }
    }));
  }
  Stats s = Summarise(times);
  out << "resample 36 faces 146x198 -> " << mode3.CardWidth << "x" << mode3.CardHeight
      << ": min=" << s.Min << " ms median=" << s.Median << " ms max=" << s.Max << " ms\n";
  out << (withinBudget ? "within budget\n" : "OVER BUDGET\n");
  return withinBudget ? 0 : 1;
}

BenchRegistrar pictures("pictures", "pictures [--repeat N] [--program-folder DIR]",
                        RunBenchPictures);

}  // namespace
}  // namespace tarnel::lab
