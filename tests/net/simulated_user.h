// The user of one machine of a network game, played by the computer player from the user's own
// point of view, pressing the round button as soon as it is on. A machine `M` has State, Driver,
// Presenter, Random and Seat1Voids.
#pragma once

#include <gtest/gtest.h>

#include "core/computer_player.h"
#include "core/rules.h"

namespace tarnel::net::test {

template <class M>
int UsersCard(M& m) {
  TTableState mirror = SeatsSwapped(m.State);
  mirror.OppVoid = m.Seat1Voids;
  MarkAccountedSuitsVoid(mirror);
  return mirror.Leader() == kSeatCo ? ComputerLead(mirror, m.Random) : ComputerAnswer(mirror);
}

// One thing the user would do now; false when there is nothing to do.
template <class M>
bool ActAsUser(M& m) {
  if (!m.Driver.GameActive() || m.State.GameOver) return false;
  if (m.State.RoundPhase == kPhasePlaying && m.State.TurnState == kTurnSeat2) {
    EXPECT_EQ(m.Driver.HandClick(UsersCard(m), false), HandClickResult::Played);
    return true;
  }
  if (!m.Presenter.Button7Enabled) return false;
  // What the user has seen seat 1 fail to follow.
  if (m.State.TurnState == kTurnTrickDone && m.State.Leader() == kSeatMe &&
      m.State.TableCard[kSeatCo].Suit != m.State.LedSuit)
    m.Seat1Voids.set(static_cast<unsigned char>(m.State.LedSuit));
  if (m.State.TurnState == kTurnNextRound) m.Seat1Voids.reset();
  m.Driver.Button7Click();
  return true;
}

}  // namespace tarnel::net::test
