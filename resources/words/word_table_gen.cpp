// Compiles word_table.tsv into a C++ source holding the table as string literals.
//
// Table format (UTF-8): lines starting with "#" and blank lines are comments; every other line is
//   row <TAB> English <TAB> Russian <TAB> German <TAB> French <TAB> Spanish <TAB> Chinese
//       <TAB> Italian <TAB> Czech <TAB> Japanese <TAB> Korean
// Missing trailing cells are empty. In a cell, \n, \r, \t and \\ stand for LF, CR, TAB and a
// backslash. Any malformed line fails the build, so a broken table never reaches the program.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 1058;
constexpr int kLanguages = 10;

bool ValidUtf8(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || i + extra >= s.size() + (extra == 0 ? 1 : 0)) return false;
    for (int k = 1; k <= extra; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += extra + 1;
  }
  return true;
}

bool Unescape(const std::string& in, std::string& out) {
  out.clear();
  for (size_t i = 0; i < in.size(); ++i) {
    if (in[i] != '\\') {
      out += in[i];
      continue;
    }
    if (++i == in.size()) return false;
    switch (in[i]) {
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case 't':
        out += '\t';
        break;
      case '\\':
        out += '\\';
        break;
      default:
        return false;
    }
  }
  return true;
}

// Octal escapes for everything outside printable ASCII-and-UTF-8, so no escape can swallow the
// character after it.
std::string Literal(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F || c == '?') {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\%03o", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: word_table_gen TABLE.tsv OUT.cpp\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << argv[1] << ": cannot open\n";
    return 1;
  }
  std::vector<std::vector<std::string>> cells(kRows, std::vector<std::string>(kLanguages));
  std::vector<bool> seen(kRows, false);
  std::string line;
  int lineNo = 0;
  auto fail = [&](const std::string& why) {
    std::cerr << argv[1] << ":" << lineNo << ": " << why << "\n";
    return 1;
  };
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (!ValidUtf8(line)) return fail("not UTF-8");
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
      size_t tab = line.find('\t', start);
      fields.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    if (fields.size() > 1 + static_cast<size_t>(kLanguages)) return fail("too many cells");
    int row = -1;
    try {
      size_t used = 0;
      row = std::stoi(fields[0], &used);
      if (used != fields[0].size()) row = -1;
    } catch (...) {
      row = -1;
    }
    if (row < 0 || row >= kRows) return fail("bad row number '" + fields[0] + "'");
    if (seen[row]) return fail("row " + std::to_string(row) + " given twice");
    seen[row] = true;
    for (size_t c = 1; c < fields.size(); ++c) {
      if (!Unescape(fields[c], cells[row][c - 1])) return fail("bad escape");
    }
  }

  std::ostringstream out;
  out << "// Generated from word_table.tsv by word_table_gen; do not edit.\n"
      << "#include \"ui/words/word_table_data.h\"\n\n"
      << "namespace tarnel::word_data {\n\n"
      << "const char* const kCells[" << kRows << "][" << kLanguages << "] = {\n";
  for (int r = 0; r < kRows; ++r) {
    out << "    {";
    for (int c = 0; c < kLanguages; ++c)
      out << (c ? ", " : "") << Literal(cells[r][c]);
    out << "},\n";
  }
  out << "};\n\n}  // namespace tarnel::word_data\n";

  // Rewrite only on change, so an untouched table does not rebuild its users.
  std::string text = out.str();
  {
    std::ifstream old(argv[2], std::ios::binary);
    std::stringstream oldText;
    oldText << old.rdbuf();
    if (old && oldText.str() == text) return 0;
  }
  std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
  file << text;
  return file ? 0 : 1;
}
