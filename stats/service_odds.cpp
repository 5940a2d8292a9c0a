#include "stats/service_odds.h"

#include <algorithm>
#include <cmath>

namespace scorvane {
namespace {

double Share(int percentage) {
  return std::clamp(percentage, 0, 100) / 100.0;
}

}  // namespace

ServiceOdds ComputeServiceOdds(const ServiceInputs& inputs) {
  const double a = Share(inputs.first_in);
  const double w1 = Share(inputs.first_points_won);
  const double b = Share(inputs.second_in);
  const double w2 = Share(inputs.second_points_won);

  ServiceOdds odds;
  odds.first_point = w1 * a;
  odds.point = w1 * a + w2 * b * (1 - a);
  odds.double_fault = (1 - a) * (1 - b);
  const double p = odds.point;
  const double q = 1 - p;
  // From deuce the server needs two points in a row before the receiver
  // does: d = p^2 / (p^2 + q^2), and p^2 + q^2 = 1 - 2pq is never 0.
  odds.from_deuce = p * p / (1 - 2 * p * q);
  // Love, 15 and 30 games, then the games that reach deuce (3-3 after six
  // points, in 20 orders).
  odds.game = std::pow(p, 4) * (1 + 4 * q + 10 * q * q) + 20 * std::pow(p * q, 3) * odds.from_deuce;
  return odds;
}

int ShownPercentage(double probability) {
  // "%.0f" rounds half to even on the exact binary value; nearbyint in the
  // default rounding mode does the same.
  return static_cast<int>(std::nearbyint(100 * probability));
}

}  // namespace scorvane
