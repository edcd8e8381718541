// TFormOptions: the modal options dialog. Every control writes its setting the moment it changes
// and has the main window apply it through OptionsHost; there is no Cancel.
#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/picture.h"
#include "platform/resource_library.h"
#include "ui/options/dialog_look.h"

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace tarnel {

struct Settings;
class TQelCardsButton;

// What the options ask of the main window. Each call applies a setting that has just changed.
class OptionsHost {
 public:
  virtual ~OptionsHost() = default;
  virtual void MusicSwitched() = 0;
  virtual void AnimationsSwitched() = 0;
  virtual void CursorsSwitched() = 0;
  virtual void ButtonsRestyled() = 0;
  virtual void NetworkModeSwitched() = 0;
  virtual void WindowModeChosen() = 0;
  virtual void LanguageChosen() = 0;
  // Reload the pictures; the settings show what was kept (a failed load falls back to 0).
  virtual void FacesChosen() = 0;
  virtual void BacksChosen() = 0;
  virtual void BackgroundChosen(bool colourChanged) = 0;
  virtual void MainMenuDesignChosen() = 0;
  virtual void TableDesignChosen() = 0;
  virtual void FontsChosen() = 0;
  virtual void ExpertOpponentChosen(bool on) = 0;
  virtual bool ExpertOpponent() const = 0;
  // Small picture (71 x 96) of a face of the current design.
  virtual QImage SmallFace(int cardIndex) const = 0;
  // The screen the window modes must fit.
  virtual QRect ScreenArea() const = 0;
  virtual void PlayCue(const char* name) = 0;
  // Fetches a library from the club server into the folder above the program's; true on success.
  virtual bool DownloadLibrary(const std::string& fileName) = 0;
  virtual void Attention(const QString& line1, const QString& line2) = 0;
};

class TFormOptions : public QDialog {
  Q_OBJECT
 public:
  TFormOptions(Settings& settings, OptionsHost& host, const ResourceLocator& locator,
               QWidget* parent = nullptr);
  ~TFormOptions() override;

  // The tab shown when the dialog opens next: the one active when it last closed.
  static int& RememberedTab();

  DialogLook Look() const { return look_.Look(); }
  QTabWidget* PageControl1() const { return pageControl1_; }
  QCheckBox* CheckBox(const char* name) const;
  QComboBox* ComboBox(const char* name) const;
  QRadioButton* BackMode(int item) const { return backModes_[item]; }
  QRadioButton* HandSize(int item) const { return handSizes_[item]; }
  QSpinBox* SpinEdit1() const { return spinEdit1_; }
  QFontComboBox* FontComboBox1() const { return fontComboBox1_; }
  TQelCardsButton* Button1() const { return button1_; }
  TQelCardsButton* Button2() const { return button2_; }
  TQelCardsButton* Button3() const { return button3_; }
  TQelCardsButton* Button4() const { return button4_; }
  // Library buttons by file name; every tab's copy of a library's button.
  std::vector<TQelCardsButton*> LibraryButtons(const std::string& fileName) const;
  // Presses a library button as a click would.
  void DownloadClick(const std::string& fileName);
  // True once the dialog has finished opening: from then on a window mode applies at once.
  bool Opened() const { return opened_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void CreateControls();
  QWidget* GeneralTab();
  QWidget* CardsTab();
  QWidget* DecksTab();
  QWidget* GameTab();
  QWidget* FontsTab();
  QWidget* BackgroundTab();
  QWidget* SaveGamesTab();
  QWidget* LibraryTab();
  QWidget* DesignTab();
  TQelCardsButton* LibraryButton(QWidget* parent, const std::string& fileName);

  void FillFromSettings();
  void ApplyTexts();
  void ApplyDesign();
  void ApplyCursors();
  void RefreshLibraryButtons();
  void ApplyBackModes(int backSet, int item);
  void SetBackgroundListsEnabled();
  void DrawFacePreview();
  void ShowFontChoice();
  void RenewSpeedCaption();
  bool TestDesignLibrary();

  void FaceChanged(int item);
  void BackSetChanged(int item);
  void BackgroundChanged(bool colour);
  void MainMenuDesignChanged(int item);
  void TableDesignChanged(int item);
  void DialogDesignChanged(int item);
  void FontNameChanged();
  void FontScaleChanged(int value);
  void FontDefaults();
  void Close(bool burst);
  void AnimationTick();

  Settings& settings_;
  OptionsHost& host_;
  ResourceLocator locator_;
  AuxiliaryLook look_;
  bool filling_ = false;
  bool opened_ = false;

  QLabel* image0_ = nullptr;
  QWidget* panel1_ = nullptr;
  QLabel* imFlag_ = nullptr;
  QLabel* image1_ = nullptr;  // the face preview
  QLabel* animation_ = nullptr;
  QTabWidget* pageControl1_ = nullptr;
  std::array<QLabel*, 9> tabPictures_{};
  std::vector<std::pair<std::string, QCheckBox*>> checks_;
  std::vector<std::pair<std::string, QComboBox*>> combos_;
  std::vector<std::pair<std::string, TQelCardsButton*>> libraryButtons_;
  std::vector<QGroupBox*> groups_;
  std::array<QRadioButton*, 3> backModes_{};
  std::array<QRadioButton*, 2> handSizes_{};
  std::array<QRadioButton*, 2> radioSources_{};
  QGroupBox* backModeGroup_ = nullptr;
  QGroupBox* handSizeGroup_ = nullptr;
  QGroupBox* radioGroup_ = nullptr;
  QFontComboBox* fontComboBox1_ = nullptr;
  QSpinBox* spinEdit1_ = nullptr;
  QSpinBox* spinEditSG1_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  QLabel* labelSG1_ = nullptr;
  QCheckBox* expert_ = nullptr;
  TQelCardsButton* button1_ = nullptr;
  TQelCardsButton* button2_ = nullptr;
  TQelCardsButton* button3_ = nullptr;
  TQelCardsButton* button4_ = nullptr;
  std::vector<TQelCardsButton*> cardButtons_;
  Animation gOpt_;
  int gOptFrame_ = 0;
  QTimer animationTimer_;
  QTimer timer48_;
};

}  // namespace tarnel
