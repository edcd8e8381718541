// Which caption of the main window and of the options dialog comes from which word-table row.
// The windows call ApplyLanguage and write the texts into their controls by name; combo boxes keep
// their selected index when their items are rewritten.
#pragma once

#include <string>
#include <vector>

#include "ui/words/word_rows.h"

namespace tarnel {

struct Caption {
  std::string Form;       // "TForm1" or "TFormOptions"
  std::string Control;    // component name, e.g. "Button6", "TabSheet3", "MSpeed"
  std::string Text;       // UTF-8
  int Row = rows::kNone;  // word-table row the text is built from
};

struct ItemList {
  std::string Form;
  std::string Control;  // combo box or radio group
  std::vector<std::string> Items;
};

struct LanguageTexts {
  std::vector<Caption> Captions;
  std::vector<ItemList> Items;

  // The caption of one control, or nullptr.
  const std::string* Find(const std::string& control) const;
  const std::vector<std::string>* FindItems(const std::string& control) const;
};

struct ApplyLanguageInput {
  int LanguageIndex = 0;
  int ClubDisplay = 1;  // 1 score, 2 rating: picks the club-list heading
  int FlySpeed = 4;     // shown on the options dialog's speed button
  bool MainOnly = false;
};

// The options dialog's texts (unless MainOnly), then the main window's: its caption, the main
// menu buttons, the club-list heading and the pop-up menu items.
LanguageTexts ApplyLanguage(const ApplyLanguageInput& input);

}  // namespace tarnel
