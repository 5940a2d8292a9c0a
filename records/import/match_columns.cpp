#include "records/import/match_columns.h"

#include <string_view>

#include "records/import/name_key.h"

namespace scorvane {
namespace {

struct Heading {
  std::string_view key;  // as NameKey writes it
  MatchColumn column;
};

// English and French names of each column, without accents, in upper case.
constexpr Heading kHeadings[] = {
    {"DATE", MatchColumn::kDate},
    {"EVENT", MatchColumn::kEvent},
    {"EPREUVE", MatchColumn::kEvent},
    {"TOURNAMENT", MatchColumn::kEvent},
    {"TOURNOI", MatchColumn::kEvent},
    {"FIRST NAME", MatchColumn::kFirstName},
    {"FIRSTNAME", MatchColumn::kFirstName},
    {"PRENOM", MatchColumn::kFirstName},
    {"SURNAME", MatchColumn::kSurname},
    {"LAST NAME", MatchColumn::kSurname},
    {"NAME", MatchColumn::kSurname},
    {"NOM", MatchColumn::kSurname},
    {"LICENCE", MatchColumn::kLicence},
    {"LICENSE", MatchColumn::kLicence},
    {"RANK", MatchColumn::kRanking},
    {"RANKING", MatchColumn::kRanking},
    {"CLST", MatchColumn::kRanking},
    {"CLASSEMENT", MatchColumn::kRanking},
    {"FUTURE RANK", MatchColumn::kFutureRanking},
    {"FUTURE RANKING", MatchColumn::kFutureRanking},
    {"CLST FUTUR", MatchColumn::kFutureRanking},
    {"CLASSEMENT FUTUR", MatchColumn::kFutureRanking},
    {"RESULT", MatchColumn::kResult},
    {"RESULTAT", MatchColumn::kResult},
    {"SCORE", MatchColumn::kScore},
    {"SURFACE", MatchColumn::kSurface},
    {"PLACE", MatchColumn::kPlace},
    {"LIEU", MatchColumn::kPlace},
    {"PARTNER", MatchColumn::kPartner},
    {"PARTENAIRE", MatchColumn::kPartner},
    {"PARTNER FIRST NAME", MatchColumn::kPartnerFirstName},
    {"PRENOM PARTENAIRE", MatchColumn::kPartnerFirstName},
    {"PARTNER SURNAME", MatchColumn::kPartnerSurname},
    {"NOM PARTENAIRE", MatchColumn::kPartnerSurname},
    {"SECOND OPPONENT", MatchColumn::kSecondOpponent},
    {"ADVERSAIRE 2", MatchColumn::kSecondOpponent},
    {"SECOND ADVERSAIRE", MatchColumn::kSecondOpponent},
    {"SECOND OPPONENT FIRST NAME", MatchColumn::kSecondFirstName},
    {"PRENOM ADVERSAIRE 2", MatchColumn::kSecondFirstName},
    {"SECOND OPPONENT SURNAME", MatchColumn::kSecondSurname},
    {"NOM ADVERSAIRE 2", MatchColumn::kSecondSurname},
    {"SECOND OPPONENT RANKING", MatchColumn::kSecondRanking},
    {"CLASSEMENT ADVERSAIRE 2", MatchColumn::kSecondRanking},
    {"COMMENT", MatchColumn::kComments},
    {"COMMENTS", MatchColumn::kComments},
    {"COMMENTAIRE", MatchColumn::kComments},
    {"COMMENTAIRES", MatchColumn::kComments},
    {"COUNT", MatchColumn::kCount},
    {"NO", MatchColumn::kCount},
    {"N", MatchColumn::kCount},
    {"#", MatchColumn::kCount},
};

std::optional<MatchColumn> ColumnOfHeading(const std::string& heading) {
  std::string key = NameKey(heading);
  // "N°", "Nº" and "No." name the line number too; "First-name" a first name.
  for (const std::string_view drop : {"\xB0", "\xBA", "."}) {
    if (key.size() > drop.size() && key.compare(key.size() - drop.size(), drop.size(), drop) == 0)
      key.resize(key.size() - drop.size());
  }
  for (char& c : key) {
    if (c == '-' || c == '_') c = ' ';
  }
  for (const Heading& known : kHeadings) {
    if (known.key == key) return known.column;
  }
  return std::nullopt;
}

}  // namespace

const std::string& MatchColumns::Cell(const std::vector<std::string>& row,
                                      MatchColumn column) const {
  static const std::string kNone;
  const std::optional<size_t>& at = index[static_cast<size_t>(column)];
  return at && *at < row.size() ? row[*at] : kNone;
}

std::optional<MatchColumns> FindMatchColumns(const std::vector<std::string>& headings,
                                             std::string* error) {
  MatchColumns columns;
  bool any = false;
  for (size_t i = 0; i < headings.size(); ++i) {
    const std::optional<MatchColumn> column = ColumnOfHeading(headings[i]);
    if (!column) {
      if (headings[i].find_first_not_of(' ') != std::string::npos)
        columns.ignored.push_back(headings[i]);
      continue;
    }
    any = true;
    std::optional<size_t>& at = columns.index[static_cast<size_t>(*column)];
    if (!at) at = i;
  }
  const auto refuse = [error](std::string message) {
    if (error) *error = std::move(message);
    return std::nullopt;
  };
  if (!any) {
    return refuse(
        "The first line names no known column: it should hold headings such as Date, Event, "
        "First name, Surname, Ranking, Result, Score (or Date, Épreuve, Prénom, Nom, "
        "Classement, Résultat, Score).");
  }
  if (!columns.Has(MatchColumn::kDate)) return refuse("The file has no Date column.");
  if (!columns.Has(MatchColumn::kResult)) return refuse("The file has no Result column.");
  if (!columns.Has(MatchColumn::kSurname) && !columns.Has(MatchColumn::kFirstName))
    return refuse("The file has no Surname or First name column for the opponent.");
  return columns;
}

}  // namespace scorvane
