// Whole games against the computer, heard through the null output: which cue each step plays,
// whether it waits, and that every cue the game asks for is in the built-in archive.
#include <gtest/gtest.h>

#include "build_folders.h"
#include "core/computer_seat.h"
#include "core/null_presenter.h"
#include "core/random_source.h"
#include "core/rules.h"
#include "core/turn_driver.h"
#include "platform/audio_output.h"

namespace tarnel {
namespace {

// The table's sound half: every cue goes to the sound output as the window's presenter sends it.
class HeardPresenter : public NullTablePresenter {
 public:
  explicit HeardPresenter(SoundCues& cues) : cues_(cues) {}
  struct Heard {
    std::string Cue;
    bool Wait;
    CardCode AfterCard;  // the card shown just before, EmptyCard when none
  };
  std::vector<Heard> Heard;

  void PlayCue(std::string_view name, bool wait) override {
    NullTablePresenter::PlayCue(name, wait);
    Heard.push_back({std::string(name), wait, lastCard_});
    lastCard_ = EmptyCard;
    cues_.PlaySoundCue(name, wait);
  }
  void ShowTableCard(int seat, int fromPos, CardCode card) override {
    NullTablePresenter::ShowTableCard(seat, fromPos, card);
    lastCard_ = card;
  }

 private:
  SoundCues& cues_;
  CardCode lastCard_ = EmptyCard;
};

std::string ExpectedMoveCue(CardCode card, char trump) {
  if (card.Suit == trump && card.Rank == cp::kJack) return "WSays20";
  if (card.Suit == trump && card.Rank == '1') return "WSays40";
  return "WHodsDo";
}

TEST(GameCues, EveryStepPlaysItsCueThroughTheOutput) {
  NullAudioOutput output;
  ArchiveSoundCues cues(ResourceArchive::Open(build::ProgramFolder() / "Tarnel.res"), output);
  HeardPresenter presenter(cues);
  SeededRandom random(2024);
  TTableState s;  // one program run: the stock-empty cue sounds once in it
  TurnDriver driver(s, presenter, random);
  ComputerSeat computer(random);

  int refusals = 0, roundCues = 0, gameCues = 0, rounds = 0, stockEmpty = 0;
  for (int game = 1; game <= 3; ++game) {
    GameConfig config;
    config.HandSize = game == 2 ? 10 : 6;
    driver.StartGame(computer, config, PlayerStanding{});
    bool over = false;
    for (int guard = 0; guard < 5000 && !over; ++guard) {
      const std::size_t before = presenter.Heard.size();
      const std::uint8_t stockBefore = s.NextStock;
      const std::uint8_t turn = s.TurnState;
      if (s.RoundPhase == kPhaseDealt) {
        driver.Button7Click();
      } else if (turn == kTurnSeat1) {
        driver.Timer1Timer();
      } else if (turn == kTurnSeat2) {
        const std::vector<int> legal = LegalPositions(s, kSeatMe);
        for (int p = 1; p <= s.CardCount[kSeatMe]; ++p) {
          if (std::find(legal.begin(), legal.end(), p) != legal.end()) continue;
          ASSERT_EQ(driver.HandClick(p, false), HandClickResult::Refused);
          ASSERT_EQ(presenter.Heard.size(), before + 1);
          EXPECT_EQ(presenter.Heard.back().Cue, "WWrongs");
          EXPECT_FALSE(presenter.Heard.back().Wait);
          ++refusals;
          break;
        }
        ASSERT_EQ(driver.HandClick(legal.front(), false), HandClickResult::Played);
      } else {
        driver.Button7Click();
      }
      std::vector<std::string> now;
      for (std::size_t i = before; i < presenter.Heard.size(); ++i) {
        const auto& h = presenter.Heard[i];
        now.push_back(h.Cue);
        if (h.AfterCard != EmptyCard) {
          EXPECT_EQ(h.Cue, ExpectedMoveCue(h.AfterCard, s.TrumpSuit));
          EXPECT_TRUE(h.Wait);
        }
        if (h.Cue == "WKoloNo") {
          ++stockEmpty;
          EXPECT_TRUE(h.Wait);
          EXPECT_LT(stockBefore, 37);
          EXPECT_EQ(s.NextStock, 37);
        }
      }
      auto has = [&](const char* cue) { return std::count(now.begin(), now.end(), cue); };
      // The click that scored the round.
      if (turn == kTurnTrickDone &&
          (s.TurnState == kTurnNextRound || s.TurnState == kTurnGameDone)) {
        const int co = s.RoundScore[kSeatCo], me = s.RoundScore[kSeatMe];
        EXPECT_EQ(has("WKoGutX"), me > co ? 1 : 0);
        EXPECT_EQ(has("WKoBadX"), co > me ? 1 : 0);
        roundCues += static_cast<int>(has("WKoGutX") + has("WKoBadX"));
      }
      if (turn == kTurnGameDone && s.GameOver) {
        EXPECT_EQ(has("WKoGood"), s.GameScore > 0 ? 1 : 0);
        EXPECT_EQ(has("WKoBads"), s.GameScore > 0 ? 0 : 1);
        ++gameCues;
        over = true;
      }
    }
    ASSERT_TRUE(over) << "game " << game << " did not end";
    rounds += s.RoundNo;
    driver.EndGame();
  }
  EXPECT_EQ(gameCues, 3);
  EXPECT_GT(roundCues, 3);
  EXPECT_GT(refusals, 0);
  // One shuffle sound a deal, not waiting.
  int deals = 0;
  for (const auto& h : presenter.Heard) {
    if (h.Cue != "WTasoKo") continue;
    ++deals;
    EXPECT_FALSE(h.Wait);
  }
  EXPECT_EQ(deals, rounds);
  // The seed's games hold both declarations.
  for (const char* declaration : {"WSays20", "WSays40"})
    EXPECT_TRUE(std::any_of(presenter.Heard.begin(), presenter.Heard.end(), [&](const auto& h) {
      return h.Cue == declaration;
    })) << declaration;
  EXPECT_EQ(stockEmpty, 1);

  // Each cue reached the output as its own recording, waiting when the game waits.
  ASSERT_EQ(output.Calls.size(), presenter.Heard.size());
  auto archive = ResourceArchive::Open(build::ProgramFolder() / "Tarnel.res");
  for (std::size_t i = 0; i < output.Calls.size(); ++i) {
    const auto& h = presenter.Heard[i];
    const auto wav = archive->Read(h.Cue, ResourceKind::Wave);
    ASSERT_TRUE(wav) << h.Cue;
    EXPECT_EQ(output.Calls[i], "wave " + std::to_string(wav->size()) + (h.Wait ? " wait" : ""));
  }
}

}  // namespace
}  // namespace tarnel
