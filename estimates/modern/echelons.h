// The échelons of the French ranking since the 2013 reform, and how they
// meet the grades a document stores (the 2000 grades: "NC" ... "-30",
// "PROM", "1S"). Today's scale has "40" between "NC" and "30/5" and two
// numbered groups above "-15" in place of "-30" and "PROM"; a document
// cannot hold "40", so an opponent entered as "NC" stays "NC".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace scorvane::modern {

// Échelon indexes: 0 "NC", 1 "40", 2 "30/5" ... 22 "-15", then the two
// numbered groups (men "Top 100" / "Top 60", women "Top 60" / "Top 40")
// and the 1st series, which the calculation does not place.
inline constexpr int kNC = 0;
inline constexpr int k40 = 1;
inline constexpr int k30_2 = 5;
inline constexpr int k30_1 = 6;
inline constexpr int k15_1 = 12;
inline constexpr int k15 = 13;
inline constexpr int k0 = 19;
inline constexpr int kMinus2_6 = 20;
inline constexpr int kTopA = 23;
inline constexpr int kTopB = 24;
inline constexpr int kFirstSeries = 25;
// Échelons the calculation can place: kNC..kTopB.
inline constexpr int kCalculated = 25;

// The échelon as the federation writes it; the numbered groups by sex.
std::string EchelonText(int echelon, bool woman);
// The name a scale file uses for the échelon ("NC", "40" ... "-15",
// "top-a", "top-b").
std::string_view EchelonKey(int echelon);
// Reads an échelon written as the federation writes it, as a scale file
// names it, or as a 2000 grade ("-30", "PROM", "1S"); nullopt otherwise.
std::optional<int> ParseEchelon(std::string_view text);

// 4 ("NC" to "30/1"), 3 ("30" to "15/1") or 2 (from "15").
int SeriesOf(int echelon);
// The four groups the extra-victory bands use: 0 4th series, 1 3rd series,
// 2 "15" to "0", 3 "-2/6" and above.
int BandGroupOf(int echelon);

// A document's French grade (0 "NC" ... 24 "1S"; -1 none) as an échelon
// ("NC" for none), and an échelon as the grade a document can hold ("40"
// becomes "NC").
int EchelonOfGrade(int32_t grade);
int32_t GradeOfEchelon(int echelon);

}  // namespace scorvane::modern
