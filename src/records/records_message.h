// Messages the club and history operations hand to their caller to show. The caller passes its
// word-table lookup so the texts appear in the current language.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ui/words/word_rows.h"

namespace tarnel {

enum class RecordsMessageKind {
  FileMissing,          // "Can`t find the file" "path"!
  IncorrectFile,        // "The incorrect file" "path"!
  IncorrectAttributes,  // The file "path" has incorrect attributes! (a warning; work goes on)
  DiskWriteError,       // "Error of disk writing!"
  HistoryNotSaved,      // "Cann`t save history!"
};

struct RecordsMessage {
  RecordsMessageKind Kind = RecordsMessageKind::IncorrectFile;
  std::string Path;  // the file concerned, as the user sees it (UTF-8)
};

// Row -> text in the current language, UTF-8 (the word table, which the caller owns).
using WordLookup = std::function<std::string(int row)>;

// The whole message in the lookup's language. A "\n\r" in a phrase becomes a line break.
std::string MessageText(const RecordsMessage& message, const WordLookup& words);

// What a records operation reports back.
struct RecordsResult {
  bool Ok = true;                         // false: the operation failed (the message says why)
  bool Written = false;                   // the file was rewritten
  std::optional<RecordsMessage> Message;  // to show, on failure or as a warning
};

}  // namespace tarnel
