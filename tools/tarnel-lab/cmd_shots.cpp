// shots: pictures of every window the program has, in several window modes and languages, for
// people to look at. Runs on Qt's offscreen platform from a throw-away copy of the program folder.
#include <stdlib.h>

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <filesystem>
#include <memory>
#include <ostream>

#include "app/game_table.h"
#include "app/t_form1.h"
#include "command.h"
#include "lab_window.h"
#include "net/t_form_password.h"
#include "ui/flights/card_flight.h"
#include "ui/flights/t_form_speed.h"
#include "ui/options/t_form_options.h"
#include "ui/pictures/picture_names.h"
#include <QTabWidget>
#include <QComboBox>
#include "platform/file_system.h"
#include "platform/resource_library.h"
#include "platform/sound_cues.h"
#include "records/club_file.h"
#include "records/t_f_history.h"
#include "records/t_form_end_game.h"
#include "records/t_form_top_ten.h"
#include "ui/button/t_qel_cards_button.h"
#include "ui/messages/user_messages.h"
#include "ui/painting/picture_box.h"
#include "ui/painting/program_fonts.h"
#include "ui/scoring/t_form_count.h"
#include "ui/settings/settings.h"
#include "ui/words/word_table.h"

namespace tarnel::lab {
namespace {

namespace fs = std::filesystem;

// A sample club so the member list shows real rows.
std::string SampleClub() {
  ClubLines lines = ParseClubFile(NewClubFile("001")).Lines;
  struct Member {
    const char* Name;
    double Rating;
    long long Games, Score;
  };
  const Member members[] = {
      {"Anna", 24.5, 47, 730}, {"Boris Alexandrovich", 11.25, 12, 180}, {"Carla", -3.5, 6, -60}};
  for (int i = 0; i < 3; ++i) {
    std::string name = members[i].Name;
    name.resize(kNameLength, ' ');
    lines[i] = BuildMemberLine(name, members[i].Rating, members[i].Games, members[i].Score,
                               EncodePassword("1"));
  }
  UpdateClubChecksum(lines);
  return SerializeClubFile(lines);
}

// One step of a game as a user and the computer would take it. False when nothing could move.
bool Step(TForm1& form) {
  GameTable& table = form.Table();
  const TTableState& state = table.State();
  if (table.Button7()->isEnabled()) {
    table.Button7Click();
    return true;
  }
  if (state.TurnState == kTurnSeat1) {
    form.Timer1Timer();
    return true;
  }
  if (state.TurnState != kTurnSeat2) return false;
  const int n = state.CardCount[kSeatMe];
  const std::vector<int> xs =
      HandPositions(table.HandBox(kSeatMe)->width(), n, form.Pictures().Size().CardWidth);
  for (int p = 1; p <= n; ++p)
    if (table.Driver().CanPlayAt(p)) {
      table.HandMouseUp(xs[p - 1] + (p < n ? 2 : 20), false);
      return true;
    }
  return false;
}

void Spin(int ms) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < until)
    QApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Every button style in both looks, and the other heights, in each state: normal, hovered,
// pressed, disabled, focused. Each cell is its own window so each can hold the focus.
QPixmap ButtonSheet(const fs::path& programFolder) {
  ButtonSkinCache skins(programFolder);
  struct Row {
    TColorSB Style;
    bool Nata;
    int Height;
  };
  std::vector<Row> rows;
  for (bool nata : {false, true}) {
    for (int s = 0; s < kColorSBCount; ++s)
      rows.push_back({static_cast<TColorSB>(s), nata, 30});
    for (int h : {40, 45, 60})
      rows.push_back({TColorSB::DRed, nata, h});
  }
  const int cellW = 150, cellH = 70, states = 5;
  QImage sheet(cellW * states, cellH * static_cast<int>(rows.size()), QImage::Format_RGB32);
  sheet.fill(QColor(160, 160, 160));
  QPainter p(&sheet);
  const char* names[] = {"normal", "hover", "pressed", "disabled", "focused"};
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (int state = 0; state < states; ++state) {
      QWidget host;
      host.resize(cellW, cellH);
      host.setAutoFillBackground(true);
      QPalette palette = host.palette();
      palette.setColor(QPalette::Window, QColor(160, 160, 160));
      host.setPalette(palette);
      TQelCardsButton button(&host, &skins);
      button.setText(QString::fromLatin1(names[state]));
      button.setGeometry(20, 10, 110, rows[r].Height);
      button.SetColorSB(rows[r].Style);
      button.SetNata(rows[r].Nata);
      button.SetFontColor(rows[r].Style == TColorSB::DCards ? QColor(200, 175, 50) : Qt::white);
      button.SetLightFont(true);
      button.SetGrayDis(true);
      button.setFocusPolicy(state == 4 ? Qt::StrongFocus : Qt::NoFocus);
      host.show();
      if (state == 1) {
        QEnterEvent enter(QPointF(5, 5), QPointF(25, 15), QPointF(25, 15));
        QApplication::sendEvent(&button, &enter);
      }
      if (state == 2) button.setDown(true);
      if (state == 3) button.setEnabled(false);
      if (state == 4) {
        QApplication::setActiveWindow(&host);
        button.setFocus();
      }
      Spin(5);
      p.drawPixmap(state * cellW, static_cast<int>(r) * cellH, host.grab());
    }
  }
  return QPixmap::fromImage(sheet);
}

int RunShots(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) throw UsageError{"needs an output folder"};
  const fs::path outFolder = args[0];
  const fs::path source = ProgramFolderOf(args);
  if (!fs::exists(source / kBuiltinLibrary)) {
    err << "tarnel-lab shots: no " << kBuiltinLibrary << " in " << source.string() << "\n";
    return 2;
  }
  std::error_code ec;
  fs::create_directories(outFolder, ec);
  std::string pattern = (fs::temp_directory_path() / "tarnel-shots-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    err << "tarnel-lab shots: cannot make a temporary folder\n";
    return 2;
  }
  const fs::path folder = pattern;
  fs::copy_file(source / kBuiltinLibrary, folder / kBuiltinLibrary);

  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "tarnel-lab";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Tarnel"));
  MapProgramFonts();

  PosixFileSystem files;
  RecordedMessages messages;
  SilentSoundCues cues;
  int written = 0;
  auto save = [&](const QPixmap& pixmap, const std::string& file) {
    const fs::path path = outFolder / file;
    if (pixmap.save(QString::fromStdString(path.string()), "PNG")) {
      out << path.string() << "\n";
      ++written;
    } else {
      err << "tarnel-lab shots: cannot write " << path.string() << "\n";
    }
  };

  save(ButtonSheet(folder), "buttons.png");

  const std::pair<int, const char*> languages[] = {
      {kEnglish, "en"}, {kRussian, "ru"}, {kChinese, "zh"}, {kFrench, "fr"}, {kJapanese, "ja"}};
  for (const auto& [language, code] : languages) {
    for (int mode : {1, 3, 5}) {
      Settings settings;
      settings.LanguageIndex = static_cast<std::uint8_t>(language);
      settings.WindowMode = mode;
      files.ReplaceFile(folder / SettingsFileName, SettingsFileBytes(settings));
      files.ReplaceFile(folder / kClubFileName, SampleClub());
      files.ReplaceFile(folder / kNetClubFileName, NewClubFile("001"));
      auto form = OpenLabWindow(folder, files, messages, cues);
      Spin(120);
      if (mode == 1) save(form->grab(), std::string("title-") + code + ".png");
      form->LeaveTitle();
      Spin(120);
      save(form->grab(), std::string("menu-") + code + "-mode" + std::to_string(mode) + ".png");
      // A round in progress, the end of a round and the end of a game, with both hand sizes
      // in English and the smaller one elsewhere.
      for (int hand : {6, 10}) {
        if (hand == 10 && language != kEnglish) continue;
        form->settings.HandSizeOption = hand;
        const std::string tag =
            std::string(code) + "-mode" + std::to_string(mode) + "-hand" + std::to_string(hand);
        std::vector<TCount> counts;
        form->Table().OpenScoreDialog = [&](const TCount& count) { counts.push_back(count); };
        form->admitted =
            Admission{"Vera                ", EncodePassword("1"), "  0", "     0", ""};
        form->SelectedPlayer = 6;
        form->StartNewGameForShots();
        const TTableState& state = form->Table().State();
        if (language == kEnglish && hand == 6) {
          // One flight caught half-way: the computer's card on its way to the table.
          form->settings.FlyCards = true;
          form->settings.FlySpeed = 6;
          bool caught = false;
          form->Table().Flight().AfterStep = [&](int step, const QImage& shown) {
            if (step == 40 && !caught) {
              caught = true;
              save(QPixmap::fromImage(shown), "flight-" + tag + ".png");
            }
          };
          for (int i = 0; i < 6 && !caught && Step(*form); ++i) {}
          form->Table().Flight().AfterStep = nullptr;
          form->settings.FlyCards = false;
        }
        for (int i = 0; i < 9 && Step(*form); ++i) {
        }
        // Stop with a card of each seat on the table when the trick is open.
        save(form->grab(), "table-" + tag + ".png");
        for (int i = 0; i < 2000 && state.TurnState != 5 && state.TurnState != 6 && Step(*form);
             ++i) {
        }
        save(form->grab(), "round-end-" + tag + ".png");
        for (int i = 0; i < 5000 && !state.GameOver && Step(*form); ++i) {
        }
        if (form->Table().Button7()->isEnabled()) form->Table().Button7Click();
        Spin(30);
        save(form->grab(), "game-end-" + tag + ".png");
        if (!counts.empty() && hand == 6) {
          TFormCount count(counts.back(), QStringLiteral("Vera"), language, 1, CountEmblem::Local,
                           false, form->Locator());
          count.show();
          Spin(30);
          save(count.grab(), std::string("count-") + code + ".png");
        }
        form->Table().Button8Click();
        Spin(30);
      }
      form->hide();
    }
    const std::string line = ParseClubFile(SampleClub()).Lines[0];
    for (int slot : {1, 6}) {
      TFormPassword dialog({slot, false, false, line, "", "Vera", "Mr.X"}, language, messages,
                           nullptr);
      dialog.show();
      Spin(60);
      save(dialog.grab(),
           std::string("player-") + code + (slot == 6 ? "-new" : "-member") + ".png");
    }
    {
      TFormTopTen topTen(ParseClubFile(SampleClub()).Lines, false, language, false,
                         ResourceLocator{folder});
      topTen.show();
      Spin(60);
      save(topTen.grab(), std::string("top-ten-") + code + ".png");
      int selected = 0;
      TFHistory history(files, folder, language, selected);
      history.show();
      Spin(60);
      save(history.grab(), std::string("history-") + code + ".png");
      for (int place : {1, 4, 0}) {
        TFormEndGame verdict(MakeVerdict(place, 1230, VerdictPlay::LocalNotLoggedIn), language,
                             false, ResourceLocator{folder});
        verdict.show();
        Spin(60);
        save(verdict.grab(), std::string("verdict-") + code + "-place" + std::to_string(place) + ".png");
      }
    }
    // The speed dialog in its four designs; the design library decides which can be drawn.
    for (int design : {1, 2, 3, 4}) {
      if (design != 2 && language != kEnglish) continue;
      Settings speedSettings;
      speedSettings.LanguageIndex = static_cast<std::uint8_t>(language);
      speedSettings.DialogDesign = design == 4 ? 2 : design;
      speedSettings.PurpleDialogs = design == 4;
      TFormSpeed speed(speedSettings, ResourceLocator{source});
      speed.show();
      Spin(60);
      save(speed.grab(), std::string("speed-") + code + "-design" + std::to_string(design) + ".png");
    }
  }
  // The options dialog on every tab, gray and purple, in two languages, opened from the menu as
  // the player opens it; then the menu after the dialog changed window mode and language.
  if (fs::exists(source / kGraphicsLibrary)) fs::copy_file(source / kGraphicsLibrary, folder / kGraphicsLibrary, ec);
  for (const auto& [language, code] : {std::pair{kEnglish, "en"}, std::pair{kRussian, "ru"}}) {
    for (const bool purple : {false, true}) {
      Settings settings;
      settings.LanguageIndex = static_cast<std::uint8_t>(language);
      settings.PurpleDialogs = purple;
      files.ReplaceFile(folder / SettingsFileName, SettingsFileBytes(settings));
      files.ReplaceFile(folder / kClubFileName, SampleClub());
      const std::string tag = std::string(code) + (purple ? "-purple" : "-gray");
      auto form = OpenLabWindow(folder, files, messages, cues, [&](QDialog& dialog) {
        auto& options = static_cast<TFormOptions&>(dialog);
        options.show();
        Spin(60);
        for (int tab = 0; tab < options.PageControl1()->count(); ++tab) {
          options.PageControl1()->setCurrentIndex(tab);
          Spin(30);
          save(options.grab(), "options-" + tag + "-tab" + std::to_string(tab + 1) + ".png");
        }
        if (!purple && language == kEnglish) {
          // Another window mode and Russian, chosen while the dialog is open.
          options.PageControl1()->setCurrentIndex(0);
          options.ComboBox("ComboBoxWSize")->setCurrentIndex(2);
          options.ComboBox("ComboBoxLan")->setCurrentIndex(kRussian);
          Spin(60);
          save(options.grab(), "options-" + tag + "-after-change.png");
        }
        options.PageControl1()->setCurrentIndex(0);
        options.close();
      });
      Spin(120);
      form->LeaveTitle();
      Spin(120);
      form->Button10Click();
      Spin(60);
      if (!purple && language == kEnglish)
        save(form->grab(), "menu-after-options-mode3-ru.png");
      form->hide();
    }
  }
  fs::remove_all(folder, ec);
  return written > 0 ? 0 : 1;
}

Registrar shots("shots", "shots DIR [--program-folder F]  pictures of every window (PNG)",
                RunShots);

}  // namespace
}  // namespace tarnel::lab
