// Describes a document field by field for record-by-record comparisons.
#include "tests/support/document_dump.h"

#include <bit>
#include <sstream>

#include "ranking/ranking_registry.h"
#include "records/palmares.h"
#include "records/season.h"

namespace scorvane::testing {
namespace {

template <class T>
int PositionOf(const List<T*>& list, const T* record) {
  int position = 0;
  for (const T* item : list) {
    if (item == record) return position;
    ++position;
  }
  return record ? -2 : -1;  // -2: a record outside the list
}

class Dumper {
 public:
  explicit Dumper(const UTILISATEUR& owner) : owner_(owner) {
    owner.ForEachMatch(
        [this](const RENCONTRE* match) { matches_.Append(const_cast<RENCONTRE*>(match)); });
    for (EPREUVE* event : owner.Events()) {
      for (EPREUVE_JOUEE* played : event->Played())
        played_.Append(played);
    }
  }

  std::string Run() {
    out_ << "system " << ActiveSystem().Title() << "\n";
    Player("owner", owner_);
    for (const EPREUVE* event : owner_.Events()) {
      out_ << "event " << event->Name() << "|" << event->Homologation() << "|" << event->Type()
           << "|" << event->AgeCategory() << "|" << event->IsCorporate() << "|"
           << event->IsFriendlyGroup() << "\n";
      for (const EPREUVE_JOUEE* played : event->Played())
        Played(*played);
    }
    for (const SURFACE* surface : owner_.Surfaces())
      out_ << "surface " << surface->Name() << "\n";
    for (const CLUB* club : owner_.Clubs()) {
      out_ << "club " << club->Name() << "|" << club->SecondText() << "|" << club->Phone() << "|"
           << club->Address() << "|" << club->Code() << "\n";
    }
    for (const JOUEUR* player : owner_.Players())
      Player("player", *player);
    for (const CATEGORIE_FINANCIERE* category : owner_.Categories())
      out_ << "category " << category->Kind() << "|" << category->Name() << "\n";
    return out_.str();
  }

 private:
  void Date(const DATE_SIMPLE& date) {
    out_ << date.Day() << "." << date.Month() << "." << date.Year() << "|";
  }
  void Amount(const SOMME& amount) { out_ << std::bit_cast<uint32_t>(amount.Get()) << "|"; }

  void Player(const char* what, const JOUEUR& p) {
    out_ << what << " " << p.GetRawLastName() << "|" << p.GetRawFirstName() << "|";
    Date(p.BirthDate());
    out_ << p.Sex() << "|" << p.Licence() << "|" << p.Comment() << "|" << p.StrongPoints() << "|"
         << p.WeakPoints() << "|" << p.PhotoPath() << "|" << p.IsLeftHanded() << "|"
         << p.IsAnonymous() << "|club " << PositionOf(owner_.Clubs(), p.Club()) << "\n";
    if (const INFOS_COMPLEMENT_JOUEUR* c = p.Contact()) {
      out_ << " contact " << c->address << "|" << c->town << "|" << c->home_phone << "|"
           << c->work_phone << "|" << c->mobile_phone << "|" << c->email << "\n";
    }
    for (const CLASSEMENT_DATE* entry : p.History().Entries()) {
      out_ << " ranking " << entry->Ranking().Value() << "|" << entry->Note() << "|";
      Date(entry->Date());
      out_ << "\n";
    }
    for (const SAISON_JOUEUR* season : p.Seasons()) {
      out_ << " season " << season->Year() << "|" << season->Comment() << "\n";
      for (const auto* list : {&season->Finances().Gains(), &season->Finances().Expenses()}) {
        out_ << "  operations\n";
        for (const OPERATION_FINANCIERE* op : *list) {
          out_ << "   ";
          Amount(op->Amount());
          Date(op->Date());
          out_ << op->Payee() << "|" << op->Purpose() << "|"
               << PositionOf(owner_.Categories(), op->Category()) << "\n";
        }
      }
      if (const PALMARES* palmares = season->Palmares()) {
        out_ << "  palmares";
        for (const RENCONTRE* match : palmares->Matches())
          out_ << " m" << PositionOf(matches_, match)
               << (match->GetPalmares() == palmares ? "" : "!");
        for (const EPREUVE_JOUEE* played : palmares->PlayedEvents())
          out_ << " p" << PositionOf(played_, played);
        out_ << "\n";
      }
    }
  }

  void Played(const EPREUVE_JOUEE& played) {
    out_ << " played ";
    Date(played.StartDate());
    Date(played.EndDate());
    Amount(played.EntryFee());
    Amount(played.TravelExpenses());
    Amount(played.PrizeMoney());
    out_ << played.ReservedText1() << "|" << played.ReservedText2() << "|" << played.Comments()
         << "|" << played.Prizes() << "|" << played.IsWon() << "|" << played.BestRanking().Value()
         << "\n";
    for (const RENCONTRE* match : played.Matches())
      Match(*match, played);
  }

  void Match(const RENCONTRE& m, const EPREUVE_JOUEE& played) {
    out_ << "  match " << (m.GetPlayedEvent() == &played) << "|" << m.IsSingles() << "|";
    Date(m.GetDate());
    out_ << m.Place() << "|" << m.Comment() << "|" << m.StrongPoints() << "|" << m.WeakPoints()
         << "|" << m.IndoorCode() << "|surface " << PositionOf(owner_.Surfaces(), m.GetSurface());
    const RESULTAT_RENCONTRE& r = m.Result();
    out_ << "|" << r.Outcome() << "|" << r.ScoreText() << "|" << r.Walkover() << "|"
         << r.IsRetirement() << r.IsNoAdvantage() << r.IsFourGames() << r.IsTieBreakThirdSet()
         << r.IsNoLet() << "|sets " << r.CountSets(0) << "/" << r.CountGames(1) << "/"
         << r.CountGames(2) << "|players";
    if (m.IsSingles()) {
      out_ << " "
           << PositionOf(owner_.Players(), static_cast<const RENCONTRE_SIMPLE&>(m).Opponent());
    } else {
      const auto& d = static_cast<const RENCONTRE_DOUBLE&>(m);
      for (const JOUEUR* p : {d.Partner(), d.FirstOpponent(), d.SecondOpponent()})
        out_ << " " << PositionOf(owner_.Players(), p);
    }
    out_ << "\n";
  }

  const UTILISATEUR& owner_;
  List<RENCONTRE*> matches_;
  List<EPREUVE_JOUEE*> played_;
  std::ostringstream out_;
};

}  // namespace

std::string DescribeDocument(const PROJECT_DOC& document) {
  return Dumper(document.Owner()).Run();
}

}  // namespace scorvane::testing
