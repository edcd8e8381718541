#include "records/records_message.h"

#include "ui/words/word_rows.h"

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
  std::string text;
  switch (message.Kind) {
    case RecordsMessageKind::FileMissing:
      text = words(rows::kCantFindFile) + " \"" + message.Path + "\"!";
      break;
    case RecordsMessageKind::IncorrectFile:
      text = words(rows::kIncorrectFile) + " \"" + message.Path + "\"!";
      break;
    case RecordsMessageKind::IncorrectAttributes:
      text = words(rows::kTheFile) + message.Path + words(rows::kHasIncorrectAttributes);
      break;
    case RecordsMessageKind::DiskWriteError:
      text = words(rows::kDiskWriteError);
      break;
    case RecordsMessageKind::HistoryNotSaved:
      text = words(rows::kCantSaveHistory);
      break;
  }
  // The phrases mark a line break with the two characters \n\r, written out or as bytes.
  return ReplaceAll(ReplaceAll(text, "\\n\\r", "\n"), "\n\r", "\n");
}

}  // namespace tarnel
