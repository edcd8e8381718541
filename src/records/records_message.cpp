#include "records/records_message.h"

namespace tarnel {
namespace {

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  for (std::size_t at = text.find(from); at != std::string_view::npos; at = text.find(from)) {
    out.append(text.substr(0, at)).append(to);
    text.remove_prefix(at + from.size());
  }
  return out.append(text);
}

}  // namespace

std::string MessageText(const RecordsMessage& message, const WordLookup& words) {
  auto word = [&](int row, std::string_view english) {
    return words ? words(row, english) : std::string(english);
  };
  std::string text;
  switch (message.Kind) {
    case RecordsMessageKind::FileMissing:
      text = word(rows::kCantFindFile, kTextCantFindFile) + " \"" + message.Path + "\"!";
      break;
    case RecordsMessageKind::IncorrectFile:
      text = word(rows::kIncorrectFile, kTextIncorrectFile) + " \"" + message.Path + "\"!";
      break;
    case RecordsMessageKind::IncorrectAttributes:
      text = word(rows::kTheFile, kTextTheFile) + message.Path;
      text += word(rows::kHasIncorrectAttributes, kTextHasIncorrectAttributes);
      break;
    case RecordsMessageKind::DiskWriteError:
      text = word(rows::kDiskWriteError, kTextDiskWriteError);
      break;
    case RecordsMessageKind::HistoryNotSaved:
      text = word(rows::kCantSaveHistory, kTextCantSaveHistory);
      break;
  }
  // The phrases mark a line break with the two characters \n\r, written out or as bytes.
  return ReplaceAll(ReplaceAll(text, "\\n\\r", "\n"), "\n\r", "\n");
}

}  // namespace tarnel
