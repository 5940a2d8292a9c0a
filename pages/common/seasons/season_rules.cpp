#include "pages/common/seasons/season_rules.h"

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "base/user_prompt.h"
#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "records/palmares.h"
#include "records/season.h"

namespace scorvane {
namespace {

// Sets every ask flag again when the deletion ends, however it ends.
class AskFlagsRestorer {
 public:
  explicit AskFlagsRestorer(UTILISATEUR& owner) : owner_(owner) {}
  ~AskFlagsRestorer() { owner_.ResetDeletionAskFlags(); }
  AskFlagsRestorer(const AskFlagsRestorer&) = delete;
  AskFlagsRestorer& operator=(const AskFlagsRestorer&) = delete;

 private:
  UTILISATEUR& owner_;
};

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

}  // namespace

bool YearFitsMode(const UTILISATEUR& owner, int year, SeasonDialogMode mode) {
  return owner.HasSeason(year) == (mode == SeasonDialogMode::kChange);
}

int NextFittingYear(const UTILISATEUR& owner, int year, int step, SeasonDialogMode mode) {
  if (step == 0) return year;
  const int direction = step > 0 ? 1 : -1;
  for (int candidate = year + direction;
       direction > 0 ? candidate <= kLastSteppedYear : candidate >= kFirstSteppedYear;
       candidate += direction) {
    if (YearFitsMode(owner, candidate, mode)) return candidate;
  }
  return year;
}

CLASSEMENT OwnerRankingForYear(const UTILISATEUR& owner, int year) {
  if (owner.History().IsEmpty()) return CLASSEMENT::Worst();
  return owner.History().RankingForYear(year);
}

std::optional<NewSeasonProposal> ProposeNewSeason(const UTILISATEUR& owner, int passed_year,
                                                  int current_year) {
  NewSeasonProposal proposal;
  if (const SAISON_JOUEUR* latest = owner.GetLatestSeason()) {
    const int latest_year = latest->Year();
    proposal.ranking = OwnerRankingForYear(owner, latest_year);
    if (latest_year < kLastSteppedYear) {
      proposal.year = latest_year + 1;
    } else {
      // No year after the latest one may be stepped to: take the nearest
      // free year below it instead.
      for (int year = kLastSteppedYear; year >= kFirstSteppedYear && proposal.year == 0; --year) {
        if (!owner.HasSeason(year)) proposal.year = year;
      }
    }
  } else {
    proposal.year = ANNEE::Clamp(current_year);
    proposal.ranking = CLASSEMENT::Worst();
  }
  if (passed_year != 0) {
    const int passed = ANNEE::Clamp(passed_year);
    if (!owner.HasSeason(passed)) proposal.year = passed;
  }
  if (proposal.year == 0) return std::nullopt;
  return proposal;
}

std::optional<int> SeasonYearToChange(const UTILISATEUR& owner, int passed_year) {
  int year = passed_year;
  if (year == 0) {
    const SAISON_JOUEUR* active = owner.GetActiveSeason();
    if (!active) return std::nullopt;
    year = active->Year();
  }
  if (!owner.HasSeason(year)) return std::nullopt;
  return year;
}

void StoreSeason(PROJECT_DOC& document, int year, const CLASSEMENT& ranking,
                 const std::string& comment) {
  const int season_year = ANNEE::Clamp(year);
  UTILISATEUR& owner = document.Owner();
  document.BeginUpdate();
  SAISON_JOUEUR* season = owner.AddSeason(season_year);
  // A value the system does not know would make the document unreadable:
  // the history only ever receives a real ranking.
  if (ActiveSystem().IsYearly() && ActiveSystem().IsValid(ranking.Value()))
    owner.History().Add(ranking, DATE_SIMPLE(1, 1, season_year), "");
  season->SetComment(comment);
  document.MarkModified();
  document.EndUpdate();
}

std::string CommentForEditing(const std::string& stored) {
  return ReplaceAll(stored, "\r\n", "\n");
}

std::string CommentAfterEditing(const std::string& stored, const std::string& edited) {
  const std::string plain = CommentForEditing(edited);
  if (plain == CommentForEditing(stored)) return stored;
  return ReplaceAll(plain, "\n", "\r\n");
}

int RetainedMatchCount(const SAISON_JOUEUR& season) {
  return season.Palmares() ? season.Palmares()->Matches().Count() : 0;
}

std::string DeleteSeasonQuestion(const SAISON_JOUEUR& season) {
  const int matches = RetainedMatchCount(season);
  std::string question = FormatText(Msg(106), {season.Year()});
  question += matches > 0 ? FormatText(Msg(107), {matches}) : std::string(Msg(108));
  return question + " ?";
}

SeasonDeletion DeleteActiveSeason(PROJECT_DOC& document) {
  UTILISATEUR& owner = document.Owner();
  if (owner.Seasons().Count() <= 1) return SeasonDeletion::kKeepOneSeason;
  SAISON_JOUEUR* season = owner.GetActiveSeason();
  if (!AskYesNo(DeleteSeasonQuestion(*season))) return SeasonDeletion::kDeclined;
  if (RetainedMatchCount(*season) > 0 && !AskYesNo(Msg(109))) return SeasonDeletion::kDeclined;

  AskFlagsRestorer restore_flags(owner);
  owner.DeletionAskFlags().matches = false;
  owner.DeletionAskFlags().players = true;
  document.BeginUpdate();
  owner.DeleteSeason(season);
  document.EndUpdate();
  return SeasonDeletion::kDeleted;
}

}  // namespace scorvane
