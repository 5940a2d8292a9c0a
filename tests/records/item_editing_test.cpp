// Guards the item editor's working list and the step that applies it to the
// document: renames in place, deletions only of unused records, creations
// at the right end of each list, and nothing at all before that step.
#include "records/item_editing.h"

#include <gtest/gtest.h>

#include "base/catalogue/messages.h"
#include "records/palmares.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::DocumentBuilder;

// The names of the owner's records of a kind, in list order.
std::vector<std::string> Names(const UTILISATEUR& owner, ItemKind kind) {
  std::vector<std::string> names;
  auto collect = [&names](const auto& list) {
    for (const auto* record : list)
      names.push_back(record->Name());
  };
  switch (kind) {
    case ItemKind::kSurfaces:
      collect(owner.Surfaces());
      break;
    case ItemKind::kEvents:
      collect(owner.Events());
      break;
    case ItemKind::kClubs:
      collect(owner.Clubs());
      break;
    case ItemKind::kCategories:
      collect(owner.Categories());
      break;
  }
  return names;
}

using Names3 = std::vector<std::string>;

class ItemEditingTest : public CoreTest {
 protected:
  // Three records "Alpha", "Beta", "Gamma" of the kind, in that list order;
  // with `use_alpha` the first is referenced the way that kind is used.
  std::vector<CObject*> MakeRecords(ItemKind kind, bool use_alpha) {
    DocumentBuilder builder(Owner());
    SAISON_JOUEUR* season = builder.Season(2001, "30/1");
    std::vector<CObject*> records;
    for (const char* name : {"Gamma", "Beta", "Alpha"}) {
      switch (kind) {
        case ItemKind::kSurfaces:
          records.insert(records.begin(), Owner().AddSurface(std::make_unique<SURFACE>(name)));
          break;
        case ItemKind::kEvents:
          records.insert(records.begin(), Owner().AddEvent(std::make_unique<EPREUVE>(name)));
          break;
        case ItemKind::kClubs:
          records.insert(records.begin(), Owner().AddClub(std::make_unique<CLUB>(name)));
          break;
        case ItemKind::kCategories:
          records.insert(records.begin(),
                         Owner().AddCategory(std::make_unique<CATEGORIE_FINANCIERE>(name)));
          break;
      }
    }
    if (!use_alpha) return records;
    switch (kind) {
      case ItemKind::kSurfaces: {
        EPREUVE_JOUEE* played = builder.Tournament("Open", DATE_SIMPLE(3, 5, 2001));
        builder.Singles(played, builder.Player("Paul", "Martin"), true, "6/4 6/3")
            ->SetSurface(static_cast<SURFACE*>(records[0]));
        break;
      }
      case ItemKind::kEvents: {
        auto* event = static_cast<EPREUVE*>(records[0]);
        season->EnsurePalmares().AddPlayedEvent(
            event->AddPlayed(DATE_SIMPLE(3, 5, 2001), DATE_SIMPLE(4, 5, 2001)));
        break;
      }
      case ItemKind::kClubs:
        builder.Player("Paul", "Martin")->SetClub(static_cast<CLUB*>(records[0]));
        break;
      case ItemKind::kCategories: {
        auto expense = std::make_unique<OPERATION_FINANCIERE>();
        expense->SetCategory(static_cast<CATEGORIE_FINANCIERE*>(records[0]));
        season->Finances().AddExpense(std::move(expense));
        break;
      }
    }
    return records;
  }
};

class EveryKindTest : public ItemEditingTest, public ::testing::WithParamInterface<ItemKind> {};

// The items follow the records; a used one cannot be deleted, and renames,
// deletions and additions reach the document only on confirmation.
TEST_P(EveryKindTest, RenameDeleteAndAddAreAppliedOnlyOnConfirmation) {
  const ItemKind kind = GetParam();
  const std::vector<CObject*> records = MakeRecords(kind, /*use_alpha=*/true);
  Doc().SetModifiedFlag(false);
  ItemEditList items = ItemsOf(Owner(), kind);
  ASSERT_EQ(items.Count(), 3);
  for (size_t i = 0; i < records.size(); ++i) {
    ASSERT_NE(items.ItemFor(records[i]), nullptr);
    EXPECT_EQ(items.ItemFor(records[i])->used, i == 0) << items.ItemFor(records[i])->name;
  }
  EXPECT_EQ(items.ItemFor(records[0])->name, "Alpha");
  EXPECT_TRUE(items.Created().empty());
  EXPECT_FALSE(items.Remove(items.ItemFor(records[0])));
  items.Rename(const_cast<RUBRIQUE*>(items.ItemFor(records[0])), "Omega");
  ASSERT_TRUE(items.Remove(items.ItemFor(records[1])));
  ASSERT_NE(items.Add("Delta"), nullptr);

  // Until the editor is confirmed the document has not moved.
  EXPECT_EQ(Names(Owner(), kind), (Names3{"Alpha", "Beta", "Gamma"}));
  EXPECT_FALSE(Doc().IsModified());

  int refreshes = 0;
  Doc().on_refresh_views = [&refreshes] { ++refreshes; };
  ApplyItemEdits(Doc(), kind, items);
  Doc().on_refresh_views = nullptr;

  const Names3 expected = kind == ItemKind::kCategories ? Names3{"Omega", "Gamma", "Delta"}
                                                        : Names3{"Delta", "Omega", "Gamma"};
  EXPECT_EQ(Names(Owner(), kind), expected);
  EXPECT_TRUE(Doc().IsModified());
  EXPECT_EQ(refreshes, 1) << "one refresh for the whole edit";
  // The renamed record is the same record: whatever refers to it follows.
  EXPECT_EQ(ItemsOf(Owner(), kind).ItemFor(records[0])->name, "Omega");
}

TEST_P(EveryKindTest, AUsedRecordSurvivesEvenWhenItsItemIsMissing) {
  const ItemKind kind = GetParam();
  MakeRecords(kind, /*use_alpha=*/true);
  const ItemEditList empty;
  ApplyItemEdits(Doc(), kind, empty);
  EXPECT_EQ(Names(Owner(), kind), (Names3{"Alpha"}));
}

TEST_P(EveryKindTest, TwoItemsOfTheSameNameBothBecomeRecords) {
  const ItemKind kind = GetParam();
  ItemEditList items;
  items.Add("Same");
  items.Add("Same");
  ApplyItemEdits(Doc(), kind, items);
  EXPECT_EQ(Names(Owner(), kind), (Names3{"Same", "Same"}));
}

std::string KindName(const ::testing::TestParamInfo<ItemKind>& kind) {
  const char* const names[] = {"Surfaces", "Events", "Clubs", "Categories"};
  return names[kind.index];
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryKindTest,
                         ::testing::Values(ItemKind::kSurfaces, ItemKind::kEvents, ItemKind::kClubs,
                                           ItemKind::kCategories),
                         KindName);

TEST_F(ItemEditingTest, ANewCategoryComesAfterTheOthersInCreationOrder) {
  MakeRecords(ItemKind::kCategories, false);
  ItemEditList items = ItemsOf(Owner(), ItemKind::kCategories);
  items.Add("First new");
  items.Add("Second new");
  ApplyItemEdits(Doc(), ItemKind::kCategories, items);
  EXPECT_EQ(Names(Owner(), ItemKind::kCategories),
            (Names3{"Alpha", "Beta", "Gamma", "First new", "Second new"}));
  EXPECT_EQ(Owner().Categories().At(4)->Kind(), 0);
}

TEST_F(ItemEditingTest, DeletingASurfaceLeavesNoMatchPointingAtIt) {
  // A surface named only by a match no season retains counts as unused.
  DocumentBuilder builder(Owner());
  EPREUVE_JOUEE* played = builder.Tournament("Open", DATE_SIMPLE(3, 5, 2001));
  RENCONTRE_SIMPLE* match = builder.Singles(played, builder.Player("Paul", "Martin"), true, "6/4");
  SURFACE* clay = Owner().AddSurface(std::make_unique<SURFACE>("Clay"));
  match->SetSurface(clay);
  ItemEditList items = ItemsOf(Owner(), ItemKind::kSurfaces);
  ASSERT_FALSE(items.ItemFor(clay)->used);
  ASSERT_TRUE(items.Remove(items.ItemFor(clay)));
  ApplyItemEdits(Doc(), ItemKind::kSurfaces, items);
  EXPECT_EQ(Owner().Surfaces().Count(), 0);
  EXPECT_EQ(match->GetSurface(), nullptr);
}

TEST_F(ItemEditingTest, ShownItemsAreSortedByNameAndFilteredOnUse) {
  ItemEditList items;
  for (const auto& [name, used] : std::vector<std::pair<std::string, bool>>{
           {"clay", false}, {"Cla", true}, {"Zinc", false}, {"", false}, {"Beach", true}}) {
    items.Add(name, used);
  }
  std::vector<std::string> all;
  for (const RUBRIQUE* item : items.Shown(false))
    all.push_back(item->name);
  // Case does not count; a name that begins a longer one comes after it,
  // and an empty name last.
  EXPECT_EQ(all, (Names3{"Beach", "clay", "Cla", "Zinc", ""}));
  std::vector<std::string> unused;
  for (const RUBRIQUE* item : items.Shown(true))
    unused.push_back(item->name);
  EXPECT_EQ(unused, (Names3{"clay", "Zinc", ""}));
}

TEST_F(ItemEditingTest, TheListStopsAtTheSizeOfADocumentListAndRemovesOnlyItsOwnItems) {
  ItemEditList items;
  for (int i = 0; i < 32767; ++i)
    ASSERT_NE(items.Add("x"), nullptr);
  EXPECT_EQ(items.Add("one too many"), nullptr);
  ItemEditList other;
  EXPECT_FALSE(items.Remove(other.Add("Foreign")));
  EXPECT_FALSE(items.Remove(nullptr));
  EXPECT_EQ(items.Count(), 32767);
}

TEST_F(ItemEditingTest, NamesLoseTheBlanksAroundThem) {
  EXPECT_EQ(CleanItemName("  Clay court \t"), "Clay court");
  EXPECT_EQ(CleanItemName(" \t \n"), "");
  EXPECT_EQ(CleanItemName(""), "");
  EXPECT_EQ(CleanItemName("Résine"), "Résine");
}

struct WordsCase {
  ItemKind kind;
  int language;
  const char* title;
  const char* button;
  const char* filter;
  const char* heading;
  const char* used;
  const char* not_used;
};

TEST_F(ItemEditingTest, TheEditorsWordsAgreeWithEachKind) {
  const WordsCase cases[] = {
      {ItemKind::kCategories, kLanguageEnglish, "Edit financial categories", "&New category",
       "Not used categorys only", "Create a new category", "used", "not used"},
      {ItemKind::kClubs, kLanguageFrench, "Édition des clubs", "&Nouveau club",
       "clubs non utilisés seulement", "Création d'un nouveau club", "utilisé", "non utilisé"},
      {ItemKind::kEvents, kLanguageFrench, "Édition des épreuves", "&Nouvelle épreuve",
       "épreuves non utilisées seulement", "Création d'une nouvelle épreuve", "utilisée",
       "non utilisée"},
  };
  for (const WordsCase& expected : cases) {
    SetLanguage(expected.language);
    const ItemWords words = WordsFor(expected.kind);
    const std::string context = words.word + " in language " + std::to_string(expected.language);
    EXPECT_EQ(words.title, expected.title) << context;
    EXPECT_EQ(words.NewItemButton(), expected.button) << context;
    EXPECT_EQ(words.UnusedOnlyFilter(), expected.filter) << context;
    EXPECT_EQ(words.CreateHeading(), expected.heading) << context;
    EXPECT_EQ(words.UseText(true), expected.used) << context;
    EXPECT_EQ(words.UseText(false), expected.not_used) << context;
  }
  SetLanguage(kLanguageEnglish);
}

}  // namespace
}  // namespace scorvane
