// TFHistory: the history of games, one file of the "History" folder at a time.
#pragma once

#include <QDialog>
#include <filesystem>

class QListWidget;
class QTableWidget;
class QPushButton;

namespace tarnel {

class FileSystem;

class TFHistory : public QDialog {
  Q_OBJECT
 public:
  // `selected`: the file chosen the last time the window was open during this run (0 for none);
  // it is updated as the user picks another.
  TFHistory(FileSystem& fs, const std::filesystem::path& programFolder, int languageIndex,
            int& selected, QWidget* parent = nullptr);
  QListWidget* FileList() const { return list_; }
  QTableWidget* Grid() const { return grid_; }

 private:
  void LoadFile(int number);

  FileSystem& fs_;
  std::filesystem::path programFolder_;
  int language_;
  int& selected_;
  QListWidget* list_ = nullptr;
  QTableWidget* grid_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace tarnel
