// The rules of the options dialog that need no window: which back modes a back set allows, how
// the design lists map to the settings, which controls are enabled, and the expert-opponent file.
#pragma once

#include <filesystem>
#include <string_view>

#include "platform/file_system.h"

namespace tarnel {

struct Settings;

// The back-mode radio group: 0 "To change decks", 1 "Always one", 2 "Random".
struct BackModeChoice {
  int Item = 0;
  bool Enabled[3] = {true, true, true};
};

// Back sets 8-11 are series meant to be dealt at random; the others offer the first two modes.
bool BackSetIsRandomOnly(int backSet);
// On opening: the chosen item follows AlwaysOneBack. When the set changes: `current` is kept
// where it is allowed.
BackModeChoice BackModesOnOpening(int backSet, bool alwaysOneBack);
BackModeChoice BackModesAfterChange(int backSet, int current);

// The auxiliary-window list: 0 gray aristocratic, 1 gray concise, 2 gray with red ribbons, 3
// purple.
int DialogDesignItem(const Settings& settings);
void SetDialogDesignItem(Settings& settings, int item);
// The choices that draw from the design library.
bool DialogDesignItemNeedsLibrary(int item);

// Both background lists are off while the menu and the table are both purple.
bool BackgroundListsEnabled(const Settings& settings);
// GIF recording works only in the small window.
bool GifSavingEnabled(int windowMode);

// The expert opponent lives in a file of its own beside the settings, so the settings file keeps
// its fixed format: one line, "1" on or "0" off.
inline constexpr char ExpertOptionFileName[] = "Tarnel.expert";
std::filesystem::path ExpertOptionPath(const std::filesystem::path& programFolder);
// Anything but a file that starts with "1" reads as off.
bool ReadExpertOption(FileSystem& fs, const std::filesystem::path& file);
FileResult WriteExpertOption(FileSystem& fs, const std::filesystem::path& file, bool on);

}  // namespace tarnel
