#include "records/records_message.h"

namespace tarnel {
namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

}  // namespace

std::string MessageText(const RecordsMessage& message, const WordLookup& words) {
  auto word = [&](int row, std::string_view english) {
    return words ? words(row, english) : std::string(english);
  };
  std::string text;
  switch (message.Kind) {
    case RecordsMessageKind::FileMissing:
      text = word(kRowCantFindFile, kTextCantFindFile) + " \"" + message.Path + "\"!";
      break;
    case RecordsMessageKind::IncorrectFile:
      text = word(kNoWordRow, kTextIncorrectFile) + " \"" + message.Path + "\"!";
      break;
    case RecordsMessageKind::IncorrectAttributes:
      text = word(kRowTheFile, kTextTheFile) + message.Path +
             word(kRowHasIncorrectAttributes, kTextHasIncorrectAttributes);
      break;
    case RecordsMessageKind::DiskWriteError:
      text = word(kNoWordRow, kTextDiskWriteError);
      break;
    case RecordsMessageKind::HistoryNotSaved:
      text = word(kNoWordRow, kTextCantSaveHistory);
      break;
  }
  // The phrases mark a line break with the two characters \n\r, written out or as bytes.
  ReplaceAll(text, "\\n\\r", "\n");
  ReplaceAll(text, "\n\r", "\n");
  return text;
}

}  // namespace tarnel
