// Random documents made through the owner's operations (and edited through
// them) save, read back equal record by record, and save again to the same
// bytes, under every kind of ranking system.
#include <gtest/gtest.h>

#include <random>

#include "ranking/ranking_registry.h"
#include "records/document_generator.h"
#include "records/palmares.h"
#include "records/season.h"
#include "tests/support/document_dump.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::DescribeDocument;
using testing::ScriptedPrompt;

class DocumentPropertyTest : public CoreTest {
 protected:
  // Edits a generated document the way a user could.
  void Edit(std::mt19937& random) {
    UTILISATEUR& owner = Owner();
    const auto below = [&random](int n) { return n <= 0 ? 0 : static_cast<int>(random() % n); };
    ScriptedPrompt prompt;
    prompt.SetFallback(ScriptedPrompt::Answer::kYesToAll);
    std::vector<RENCONTRE*> matches;
    owner.ForEachMatch([&matches](RENCONTRE* match) { matches.push_back(match); });
    for (int i = 0; i < 3 && !matches.empty(); ++i) {
      RENCONTRE* match = matches[static_cast<size_t>(below(static_cast<int>(matches.size())))];
      matches.erase(std::find(matches.begin(), matches.end(), match));
      owner.ResetDeletionAskFlags();
      owner.DeleteMatch(match, below(2));
    }
    if (owner.Seasons().Count() > 1 && below(3) == 0) {
      owner.DeleteSeason(owner.Seasons().At(below(owner.Seasons().Count())));
    }
    if (owner.Seasons().Count() > 1) owner.SetActiveSeason(owner.Seasons().At(1));
    if (!owner.Surfaces().IsEmpty() && below(2) == 0) owner.RemoveSurface(owner.Surfaces().Front());
    if (!owner.Clubs().IsEmpty() && below(2) == 0) owner.RemoveClub(owner.Clubs().Front());

    auto player = std::make_unique<JOUEUR>();
    player->SetLastName("Œuvrard — “L’été”");
    player->SetFirstName("Zoë");
    player->SetAnonymous(below(2) == 0);
    player->History().Add(CLASSEMENT::Worst(), DATE_SIMPLE(3, 4, 2000), "note");
    JOUEUR* added = owner.AddPlayer(std::move(player));
    if (SAISON_JOUEUR* season = owner.GetActiveSeason()) {
      EPREUVE* group = owner.GetFriendlyGroup();
      EPREUVE_JOUEE* played = group->FindPlayedInSeason(season->Year());
      if (!played) played = group->AddPlayed(DATE_SIMPLE(2, 2, season->Year()), DATE_SIMPLE());
      auto match = std::make_unique<RENCONTRE_SIMPLE>(DATE_SIMPLE(40, 13, 0), 7, "6/4 (€) 300/2");
      match->SetOpponent(added);
      match->Result().SetWalkover(9);
      match->SetIndoorCode(-5);
      season->RetainMatch(played->AdoptMatch(std::move(match)));
      season->SetComment("Saison très “spéciale”\r\n\ttabs");
    }
  }

  void CheckRoundTrip(const std::string& label) {
    const EncodedDocument first = Doc().Encode();
    ASSERT_TRUE(first.result.ok()) << label << ": " << first.result.detail;
    const std::string described = DescribeDocument(Doc());
    SYSTEME_CLASSEMENT* system = &ActiveSystem();

    PROJECT_DOC reread;
    const FileResult read = reread.ReadBytes(first.bytes);
    ASSERT_TRUE(read.ok()) << label << ": " << read.detail;
    EXPECT_EQ(DescribeDocument(reread), described) << label;
    const EncodedDocument second = reread.Encode();
    ASSERT_TRUE(second.result.ok()) << label;
    EXPECT_TRUE(second.bytes == first.bytes) << label;
    Registry().SetActive(system);
    Registry().SetPending(nullptr);
  }
};

TEST_F(DocumentPropertyTest, RandomDocumentsRoundTripExactly) {
  const int kDocuments = 120;
  for (int seed = 1; seed <= kDocuments; ++seed) {
    std::mt19937 random(static_cast<uint32_t>(seed));
    // French, Belgian, ATP (numbers, lower is better) or a user-defined system.
    SYSTEME_CLASSEMENT user;
    user.SetTitle("Ladder");
    user.SetScale(-10, 50, true);
    user.SetYearly(seed % 2 == 0);
    const int kind = seed % 4;
    Registry().SetActive(kind == 0   ? static_cast<SYSTEME_CLASSEMENT*>(&Registry().French())
                         : kind == 1 ? &Registry().Belgian()
                         : kind == 2 ? Registry().BuiltIns()[6]
                                     : &user);
    PROJECT_DOC document;
    GeneratorOptions options;
    options.seed = static_cast<uint32_t>(seed);
    options.seasons = 1 + static_cast<int>(random() % 4);
    options.matches = static_cast<int>(random() % 120);
    options.players = static_cast<int>(random() % 30);
    options.operations_per_season = static_cast<int>(random() % 5);
    GenerateDocument(document, options);
    // Work on the fixture's document so that the helpers see it.
    std::vector<uint8_t> bytes = document.Encode().bytes;
    ASSERT_TRUE(Doc().ReadBytes(bytes).ok());
    Registry().SetPending(nullptr);
    if (kind == 3) Registry().SetActive(&user);
    Edit(random);
    CheckRoundTrip("seed " + std::to_string(seed));
    Registry().Reset();
  }
}

}  // namespace
}  // namespace scorvane
