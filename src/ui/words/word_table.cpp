#include "ui/words/word_table.h"

#include <algorithm>

#include "ui/words/word_rows.h"
#include "ui/words/word_table_data.h"

namespace tarnel {
namespace {

constexpr const char* kProductTitles[kLanguageCount] = {"Tarnel", "Тарнель", "Tarnel", "Tarnel",
                                                        "Tarnel", "塔内尔",  "Tarnel", "Tarnel",
                                                        "Tarnel", "Tarnel"};

constexpr const char* kLanguageSuffixes[kLanguageCount] = {"Eng", "Rus", "Deu", "Fra", "Spa",
                                                           "Chi", "Ita", "Cze", "Eng", "Eng"};

constexpr const char* kVoiceCodes[kLanguageCount] = {"Eng", "Rus", "Deu", "Fra", "Spa",
                                                     "Chi", "Ita", "Cze", "Jap", "Kor"};

constexpr const char* kLanguageNames[kLanguageCount] = {
    "English", "Русский",  "Deutsche", "Français", "Español",
    "中文",    "Italiano", "Čeština",  "日本",     "한국인"};

// 12 * language + month - 1.
constexpr const char* kMonthNames[kLanguageCount * 12] = {
    "January",    "February",  "March",     "April",     "May",       "June",     "July",
    "August",     "September", "October",   "November",  "December",  "Января",   "Февраля",
    "Марта",      "Апреля",    "Мая",       "Июня",      "Июля",      "Августа",  "Сентября",
    "Октября",    "Ноября",    "Декабря",   "Januar",    "Februar",   "März",     "April",
    "Mai",        "Juni",      "Juli",      "August",    "September", "Oktober",  "November",
    "Dezember",   "Janvier",   "Février",   "Mars",      "Avril",     "Mai",      "Juin",
    "Juillet",    "Août",      "Septembre", "Octobre",   "Novembre",  "Décembre", "Enero",
    "Febrero",    "Marzo",     "Abril",     "Mayo",      "Junio",     "Julio",    "Agosto",
    "Septiembre", "Octubre",   "Noviembre", "Diciembre", "一月",      "二月",     "三月",
    "四月",       "五月",      "六月",      "七月",      "八月",      "九月",     "十月",
    "十一月",     "十二月",    "Gennaio",   "Febbraio",  "Marzo",     "Aprile",   "Maggio",
    "Giugno",     "Luglio",    "Agosto",    "Settembre", "Ottobre",   "Novembre", "Dicembre",
    "Leden",      "Únor",      "Březen",    "Duben",     "Květen",    "Červen",   "Červenec",
    "Srpen",      "Září",      "Říjen",     "Listopad",  "Prosinec",  "1月",      "2月",
    "3月",        "4月",       "5月",       "6月",       "7月",       "8月",      "9月",
    "10月",       "11月",      "12月",      "1월",       "2월",       "3월",      "4월",
    "5월",        "6월",       "7월",       "8월",       "9월",       "10월",     "11월",
    "12월"};

// Japanese writes the date as Chinese does.
constexpr const char* kReleaseDates[kLanguageCount] = {
    "October 18, 2022",      "18 Октября, 2022", "18. Oktober 2022", "18 octobre 2022",
    "18 de octubre de 2022", "2022年10月18日",   "18 ottobre 2022",  "18. října 2022",
    "2022年10月18日",        "2022년 10월 18일"};

struct NamedRow {
  std::string_view Name;
  int Row;
};

#define TARNEL_WORD_ROW_ENTRY(name, row) {#name, row},
constexpr NamedRow kNamedRows[] = {TARNEL_WORD_ROWS(TARNEL_WORD_ROW_ENTRY)};
#undef TARNEL_WORD_ROW_ENTRY

}  // namespace

int LanguageColumn(int languageIndex) {
  return languageIndex >= 0 && languageIndex < kLanguageCount ? languageIndex : kEnglish;
}

std::string_view Word(int row, int languageIndex) {
  if (row < 0 || row >= kWordRowCount) return {};
  return word_data::kCells[row][LanguageColumn(languageIndex)];
}

std::vector<int> ShownRows() {
  std::vector<int> shown;
  for (const NamedRow& named : kNamedRows)
    shown.push_back(named.Row);
  for (int r = rows::kCardDesignFirst; r <= rows::kCardDesignLast; ++r)
    shown.push_back(r);
  for (int r = rows::kBackgroundFirst; r <= rows::kBackgroundLast; ++r)
    shown.push_back(r);
  std::sort(shown.begin(), shown.end());
  shown.erase(std::unique(shown.begin(), shown.end()), shown.end());
  return shown;
}

int RowOfName(std::string_view name) {
  for (const NamedRow& named : kNamedRows) {
    if (named.Name == name) return named.Row;
  }
  return -1;
}

std::string WithLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == '\n' && i + 1 < text.size() && text[i + 1] == '\r') ++i;
  }
  return out;
}

std::string_view ProductTitle(int languageIndex) {
  return kProductTitles[LanguageColumn(languageIndex)];
}

std::string_view LanguageSuffix(int languageIndex) {
  return kLanguageSuffixes[LanguageColumn(languageIndex)];
}

std::string_view VoiceCode(int languageIndex) {
  return kVoiceCodes[LanguageColumn(languageIndex)];
}

std::string FlagPictureName(int languageIndex) {
  int column = LanguageColumn(languageIndex);
  if (column == kJapanese) return "FlagOJap";
  if (column == kKorean) return "FlagOKor";
  return std::string("FlagO") + kLanguageSuffixes[column];
}

std::string_view LanguageName(int languageIndex) {
  return kLanguageNames[LanguageColumn(languageIndex)];
}

std::string_view MonthName(int languageIndex, int month) {
  if (month < 1 || month > 12) return {};
  return kMonthNames[12 * LanguageColumn(languageIndex) + month - 1];
}

std::string_view ReleaseDate(int languageIndex) {
  return kReleaseDates[LanguageColumn(languageIndex)];
}

}  // namespace tarnel
