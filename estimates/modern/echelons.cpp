#include "estimates/modern/echelons.h"

#include <array>

namespace scorvane::modern {
namespace {

constexpr std::array<std::string_view, kFirstSeries + 1> kKeys = {
    "NC",   "40",   "30/5", "30/4", "30/3", "30/2",  "30/1",  "30",  "15/5",
    "15/4", "15/3", "15/2", "15/1", "15",   "5/6",   "4/6",   "3/6", "2/6",
    "1/6",  "0",    "-2/6", "-4/6", "-15",  "top-a", "top-b", "1S"};

}  // namespace

std::string_view EchelonKey(int echelon) {
  return echelon >= 0 && echelon <= kFirstSeries ? kKeys[static_cast<size_t>(echelon)]
                                                 : std::string_view();
}

std::string EchelonText(int echelon, bool woman) {
  if (echelon == kTopA) return woman ? "Top 60" : "Top 100";
  if (echelon == kTopB) return woman ? "Top 40" : "Top 60";
  return std::string(EchelonKey(echelon));
}

std::optional<int> ParseEchelon(std::string_view text) {
  for (int echelon = 0; echelon <= kFirstSeries; ++echelon) {
    if (text == kKeys[static_cast<size_t>(echelon)]) return echelon;
  }
  if (text == "-30" || text == "Top 100") return kTopA;
  if (text == "PROM" || text == "Top 40") return kTopB;
  return std::nullopt;
}

int SeriesOf(int echelon) {
  if (echelon <= k30_1) return 4;
  if (echelon <= k15_1) return 3;
  return 2;
}

int BandGroupOf(int echelon) {
  if (echelon <= k30_1) return 0;
  if (echelon <= k15_1) return 1;
  if (echelon <= k0) return 2;
  return 3;
}

int EchelonOfGrade(int32_t grade) {
  if (grade <= 0 || grade > 24) return kNC;
  return grade + 1;
}

int32_t GradeOfEchelon(int echelon) {
  return echelon <= k40 ? 0 : echelon - 1;
}

}  // namespace scorvane::modern
