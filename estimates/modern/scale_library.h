// Where the scales of today's French rules come from: the files shipped
// inside the program, and files the user drops into the data folder (named
// "fft-YEAR.ini", beside the folder of ranking-system files) to bring the
// program up to a new year or to correct one. A user's file that cannot be
// read is refused with its line and reason, and the shipped scale of that
// year, when there is one, is used instead.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "estimates/modern/scale.h"

namespace scorvane::modern {

struct ShippedScale {
  int year;
  const char* text;
};
// The scale files built into the program, oldest first.
const std::vector<ShippedScale>& ShippedScales();
int LatestShippedYear();

// $XDG_DATA_HOME/Scorvane/FrenchRules, or ~/.local/share/Scorvane/FrenchRules.
std::filesystem::path UserScaleFolder();

struct LoadedScale {
  std::optional<Scale> scale;  // none when the year has no usable scale
  std::string source;          // "shipped" or the user's file
  // Why the user's file was refused: "FILE, line N: reason"; empty when
  // nothing was refused.
  std::string refusal;
};

// The scale of `year`: the user's file when it reads well, else the shipped one.
LoadedScale LoadScale(int year, const std::filesystem::path& folder = UserScaleFolder());

// The years with a shipped scale or a file in the folder, oldest first.
std::vector<int> ScaleYears(const std::filesystem::path& folder = UserScaleFolder());

}  // namespace scorvane::modern
