// Fuzz target: the document reader. Whatever the bytes, reading must fail
// cleanly or give a document that saves, reads back and saves again to the
// very same bytes; and the operations that walk a document stay in bounds.
#include <cstddef>
#include <cstdint>
#include <span>

#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "records/palmares.h"
#include "records/season.h"

namespace {

using scorvane::PROJECT_DOC;

// Walks what was read the way the pages do.
void Exercise(PROJECT_DOC& document) {
  (void)document.Info();
  const scorvane::UTILISATEUR& owner = document.Owner();
  for (const scorvane::SAISON_JOUEUR* season : owner.Seasons()) {
    (void)season->GetGains();
    (void)season->GetExpenses();
    if (const scorvane::PALMARES* palmares = season->Palmares()) {
      (void)palmares->Count(scorvane::kMaskSinglesWon);
      (void)palmares->CountTournaments(scorvane::MatchMask());
      (void)palmares->WorstDefeat().Text();
    }
  }
  owner.ForEachMatch([&owner](const scorvane::RENCONTRE* match) {
    (void)match->GetOpponentRanking();
    (void)match->GetOwnSideRanking(owner);
    (void)match->GetDate().Format();
    (void)match->Result().CountGames(0);
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool once = [] {
    // No ranking-system file is ever found: the folder does not exist.
    scorvane::Registry().SetFolder("/nonexistent/scorvane-fuzz/RankSys");
    return true;
  }();
  (void)once;
  scorvane::Registry().Reset();

  PROJECT_DOC document;
  if (!document.ReadBytes(std::span<const uint8_t>(data, size)).ok()) {
    return 0;
  }
  Exercise(document);

  // A document that was read must save, and what it saves must read back
  // and save again identically.
  const scorvane::EncodedDocument first = document.Encode();
  if (!first.result.ok()) __builtin_trap();
  PROJECT_DOC again;
  if (!again.ReadBytes(first.bytes).ok()) __builtin_trap();
  const scorvane::EncodedDocument second = again.Encode();
  if (!second.result.ok() || second.bytes != first.bytes) __builtin_trap();
  return 0;
}
