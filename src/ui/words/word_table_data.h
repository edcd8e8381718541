// The compiled word table, generated from resources/words/word_table.tsv at build time.
#pragma once

namespace tarnel::word_data {

// kCells[row][language]: UTF-8 text, "" for a row no language fills.
extern const char* const kCells[1058][10];

}  // namespace tarnel::word_data
