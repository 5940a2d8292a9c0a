// The players page's plain rules: the cell texts of a line, the orders of
// the sortable columns, the filters and the title, the head-to-head counts,
// the quick search and which selected players a deletion keeps.
#include <gtest/gtest.h>

#include "base/catalogue/messages.h"
#include "pages/players/player_list_rules.h"
#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "records/match.h"
#include "records/owner.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using namespace player_column;
using testing::CoreTest;
using testing::DocumentBuilder;

class PlayerListTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    DocumentBuilder b(Owner());
    b.Season(2001, "30/2");
    open_ = b.Tournament("Open", DATE_SIMPLE(3, 5, 2001));
  }
  PlayerLineContext Context(bool pictures = false) {
    return {2001, 2001, DATE_SIMPLE(15, 6, 2001), true, pictures, &counts_};
  }
  JOUEUR* Player(const std::string& first, const std::string& last, int born,
                 std::vector<std::pair<int, std::string>> rankings = {}) {
    JOUEUR* player = DocumentBuilder(Owner()).Player(first, last, rankings);
    if (born) player->SetBirthDate(DATE_SIMPLE(1, 1, born));
    return player;
  }
  std::vector<std::string> Sorted(std::vector<PlayerLine>& lines, int column, bool ascending) {
    ListColumnModel columns = MakePlayerColumns("Won", "Lost");
    columns.MakePrimary(column);
    columns.SetDirection(ascending);
    std::vector<RowItem> items;
    for (const PlayerLine& line : lines)
      items.emplace_back(&line);
    std::vector<std::string> names;
    for (size_t index : columns.SortedOrder(items, 2001))
      names.push_back(lines[index].player->GetRawLastName());
    return names;
  }

  EPREUVE_JOUEE* open_ = nullptr;
  HeadToHeadCounts counts_;
};

TEST_F(PlayerListTest, CellTexts) {
  JOUEUR* paul = Player("Paul", "Martin", 1965, {{2001, "30/1"}, {2002, "15/5"}});
  paul->SetContact(std::make_unique<INFOS_COMPLEMENT_JOUEUR>());
  paul->Contact()->town = "Lyon";
  paul->Contact()->mobile_phone = "06";
  paul->SetClub(Owner().AddClub(std::make_unique<CLUB>("TC Lyon")));
  JOUEUR* young = Player("Zoé", "Roux", 2003, {{2001, "15/4"}, {2002, "15/4"}});
  counts_[paul] = {3, 1};
  const PlayerLine p = MakePlayerLine(*paul, Context());
  const PlayerLine y = MakePlayerLine(*young, Context());
  const struct {
    const PlayerLine& line;
    int column;
    const char* text;
  } cases[] = {
      {p, kSex, ""},
      {p, kFirstName, "Paul"},
      {p, kBirthYear, "65"},
      {p, kAge, "36"},
      {p, kClub, "TC Lyon"},
      {p, kRank, "30/1"},
      {p, kFutureRank, "15/5"},
      {p, kTown, "Lyon"},
      {p, kMobilePhone, "06"},
      {p, kAddress, ""},
      {p, kWon, "3"},
      {p, kLost, "1"},
      {y, kBirthYear, "3"},
      {y, kAge, ""},         // born after this year
      {y, kFutureRank, ""},  // unchanged next year
      {y, kTown, ""},
      {y, kClub, ""},
      {y, kWon, "0"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PlayerCellText(c.line, c.column, Context()), c.text) << c.column;
  // A French grade shown by its picture has no text; other systems keep it.
  EXPECT_EQ(PlayerCellText(p, kRank, Context(true)), "");
  Registry().SetActive(&Registry().Belgian());
  EXPECT_EQ(PlayerCellText(MakePlayerLine(*paul, Context(true)), kRank, Context(true)), "15.2");
}

TEST_F(PlayerListTest, RankingsUnderADatedSystemAreTodays) {
  Registry().SetActive(Registry().FindBuiltIn("ATP"));
  JOUEUR* player = Player("A", "B", 0, {{2001, "150"}});
  player->History().Add(CLASSEMENT(120), DATE_SIMPLE(1, 6, 2001), "");
  PlayerLineContext context = Context();
  context.yearly = false;
  EXPECT_EQ(PlayerCellText(MakePlayerLine(*player, context), kRank, context), "120");
}

TEST_F(PlayerListTest, SortableColumnsOrderTheLines) {
  JOUEUR* a = Player("Eve", "A", 1960, {{2001, "15/4"}});
  JOUEUR* b = Player("Bob", "B", 0, {{2001, "NC"}, {2002, "30/5"}});
  JOUEUR* c = Player("Cid", "C", 1990, {});
  b->SetSex(JOUEUR::kWoman);
  a->SetClub(Owner().AddClub(std::make_unique<CLUB>("Zeta")));
  c->SetClub(Owner().AddClub(std::make_unique<CLUB>("alpha")));
  counts_[a] = {2, 0};
  counts_[c] = {5, 3};
  std::vector<PlayerLine> lines;
  for (JOUEUR* player : {c, b, a})
    lines.push_back(MakePlayerLine(*player, Context()));
  using Names = std::vector<std::string>;
  const struct {
    int column;
    bool ascending;
    Names order;
  } cases[] = {
      {kSurname, true, {"A", "B", "C"}},     {kSurname, false, {"C", "B", "A"}},
      {kFirstName, true, {"B", "C", "A"}},   {kSex, true, {"A", "C", "B"}},  // men first
      {kBirthYear, true, {"B", "A", "C"}},   {kAge, false, {"A", "C", "B"}},
      {kClub, true, {"C", "A", "B"}},  // no club last, case ignored
      {kRank, true, {"C", "B", "A"}},  // none, then the weakest
      {kFutureRank, false, {"B", "A", "C"}}, {kWon, false, {"C", "A", "B"}},
      {kLost, true, {"A", "B", "C"}},
  };
  for (const auto& c_ : cases)
    EXPECT_EQ(Sorted(lines, c_.column, c_.ascending), c_.order) << c_.column << c_.ascending;
  // The count, licence, contact and comment columns are not sort keys.
  ListColumnModel columns = MakePlayerColumns("Won", "Lost");
  for (int column : {kCount, kLicence, kAddress, kComment})
    EXPECT_FALSE(columns.MakePrimary(column)) << column;
}

TEST_F(PlayerListTest, FiltersAndTitle) {
  DocumentBuilder b(Owner());
  JOUEUR* met = Player("Met", "Here", 0);
  JOUEUR* partner = Player("Partner", "Too", 0);
  JOUEUR* contact = Player("Only", "Contact", 0);
  contact->SetContact(std::make_unique<INFOS_COMPLEMENT_JOUEUR>());
  JOUEUR* ghost = Player("Ghost", "X", 0);
  ghost->SetAnonymous(true);
  b.Doubles(open_, partner, met, ghost, true, "6/4 6/4");
  CLUB* club = Owner().AddClub(std::make_unique<CLUB>("Club"));
  met->SetClub(club);

  const auto names = [this](PlayerListFilter filter) {
    std::vector<std::string> listed;
    for (const JOUEUR* player : ListedPlayers(Owner(), filter))
      listed.push_back(player->GetRawLastName());
    return listed;
  };
  using Names = std::vector<std::string>;
  EXPECT_EQ(names({}), (Names{"Contact", "Too", "Here"}));  // the document's order
  EXPECT_EQ(names({false, true, false, nullptr}), (Names{"Too", "Here"}));
  EXPECT_EQ(names({true, false, false, nullptr}), (Names{"Contact"}));
  EXPECT_EQ(names({false, false, true, nullptr}), names({}));  // no club chosen
  EXPECT_EQ(names({false, false, true, club}), (Names{"Here"}));
  EXPECT_EQ(NamedPlayerCount(Owner()), 3);
  EXPECT_EQ(PlayersTitle(1, 3), "Players  ( 1 / 3 )");
  SetLanguage(kLanguageFrench);
  EXPECT_EQ(PlayersTitle(1, 3), "Liste des joueurs  ( 1 / 3 )");
}

TEST_F(PlayerListTest, HeadToHeadCountsOpponentsOnly) {
  DocumentBuilder b(Owner());
  JOUEUR* rival = Player("R", "Rival", 0);
  JOUEUR* partner = Player("P", "Partner", 0);
  b.Singles(open_, rival, true, "6/4 6/4");
  b.Singles(open_, rival, false, "4/6 4/6");
  b.Doubles(open_, partner, rival, rival, true, "6/4 6/4");  // twice on one side: once
  b.Doubles(open_, rival, partner, nullptr, false, "4/6 4/6");
  const HeadToHeadCounts counts = CountHeadToHead(Owner());
  EXPECT_EQ(counts.at(rival).won, 2);
  EXPECT_EQ(counts.at(rival).lost, 1);
  EXPECT_EQ(counts.at(partner).won, 0);
  EXPECT_EQ(counts.at(partner).lost, 1);
}

TEST_F(PlayerListTest, QuickSearchComparesBeginningsWithoutCaseOrAccents) {
  std::vector<PlayerLine> lines;
  for (JOUEUR* player : {Player("Éric", "Durand", 0), Player("eve", "Dupont", 0)})
    lines.push_back(MakePlayerLine(*player, Context()));
  const std::vector<const PlayerLine*> shown = {&lines[0], &lines[1]};
  const struct {
    PlayerNameColumn column;
    const char* text;
    int line;
  } cases[] = {
      {PlayerNameColumn::kSurname, "du", 0},       {PlayerNameColumn::kSurname, "DUP", 1},
      {PlayerNameColumn::kFirstName, "é", 0},      {PlayerNameColumn::kFirstName, "E", 0},
      {PlayerNameColumn::kFirstName, "ev", 1},     {PlayerNameColumn::kFirstName, "ÉV", 1},
      {PlayerNameColumn::kFirstName, "eri", 0},    {PlayerNameColumn::kSurname, "", 0},
      {PlayerNameColumn::kSurname, "Durandx", -1}, {PlayerNameColumn::kSurname, "%s", -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FindLineByPrefix(shown, c.column, c.text), c.line) << c.text;
  EXPECT_EQ(FindLineByPrefix({}, PlayerNameColumn::kSurname, ""), -1);
}

TEST_F(PlayerListTest, DeletionKeepsPlayersOfMatchesAndAsksForOneOnly) {
  JOUEUR* played = Player("Paul", "Martin", 0);
  JOUEUR* she = Player("Anne", "Roux", 0);
  she->SetSex(JOUEUR::kWoman);
  JOUEUR* unused = Player("Free", "Man", 0);
  DocumentBuilder(Owner()).Singles(open_, played, true, "6/4 6/4");
  DocumentBuilder(Owner()).Singles(open_, she, true, "6/4 6/4");
  const PlayerDeletion mixed = PlanPlayerDeletion(Owner(), {played, unused, she});
  EXPECT_EQ(mixed.refused, (std::vector<JOUEUR*>{played, she}));
  EXPECT_EQ(mixed.deleted, std::vector<JOUEUR*>{unused});
  EXPECT_FALSE(mixed.ask);
  EXPECT_TRUE(PlanPlayerDeletion(Owner(), {unused}).ask);
  EXPECT_EQ(RefusedDeletionText(*played),
            "Cannot destroy player Paul Martin, he is implicated in matches!");
  EXPECT_EQ(RefusedDeletionText(*she),
            "Cannot destroy player Anne Roux, she is implicated in matches!");
}

}  // namespace
}  // namespace scorvane
