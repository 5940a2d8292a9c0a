#include "records/import/match_line.h"

#include <charconv>
#include <string_view>

#include "ranking/ranking_system.h"
#include "records/entry_text.h"
#include "records/import/name_key.h"
#include "records/match_entry.h"
#include "records/score_text.h"

namespace scorvane {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

// Day, month and year of a date text, in whichever order it is written;
// the year may have any number of digits so that a wrong one can be named.
struct DateParts {
  int day = 0, month = 0;
  long long year = 0;
};

std::optional<DateParts> SplitDate(const std::string& text) {
  std::vector<std::string_view> parts;
  std::string_view rest(text);
  size_t start = 0;
  for (size_t i = 0; i <= rest.size(); ++i) {
    if (i == rest.size() || rest[i] == '/' || rest[i] == '-' || rest[i] == '.') {
      parts.push_back(rest.substr(start, i - start));
      start = i + 1;
    } else if (!IsDigit(rest[i])) {
      return std::nullopt;
    }
  }
  if (parts.size() != 3) return std::nullopt;
  long long numbers[3] = {};
  for (size_t i = 0; i < 3; ++i) {
    if (parts[i].empty() || parts[i].size() > 9) return std::nullopt;
    std::from_chars(parts[i].data(), parts[i].data() + parts[i].size(), numbers[i]);
  }
  // yyyy-mm-dd when the first part has more than two digits, else dd/mm/yyyy.
  const bool year_first = parts[0].size() > 2;
  if (!year_first && parts[2].size() < 3) return std::nullopt;
  const long long day = year_first ? numbers[2] : numbers[0];
  const long long month = numbers[1];
  if (day < 1 || day > 31 || month < 1 || month > 12) return std::nullopt;
  return DateParts{static_cast<int>(day), static_cast<int>(month),
                   year_first ? numbers[0] : numbers[2]};
}

std::string Trimmed(const std::string& text) {
  return OneLineText(text);
}

// "First Last" split at its first blank.
void SplitFullName(const std::string& text, ImportedPlayer& player) {
  const std::string name = Trimmed(text);
  const size_t blank = name.find(' ');
  player.first_name = blank == std::string::npos ? std::string() : name.substr(0, blank);
  player.surname = blank == std::string::npos ? name : Trimmed(name.substr(blank + 1));
}

// "A / B" as the program's own list joins the two opponents of a doubles.
std::pair<std::string, std::string> SplitPair(const std::string& text) {
  const size_t slash = text.find(" / ");
  if (slash == std::string::npos) return {text, {}};
  return {text.substr(0, slash), text.substr(slash + 3)};
}

// A score with its retirement mark ("res." or "ab.") removed; true when it had one.
bool TakeRetirement(std::string& score) {
  for (const std::string_view mark : {"res.", "ab.", "ret.", "abandon"}) {
    if (score.size() < mark.size()) continue;
    const std::string tail = score.substr(score.size() - mark.size());
    if (NameKey(tail) != NameKey(std::string(mark))) continue;
    const size_t before = score.size() - mark.size();
    if (before > 0 && score[before - 1] != ' ') continue;
    score = Trimmed(score.substr(0, before));
    return true;
  }
  return false;
}

class LineReader {
 public:
  LineReader(const std::vector<std::string>& row, size_t line, const MatchColumns& columns,
             const SYSTEME_CLASSEMENT& system)
      : row_(row), columns_(columns), system_(system) {
    match_.line = line;
  }

  LineReading Read() {
    if (!ReadDate() || !ReadResult() || !ReadScore() || !ReadPlayers())
      return {std::nullopt, refusal_};
    match_.event = Trimmed(Cell(MatchColumn::kEvent));
    match_.surface = Trimmed(Cell(MatchColumn::kSurface));
    match_.place = Trimmed(Cell(MatchColumn::kPlace));
    match_.comments = MultiLineText(Cell(MatchColumn::kComments));
    return {std::move(match_), {}};
  }

 private:
  const std::string& Cell(MatchColumn column) const { return columns_.Cell(row_, column); }

  bool Refuse(std::string reason) {
    refusal_ = "line " + std::to_string(match_.line) + ": " + std::move(reason);
    return false;
  }

  bool ReadDate() {
    const std::string text = Trimmed(Cell(MatchColumn::kDate));
    if (text.empty()) return Refuse("the date is missing.");
    const std::optional<DateParts> parts = SplitDate(text);
    if (!parts)
      return Refuse("the date " + Quoted(text) + " is not written dd/mm/yyyy or yyyy-mm-dd.");
    if (parts->year < ANNEE::kMin || parts->year > ANNEE::kMax) {
      return Refuse("the date " + Quoted(text) + " is not between the years 1900 and 2100.");
    }
    const DATE_SIMPLE date(parts->day, parts->month, static_cast<int>(parts->year));
    if (!date.IsValidCalendarDate()) return Refuse("the date " + Quoted(text) + " does not exist.");
    match_.date = date;
    return true;
  }

  bool ReadResult() {
    const std::string text = Trimmed(Cell(MatchColumn::kResult));
    const std::optional<bool> won = ReadImportResult(text);
    if (!won)
      return Refuse("the result " + Quoted(text) + " is neither won (W, V) nor lost (L, D).");
    match_.won = *won;
    return true;
  }

  bool ReadScore() {
    std::string score = Trimmed(Cell(MatchColumn::kScore));
    match_.retirement = TakeRetirement(score);
    match_.walkover = WalkoverOfScore(score) != 0;
    match_.score = ScoreWithSlashes(score);
    if (!IsScoreWellWritten(match_.score)) {
      return Refuse("the score " + Quoted(score) + " cannot be read; write it as 6/4 3/6 7/5.");
    }
    return true;
  }

  bool ReadRanking(const std::string& text, CLASSEMENT& ranking) {
    const std::optional<CLASSEMENT> read = ReadImportRanking(text, system_);
    if (!read) {
      return Refuse("the ranking " + Quoted(Trimmed(text)) + " is not a ranking of the " +
                    system_.Title() + " system.");
    }
    ranking = *read;
    return true;
  }

  bool ReadPlayers() {
    ImportedPlayer& first = match_.opponent;
    ImportedPlayer& second = match_.second_opponent;
    const auto [first_names1, first_names2] = SplitPair(Cell(MatchColumn::kFirstName));
    const auto [surnames1, surnames2] = SplitPair(Cell(MatchColumn::kSurname));
    first.first_name = Trimmed(first_names1);
    first.surname = Trimmed(surnames1);
    first.licence = Trimmed(Cell(MatchColumn::kLicence));
    second.first_name = Trimmed(first_names2);
    second.surname = Trimmed(surnames2);
    std::string ranking1 = Cell(MatchColumn::kRanking);
    std::string ranking2 = Cell(MatchColumn::kSecondRanking);
    auto [future1, future2] = SplitPair(Cell(MatchColumn::kFutureRanking));

    const bool pair_in_cells = second.IsNamed();
    if (pair_in_cells && ranking2.empty()) {
      // The list joins both opponents' rankings with one blank.
      const size_t blank = ranking1.find(' ');
      if (blank != std::string::npos) {
        ranking2 = ranking1.substr(blank + 1);
        ranking1.resize(blank);
      }
    }
    if (!pair_in_cells) {
      if (columns_.Has(MatchColumn::kSecondOpponent)) {
        SplitFullName(Cell(MatchColumn::kSecondOpponent), second);
      } else {
        second.first_name = Trimmed(Cell(MatchColumn::kSecondFirstName));
        second.surname = Trimmed(Cell(MatchColumn::kSecondSurname));
      }
    }
    if (columns_.Has(MatchColumn::kPartner)) {
      SplitFullName(Cell(MatchColumn::kPartner), match_.partner);
    } else {
      match_.partner.first_name = Trimmed(Cell(MatchColumn::kPartnerFirstName));
      match_.partner.surname = Trimmed(Cell(MatchColumn::kPartnerSurname));
    }
    match_.doubles = second.IsNamed() || match_.partner.IsNamed();
    if (!first.IsNamed()) return Refuse("the opponent has no name.");
    if (match_.doubles && !second.IsNamed()) return Refuse("the doubles has no second opponent.");
    return ReadRanking(ranking1, first.ranking) && ReadRanking(ranking2, second.ranking) &&
           ReadRanking(future1, first.future_ranking) &&
           ReadRanking(future2, second.future_ranking);
  }

  const std::vector<std::string>& row_;
  const MatchColumns& columns_;
  const SYSTEME_CLASSEMENT& system_;
  ImportedMatch match_;
  std::string refusal_;
};

}  // namespace

LineReading ReadMatchLine(const std::vector<std::string>& row, size_t line,
                          const MatchColumns& columns, const SYSTEME_CLASSEMENT& system) {
  return LineReader(row, line, columns, system).Read();
}

std::optional<DATE_SIMPLE> ReadImportDate(const std::string& text) {
  const std::optional<DateParts> parts = SplitDate(Trimmed(text));
  if (!parts || parts->year < ANNEE::kMin || parts->year > ANNEE::kMax) return std::nullopt;
  const DATE_SIMPLE date(parts->day, parts->month, static_cast<int>(parts->year));
  if (!date.IsValidCalendarDate()) return std::nullopt;
  return date;
}

std::optional<bool> ReadImportResult(const std::string& text) {
  const std::string key = NameKey(text);
  for (const char* won : {"W", "V", "WON", "WIN", "VICTORY", "VICTOIRE", "GAGNE", "1"}) {
    if (key == won) return true;
  }
  for (const char* lost : {"L", "D", "LOST", "LOSS", "DEFEAT", "DEFAITE", "PERDU", "0"}) {
    if (key == lost) return false;
  }
  return std::nullopt;
}

std::optional<CLASSEMENT> ReadImportRanking(const std::string& text,
                                            const SYSTEME_CLASSEMENT& system) {
  const std::string trimmed = Trimmed(text);
  if (trimmed.empty()) return CLASSEMENT();
  if (system.HasGrades()) {
    const int32_t exact = system.IndexOfGrade(trimmed);
    if (exact >= 0) return CLASSEMENT(exact);
    const std::string key = NameKey(trimmed);
    for (int i = 0; i < system.GradeCount(); ++i) {
      if (NameKey(system.GradeName(i)) == key)
        return CLASSEMENT(system.IndexOfGrade(system.GradeName(i)));
    }
    return std::nullopt;
  }
  int32_t value = 0;
  const char* end = trimmed.data() + trimmed.size();
  const auto [stop, code] = std::from_chars(trimmed.data(), end, value);
  if (code != std::errc() || stop != end || !system.IsValid(value)) return std::nullopt;
  return CLASSEMENT(value);
}

}  // namespace scorvane
