// Reading a scale file: an INI text of sections and "key = value" lines.
// The text is first split into sections, then each section is read by the
// part of the scale it fills; every figure is checked, and the first fault
// stops the reading with its line.
#include "estimates/modern/scale.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <map>
#include <optional>

#include "base/text_format.h"

namespace scorvane::modern {
namespace {

struct Entry {
  std::string key;
  std::string value;
  int line = 0;
  bool used = false;
};

struct Section {
  int line = 0;
  std::vector<Entry> entries;
};

// A refusal travelling up from deep in the reading.
struct Refused {
  ScaleRefusal refusal;
};

[[noreturn]] void Refuse(int line, std::string reason) {
  throw Refused{{line, std::move(reason)}};
}

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// Comments start with "#" at the start of a line or after a blank, or with
// ";" at the start of a line (French texts use " ; ").
std::string_view WithoutComment(std::string_view line) {
  const std::string_view trimmed =
      line.substr(std::min(line.find_first_not_of(" \t"), line.size()));
  if (!trimmed.empty() && trimmed.front() == ';') return {};
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t'))
      return line.substr(0, i);
  }
  return line;
}

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  size_t at = 0;
  while ((at = text.find_first_not_of(" \t", at)) != std::string_view::npos) {
    const size_t end = std::min(text.find_first_of(" \t", at), text.size());
    words.emplace_back(text.substr(at, end - at));
    at = end;
  }
  return words;
}

constexpr size_t kMaxLines = 2000;

std::map<std::string, Section> SplitSections(std::string_view text) {
  std::map<std::string, Section> sections;
  Section* current = nullptr;
  int number = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = Trim(WithoutComment(text.substr(start, end - start)));
    start = end + 1;
    if (++number > static_cast<int>(kMaxLines)) Refuse(number, "the file is too long");
    if (line.empty()) continue;
    if (line.front() == '[') {
      if (line.back() != ']') Refuse(number, "a section name must end with ']'");
      const std::string name(Trim(line.substr(1, line.size() - 2)));
      if (sections.count(name)) Refuse(number, "section [" + name + "] is given twice");
      current = &sections[name];
      current->line = number;
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) Refuse(number, "a line must read 'key = value'");
    if (!current) Refuse(number, "a value before any section");
    Entry entry{std::string(Trim(line.substr(0, equals))),
                std::string(Trim(line.substr(equals + 1))), number};
    if (entry.key.empty()) Refuse(number, "a value without a key");
    for (const Entry& other : current->entries) {
      if (other.key == entry.key) Refuse(number, "'" + entry.key + "' is given twice");
    }
    current->entries.push_back(std::move(entry));
  }
  return sections;
}

// The values of one section, looked up by key; what is left unread at the
// end is refused as unknown.
class SectionReader {
 public:
  SectionReader(std::map<std::string, Section>& sections, const std::string& name) : name_(name) {
    const auto it = sections.find(name);
    if (it == sections.end()) Refuse(0, "section [" + name + "] is missing");
    section_ = &it->second;
  }

  int Line() const { return section_->line; }
  std::vector<Entry>& Entries() { return section_->entries; }

  Entry* Find(std::string_view key) {
    for (Entry& entry : section_->entries) {
      if (entry.key == key) {
        entry.used = true;
        return &entry;
      }
    }
    return nullptr;
  }
  Entry& Need(std::string_view key) {
    Entry* entry = Find(key);
    if (!entry) Refuse(section_->line, "[" + name_ + "] needs '" + std::string(key) + "'");
    return *entry;
  }

  int Int(std::string_view key, int low, int high) { return ReadInt(Need(key), low, high); }
  double Decimal(std::string_view key, double low, double high) {
    Entry& entry = Need(key);
    double value = 0;
    const char* begin = entry.value.data();
    const char* end = begin + entry.value.size();
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end || !(value >= low && value <= high)) {
      Refuse(entry.line, "'" + entry.key + "' must be a decimal number from " +
                             FormatText("%g", {low}) + " to " + FormatText("%g", {high}));
    }
    return value;
  }
  bool Flag(std::string_view key) {
    Entry& entry = Need(key);
    if (entry.value == "yes") return true;
    if (entry.value == "no") return false;
    Refuse(entry.line, "'" + entry.key + "' must be yes or no");
  }
  // One of `words`; its position.
  size_t Word(std::string_view key, std::initializer_list<std::string_view> words) {
    Entry& entry = Need(key);
    size_t index = 0;
    std::string list;
    for (const std::string_view word : words) {
      if (entry.value == word) return index;
      list += (index++ ? ", " : "") + std::string(word);
    }
    Refuse(entry.line, "'" + entry.key + "' must be one of: " + list);
  }
  template <size_t N>
  std::array<int, N> Ints(Entry& entry, int low, int high) {
    std::array<int, N> values{};
    const std::vector<std::string> words = Words(entry.value);
    for (size_t i = 0; i < std::min(N, words.size()); ++i)
      values[i] = ParseInt(words[i], entry, low, high);
    if (words.size() != N) {
      Refuse(entry.line, "'" + entry.key + "' needs " + std::to_string(N) + " whole numbers");
    }
    return values;
  }
  void RefuseUnknown() {
    for (const Entry& entry : section_->entries) {
      if (!entry.used) Refuse(entry.line, "unknown key '" + entry.key + "' in [" + name_ + "]");
    }
  }

  static int ParseInt(const std::string& word, const Entry& entry, int low, int high) {
    int value = 0;
    const char* begin = word.data();
    const char* end = begin + word.size();
    if (begin != end && *begin == '+') ++begin;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end || value < low || value > high) {
      Refuse(entry.line, "'" + word + "' is not a whole number from " + std::to_string(low) +
                             " to " + std::to_string(high));
    }
    return value;
  }
  static int ReadInt(const Entry& entry, int low, int high) {
    return ParseInt(entry.value, entry, low, high);
  }

 private:
  std::string name_;
  Section* section_ = nullptr;
};

// A section may say its figures are assumed: "assumed = why", and in
// French "assumed-fr = pourquoi".
void NoteAssumed(SectionReader& reader, const std::string& name, Scale& scale) {
  Entry* english = reader.Find("assumed");
  Entry* french = reader.Find("assumed-fr");
  if (french && !english) Refuse(french->line, "'assumed-fr' needs 'assumed'");
  if (english) scale.assumed.push_back({name, english->value, french ? french->value : ""});
}

// A table with one line per calculated échelon, each of two numbers.
void ReadEchelonTable(std::map<std::string, Section>& sections, const std::string& name, int high,
                      std::array<std::array<int, 2>, kCalculated>& table, Scale& scale) {
  SectionReader reader(sections, name);
  NoteAssumed(reader, name, scale);
  for (int echelon = 0; echelon < kCalculated; ++echelon) {
    Entry& entry = reader.Need(EchelonKey(echelon));
    table[static_cast<size_t>(echelon)] = reader.Ints<2>(entry, 0, high);
  }
  reader.RefuseUnknown();
}

void ReadProcedure(std::map<std::string, Section>& sections, Scale& scale) {
  SectionReader reader(sections, "procedure");
  NoteAssumed(reader, "procedure", scale);
  scale.mode = reader.Word("mode", {"final", "monthly"}) == 0 ? "final" : "monthly";
  scale.opponents_calculated = reader.Word("opponent-ranking", {"calculated", "match-day"}) == 0;
  scale.quota_from_own = reader.Word("base-quota-by", {"own", "tried"}) == 0;
  scale.bands_from_tried = reader.Word("bands-by", {"tried", "own"}) == 0;
  scale.start_above_best = reader.Int("start-above-best", 0, 5);
  scale.start_above_best_4th = reader.Int("start-above-best-4th-series", 0, 5);
  scale.start_at_least_own = reader.Flag("start-at-least-own");
  scale.descent_limit = reader.Int("descent-limit", 0, kCalculated);
  scale.up_only = reader.Flag("up-only");
  scale.climb = static_cast<ClimbLimit>(
      reader.Word("climb-limit", {"none", "best-beaten", "beaten-at-echelon"}));
  scale.max_passes = reader.Int("passes", 1, 20);
  scale.nc_played_becomes_40 = reader.Flag("nc-played-becomes-40");
  scale.window_months = reader.Int("window-months", 0, 24);
  scale.harmonise_walkovers = reader.Int("harmonise-walkovers", 0, 99);
  if (Entry* entry = reader.Find("harmonise-balance")) {
    if (entry->value != "none") {
      scale.harmonise_balance = true;
      scale.harmonise_balance_at = SectionReader::ReadInt(*entry, -1000, 0);
    }
  } else {
    reader.Need("harmonise-balance");
  }
  scale.balance_rounded = reader.Word("balance-rounding", {"half-up", "none"}) == 0;
  reader.RefuseUnknown();
}

void ReadPoints(std::map<std::string, Section>& sections, Scale& scale) {
  SectionReader reader(sections, "points");
  NoteAssumed(reader, "points", scale);
  for (int difference = -4; difference <= 2; ++difference) {
    const std::string key = (difference > 0 ? "+" : "") + std::to_string(difference);
    scale.points[static_cast<size_t>(difference + 4)] = reader.Int(key, 0, 1000);
  }
  reader.RefuseUnknown();
}

void ReadBands(std::map<std::string, Section>& sections, Scale& scale) {
  SectionReader reader(sections, "bands");
  NoteAssumed(reader, "bands", scale);
  for (Entry& entry : reader.Entries()) {
    if (entry.key == "assumed" || entry.key == "assumed-fr") continue;
    entry.used = true;
    Scale::Band band;
    band.from = entry.key == "lowest" ? std::numeric_limits<int>::min()
                                      : SectionReader::ParseInt(entry.key, entry, -1000, 1000);
    if (scale.bands.empty() && entry.key != "lowest") {
      Refuse(entry.line, "the first band must be 'lowest'");
    }
    if (!scale.bands.empty() && band.from <= scale.bands.back().from) {
      Refuse(entry.line, "bands must go up");
    }
    band.extra = reader.Ints<4>(entry, -20, 20);
    scale.bands.push_back(band);
  }
  if (scale.bands.empty()) Refuse(reader.Line(), "[bands] holds no band");
}

void ReadWalkovers(std::map<std::string, Section>& sections, Scale& scale) {
  SectionReader reader(sections, "walkovers");
  NoteAssumed(reader, "walkovers", scale);
  scale.walkover_defeats_ignored = reader.Int("defeats-ignored", 0, 99);
  scale.walkover_wins_in_v = reader.Flag("wins-in-v");
  reader.RefuseUnknown();
}

void ReadChampionship(std::map<std::string, Section>& sections, Scale& scale) {
  SectionReader reader(sections, "championship");
  NoteAssumed(reader, "championship", scale);
  scale.championship_points = reader.Ints<3>(reader.Need("points"), 0, 1000);
  scale.championship_wins = reader.Int("wins-counted", 0, 50);
  scale.championship_wins_top = reader.Int("wins-counted-top", 0, 50);
  scale.championship_coefficient = reader.Flag("coefficient");
  reader.RefuseUnknown();
}

void ReadNoDefeat(std::map<std::string, Section>& sections, Scale& scale) {
  SectionReader reader(sections, "no-defeat");
  NoteAssumed(reader, "no-defeat", scale);
  scale.no_defeat_given = reader.Flag("given");
  Entry& from = reader.Need("from");
  const std::optional<int> echelon = ParseEchelon(from.value);
  if (!echelon || *echelon >= kCalculated) Refuse(from.line, "'from' must be an échelon");
  scale.no_defeat_from = *echelon;
  scale.no_defeat_points = reader.Ints<3>(reader.Need("points"), 0, 1000);
  scale.no_defeat_minimum_matches = reader.Int("minimum-matches", 0, 99);
  scale.no_defeat_walkovers =
      static_cast<WalkoverDefeats>(reader.Word("walkover-defeats", {"none", "counted", "all"}));
  reader.RefuseUnknown();
}

void ReadDoubles(std::map<std::string, Section>& sections, Scale& scale) {
  SectionReader reader(sections, "doubles");
  NoteAssumed(reader, "doubles", scale);
  scale.doubles_points = reader.Int("points-per-win", 0, 100);
  scale.doubles_best = reader.Int("best", 0, 50);
  scale.doubles_cap = reader.Int("cap", 0, 1000);
  scale.doubles_weight_margin = reader.Int("weight-margin", 0, 99);
  reader.RefuseUnknown();
}

void ReadCoefficients(std::map<std::string, Section>& sections, Scale& scale) {
  SectionReader reader(sections, "coefficients");
  NoteAssumed(reader, "coefficients", scale);
  scale.coefficient_classic = reader.Decimal("classic", 0.01, 1);
  scale.coefficient_no_advantage = reader.Decimal("no-advantage", 0.01, 1);
  scale.coefficient_four_games = reader.Decimal("four-games", 0.01, 1);
  scale.coefficient_tie_break_third_set = reader.Decimal("tie-break-third-set", 0.01, 1);
  scale.coefficient_no_let = reader.Decimal("no-let", 0.01, 1);
  reader.RefuseUnknown();
}

Scale Read(std::string_view text) {
  std::map<std::string, Section> sections = SplitSections(text);
  Scale scale;
  {
    SectionReader reader(sections, "scale");
    scale.year = reader.Int("year", 1990, 2200);
    scale.title = reader.Need("title").value;
    reader.RefuseUnknown();
  }
  ReadProcedure(sections, scale);
  ReadPoints(sections, scale);
  ReadEchelonTable(sections, "base", 100, scale.base, scale);
  ReadBands(sections, scale);
  ReadEchelonTable(sections, "norms", 100000, scale.norms, scale);
  ReadWalkovers(sections, scale);
  ReadChampionship(sections, scale);
  ReadNoDefeat(sections, scale);
  ReadDoubles(sections, scale);
  ReadCoefficients(sections, scale);
  for (const auto& [name, section] : sections) {
    static const char* const kKnown[] = {"scale",     "procedure", "points",      "base",
                                         "bands",     "norms",     "walkovers",   "championship",
                                         "no-defeat", "doubles",   "coefficients"};
    if (std::find(std::begin(kKnown), std::end(kKnown), name) == std::end(kKnown)) {
      Refuse(section.line, "unknown section [" + name + "]");
    }
  }
  return scale;
}

}  // namespace

int Scale::Points(int difference) const {
  return points[static_cast<size_t>(std::clamp(difference, -4, 2) + 4)];
}

int Scale::ExtraVictories(int group, double balance) const {
  int extra = 0;
  for (const Band& band : bands) {
    if (balance < band.from) break;
    extra = band.extra[static_cast<size_t>(group)];
  }
  return extra;
}

std::variant<Scale, ScaleRefusal> ParseScale(std::string_view text) {
  try {
    return Read(text);
  } catch (const Refused& refused) {
    return refused.refusal;
  }
}

}  // namespace scorvane::modern
