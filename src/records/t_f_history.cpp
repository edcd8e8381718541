#include "records/t_f_history.h"

#include <QHeaderView>
#include <QListWidget>
#include <QTableWidget>

#include "core/cp1251.h"
#include "platform/file_system.h"
#include "records/history_file.h"
#include "records/local_time.h"
#include "ui/button/t_qel_cards_button.h"
#include "ui/painting/program_fonts.h"
#include "ui/words/qt_word.h"
#include "ui/words/word_rows.h"

namespace tarnel {
namespace {

constexpr int kColumnWidths[7] = {45, 65, 210, 45, 55, 55, 80};

QString Text(const std::string& cp1251) {
  return QString::fromStdString(Cp1251ToUtf8(cp1251)).trimmed();
}

}  // namespace

TFHistory::TFHistory(FileSystem& fs, const std::filesystem::path& programFolder, int languageIndex,
                     int& selected, QWidget* parent)
    : QDialog(parent), fs_(fs), programFolder_(programFolder), language_(languageIndex),
      selected_(selected) {
  setWindowTitle(QWord(rows::kHistoryOfGames, language_));
  setModal(true);
  setFixedSize(790, 460);
  list_ = new QListWidget(this);
  grid_ = new QTableWidget(0, 7, this);
  grid_->setGeometry(205, 10, 575, 440);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->verticalHeader()->hide();
  // The columns keep their designed widths; the text is made to fit them.
  QFont small = grid_->font();
  small.setPixelSize(11);
  grid_->setFont(small);
  grid_->verticalHeader()->setDefaultSectionSize(20);
  const int titles[7] = {rows::kHistoryTime,   rows::kHistoryDate,   rows::kHistoryPlayer,
                         rows::kHistoryGames,  rows::kHistoryResult, rows::kHistoryRating,
                         rows::kHistoryType};
  QStringList headers;
  for (int i = 0; i < 7; ++i) {
    headers << QWord(titles[i], language_);
    grid_->setColumnWidth(i, kColumnWidths[i]);
  }
  grid_->setHorizontalHeaderLabels(headers);
  grid_->horizontalHeader()->setStyleSheet(
      QStringLiteral("QHeaderView::section { color: #800000; background: #fff4dc; }"));

  const std::vector<HistoryListEntry> files =
      ListHistoryFiles(fs_, programFolder_, kDefaultShortDateFormat);
  for (const HistoryListEntry& entry : files) {
    // The list's caption is "File I" + number + date; the words come in the user's language.
    auto* item = new QListWidgetItem(QWord(rows::kHistoryFileEntry, language_) +
                                     QString::fromStdString(entry.Caption.substr(6)));
    item->setData(Qt::UserRole, entry.Number);
    list_->addItem(item);
  }
  if (files.empty()) {
    list_->addItem(QWord(rows::kNoHistoryFiles, language_));
    list_->setEnabled(false);
  }
  int row = static_cast<int>(files.size()) - 1;
  for (int i = 0; i < static_cast<int>(files.size()); ++i)
    if (files[i].Number == selected_) row = i;
  const int number = row >= 0 ? files[row].Number : 0;
  // Room for a scroll bar once the list is long.
  const int width = number <= 16 ? 180 : 193;
  list_->setGeometry(10, 10, width, 400);
  auto* ok = DialogButton(QWord(rows::kOk, language_), this);
  ok->setGeometry(10, 418, width, 32);
  ok_ = ok;
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  if (row >= 0) {
    list_->setCurrentRow(row);
    LoadFile(number);
  }
  connect(list_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (item && item->data(Qt::UserRole).isValid()) LoadFile(item->data(Qt::UserRole).toInt());
  });
}

void TFHistory::LoadFile(int number) {
  selected_ = number;
  grid_->setRowCount(0);
  const FileRead read =
      fs_.ReadFile(HistoryFilePath(programFolder_, number), 1 << 20, Oversize::kRefuse);
  if (!read) return;
  const HistoryParse parse = ParseHistoryFile(read.Bytes);
  if (!parse.Intact) return;  // a damaged file never reaches the grid
  grid_->setRowCount(static_cast<int>(parse.RecordLines.size()));
  for (int r = 0; r < static_cast<int>(parse.RecordLines.size()); ++r) {
    const HistoryRow row = SplitHistoryLine(parse.RecordLines[r]);
    const int kind = row.Kind == 'N'   ? rows::kKindNet
                     : row.Kind == 'A' ? rows::kKindAccount
                     : row.Kind == 'T' ? rows::kKindTourney
                                       : rows::kKindLocal;
    const QColor colour = row.Kind == 'N'   ? QColor(0, 128, 0)
                          : row.Kind == 'A' ? QColor(255, 0, 0)
                          : row.Kind == 'T' ? QColor(0, 0, 255)
                                            : palette().windowText().color();
    const QString cells[7] = {Text(row.Time),   Text(row.Date),   Text(row.Player),
                              Text(row.Games),  Text(row.Result), Text(row.Rating),
                              QWord(kind, language_)};
    for (int c = 0; c < 7; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      item->setForeground(colour);
      item->setTextAlignment(c == 2 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
      grid_->setItem(r, c, item);
    }
  }
  if (parse.RecordLines.size() > 1) grid_->selectRow(grid_->rowCount() - 1);
}

}  // namespace tarnel
