// A word-table row as the windows show it: UTF-8 into QString, with single line breaks.
#pragma once

#include <QString>

#include "ui/words/word_table.h"

namespace tarnel {

inline QString QWord(int row, int languageIndex) {
  return QString::fromStdString(WithLineBreaks(Word(row, languageIndex)));
}

}  // namespace tarnel
