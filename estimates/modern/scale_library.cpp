#include "estimates/modern/scale_library.h"

#include <algorithm>
#include <cstdio>

#include "base/safe_file.h"
#include "ranking/ranking_registry.h"

namespace scorvane::modern {
namespace {

// A scale file is a few kilobytes; anything far larger is not one.
constexpr std::uintmax_t kMaxFileSize = 256 * 1024;

std::filesystem::path FileOf(const std::filesystem::path& folder, int year) {
  return folder / ("fft-" + std::to_string(year) + ".ini");
}

std::string Refusal(const std::filesystem::path& file, const ScaleRefusal& refusal) {
  const std::string where =
      refusal.line > 0 ? ", line " + std::to_string(refusal.line) + ": " : std::string(": ");
  return file.filename().string() + where + refusal.reason;
}

// The user's file of the year, read; nullopt without one.
std::optional<std::variant<Scale, ScaleRefusal>> ReadUserFile(const std::filesystem::path& file,
                                                              int year) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error || size > kMaxFileSize) return ScaleRefusal{0, "the file is too large"};
  std::vector<uint8_t> bytes;
  std::string reason;
  if (!ReadWholeFile(file, bytes, &reason)) return ScaleRefusal{0, reason};
  std::variant<Scale, ScaleRefusal> read =
      ParseScale(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (const Scale* scale = std::get_if<Scale>(&read); scale && scale->year != year) {
    return ScaleRefusal{0, "the file holds the scale of " + std::to_string(scale->year)};
  }
  return read;
}

}  // namespace

int LatestShippedYear() {
  return ShippedScales().back().year;
}

std::filesystem::path UserScaleFolder() {
  return RankingRegistry::UserDataFolder().parent_path() / "FrenchRules";
}

LoadedScale LoadScale(int year, const std::filesystem::path& folder) {
  LoadedScale loaded;
  const std::filesystem::path file = FileOf(folder, year);
  if (auto read = ReadUserFile(file, year)) {
    if (Scale* scale = std::get_if<Scale>(&*read)) {
      loaded.scale = std::move(*scale);
      loaded.source = file.string();
      return loaded;
    }
    loaded.refusal = Refusal(file, std::get<ScaleRefusal>(*read));
  }
  for (const ShippedScale& shipped : ShippedScales()) {
    if (shipped.year != year) continue;
    std::variant<Scale, ScaleRefusal> read = ParseScale(shipped.text);
    if (Scale* scale = std::get_if<Scale>(&read)) {
      loaded.scale = std::move(*scale);
      loaded.source = "shipped";
    }
  }
  return loaded;
}

std::vector<int> ScaleYears(const std::filesystem::path& folder) {
  std::vector<int> years;
  for (const ShippedScale& shipped : ShippedScales())
    years.push_back(shipped.year);
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    int year = 0;
    if (name.size() == 12 && name.rfind("fft-", 0) == 0 && name.substr(8) == ".ini" &&
        std::sscanf(name.c_str() + 4, "%4d", &year) == 1 && year >= 1990 && year <= 2200) {
      years.push_back(year);
    }
  }
  std::sort(years.begin(), years.end());
  years.erase(std::unique(years.begin(), years.end()), years.end());
  return years;
}

}  // namespace scorvane::modern
