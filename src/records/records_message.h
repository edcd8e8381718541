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

// The phrases the messages are made of: each is the English text of its word-table row
// (rows::kTheFile, kHasIncorrectAttributes, kCantFindFile, kIncorrectFile, kDiskWriteError,
// kCantSaveHistory), shown when the caller passes no lookup.
inline constexpr std::string_view kTextTheFile = "The file \"";
inline constexpr std::string_view kTextHasIncorrectAttributes =
    "\" has incorrect attributes!\\n\\rThe work of the program will be incorrect!";
inline constexpr std::string_view kTextCantFindFile = "Can`t find the file";
inline constexpr std::string_view kTextIncorrectFile = "The incorrect file";
inline constexpr std::string_view kTextDiskWriteError = "Error of disk writing!";
inline constexpr std::string_view kTextCantSaveHistory = "Cann`t save history!";

// (row from word_rows.h, English text) -> text in the current language, UTF-8.
using WordLookup = std::function<std::string(int row, std::string_view english)>;

// The whole message; without a lookup, in English. A "\n\r" in a phrase becomes a line break.
std::string MessageText(const RecordsMessage& message, const WordLookup& words = {});

// What a records operation reports back.
struct RecordsResult {
  bool Ok = true;                         // false: the operation failed (the message says why)
  bool Written = false;                   // the file was rewritten
  std::optional<RecordsMessage> Message;  // to show, on failure or as a warning
};

}  // namespace tarnel
