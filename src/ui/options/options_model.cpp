#include "ui/options/options_model.h"

#include "ui/settings/settings.h"

namespace tarnel {

bool BackSetIsRandomOnly(int backSet) {
  return backSet >= 8 && backSet <= 11;
}

BackModeChoice BackModesOnOpening(int backSet, bool alwaysOneBack) {
  return BackModesAfterChange(backSet, alwaysOneBack ? 1 : 0);
}

BackModeChoice BackModesAfterChange(int backSet, int current) {
  BackModeChoice choice;
  if (BackSetIsRandomOnly(backSet)) {
    choice.Item = 2;
    choice.Enabled[0] = choice.Enabled[1] = false;
  } else {
    choice.Item = current == 1 ? 1 : 0;
    choice.Enabled[2] = false;
  }
  return choice;
}

int DialogDesignItem(const Settings& settings) {
  if (settings.PurpleDialogs) return 3;
  if (settings.DialogDesign == 1) return 1;
  if (settings.DialogDesign == 3) return 2;
  return 0;
}

void SetDialogDesignItem(Settings& settings, int item) {
  settings.PurpleDialogs = item == 3;
  if (item == 1)
    settings.DialogDesign = 1;
  else if (item == 2)
    settings.DialogDesign = 3;
  else if (item == 0)
    settings.DialogDesign = 2;
}

bool DialogDesignItemNeedsLibrary(int item) {
  return item != 0;
}

bool BackgroundListsEnabled(const Settings& settings) {
  return !(settings.MainMenuDesign == 1 && settings.TableDesign == 1);
}

bool GifSavingEnabled(int windowMode) {
  return windowMode == 1;
}

std::filesystem::path ExpertOptionPath(const std::filesystem::path& programFolder) {
  return programFolder / ExpertOptionFileName;
}

bool ReadExpertOption(FileSystem& fs, const std::filesystem::path& file) {
  const FileRead read = fs.ReadFile(file, 16, Oversize::kKeepStart);
  if (!read.Ok() || read.Bytes.empty()) return false;
  const std::string_view bytes(read.Bytes);
  const std::size_t end = bytes.find_first_of("\r\n");
  return bytes.substr(0, end) == "1";
}

FileResult WriteExpertOption(FileSystem& fs, const std::filesystem::path& file, bool on) {
  return fs.ReplaceFile(file, on ? "1\r\n" : "0\r\n");
}

}  // namespace tarnel
