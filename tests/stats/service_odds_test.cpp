// Guards the service calculator's arithmetic: the reference values and the
// edge cases it is known by, and the way percentages are rounded for display.
#include "stats/service_odds.h"

#include <gtest/gtest.h>

namespace scorvane {
namespace {

TEST(ServiceOdds, ReferenceValues) {
  const struct {
    const char* name;
    ServiceInputs inputs;
    double point, double_fault, from_deuce, game;
  } cases[] = {
      {"all at 50", {50, 50, 50, 50}, 0.375, 0.25, 0.2647, 0.2146},
      {"a 60 w1 75 b 90 w2 50", {60, 75, 90, 50}, 0.63, 0.04, 0.7435, 0.7947},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ServiceOdds odds = ComputeServiceOdds(c.inputs);
    EXPECT_NEAR(odds.point, c.point, 5e-5);
    EXPECT_NEAR(odds.double_fault, c.double_fault, 5e-5);
    EXPECT_NEAR(odds.from_deuce, c.from_deuce, 5e-5);
    EXPECT_NEAR(odds.game, c.game, 5e-5);
  }
}

TEST(ServiceOdds, EdgeCases) {
  // No serve ever goes in: every point is a double fault.
  const ServiceOdds never_in = ComputeServiceOdds({0, 80, 0, 80});
  EXPECT_DOUBLE_EQ(never_in.double_fault, 1.0);
  EXPECT_DOUBLE_EQ(never_in.point, 0.0);
  EXPECT_DOUBLE_EQ(never_in.game, 0.0);
  EXPECT_DOUBLE_EQ(never_in.from_deuce, 0.0);

  // Half the points: the game and deuce are even.
  const ServiceOdds even = ComputeServiceOdds({100, 50, 10, 90});
  EXPECT_DOUBLE_EQ(even.point, 0.5);
  EXPECT_DOUBLE_EQ(even.from_deuce, 0.5);
  EXPECT_NEAR(even.game, 0.5, 1e-12);

  // Every first serve in: the second serve does not matter.
  for (const int second_in : {0, 40, 100}) {
    for (const int second_won : {0, 70, 100}) {
      const ServiceOdds odds = ComputeServiceOdds({100, 65, second_in, second_won});
      EXPECT_DOUBLE_EQ(odds.point, 0.65);
      EXPECT_DOUBLE_EQ(odds.first_point, 0.65);
      EXPECT_DOUBLE_EQ(odds.double_fault, 0.0);
    }
  }

  // A server who wins every point wins every game.
  const ServiceOdds perfect = ComputeServiceOdds({100, 100, 0, 0});
  EXPECT_DOUBLE_EQ(perfect.game, 1.0);
  EXPECT_DOUBLE_EQ(perfect.from_deuce, 1.0);

  // Values outside 0..100 are read as the nearest bound.
  const ServiceOdds clamped = ComputeServiceOdds({150, -20, 50, 50});
  EXPECT_DOUBLE_EQ(clamped.point, 0.0);
  EXPECT_DOUBLE_EQ(clamped.double_fault, 0.0);
}

TEST(ServiceOdds, GameSumsEveryWinningSequence) {
  // Walks every point sequence to its end and adds those the server wins:
  // the closed form must agree for any p.
  for (const int first_won : {0, 13, 37, 50, 71, 100}) {
    const ServiceOdds odds = ComputeServiceOdds({100, first_won, 0, 0});
    const double p = odds.point;
    double won = 0;
    struct State {
      int server, receiver;
      double chance;
    };
    std::vector<State> open = {{0, 0, 1.0}};
    while (!open.empty()) {
      const State s = open.back();
      open.pop_back();
      if (s.server >= 3 && s.receiver >= 3 && s.server == s.receiver) {
        won += s.chance * odds.from_deuce;
      } else if (s.server >= 4 && s.server - s.receiver >= 2) {
        won += s.chance;
      } else if (!(s.receiver >= 4 && s.receiver - s.server >= 2)) {
        open.push_back({s.server + 1, s.receiver, s.chance * p});
        open.push_back({s.server, s.receiver + 1, s.chance * (1 - p)});
      }
    }
    EXPECT_NEAR(odds.game, won, 1e-12) << first_won;
  }
}

TEST(ServiceOdds, ShownPercentageRoundsLikePrintf) {
  const struct {
    double probability;
    int shown;
  } cases[] = {{0.375, 38},  {0.125, 12}, {0.2649, 26}, {0.005, 0},
               {0.995, 100}, {0.0, 0},    {1.0, 100}};
  for (const auto& c : cases) {
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.0f", 100 * c.probability);
    EXPECT_EQ(ShownPercentage(c.probability), c.shown) << c.probability;
    EXPECT_EQ(std::to_string(c.shown), printed) << c.probability;
  }
}

}  // namespace
}  // namespace scorvane
