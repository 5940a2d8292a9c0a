// The lists of seasons (in the navigation pane and in the navigation bar):
// one entry per season of the owner, written as its year and sorted, with the
// active season selected; choosing an entry makes that season the active one.
#pragma once

class QComboBox;

namespace scorvane {

class UTILISATEUR;

// Refills the list from the owner (empty without owner or season) without
// reporting the selection as a choice.
void FillSeasonList(QComboBox& list, const UTILISATEUR* owner);
// The season of the entry at `index` becomes the active one (the document
// then refreshes its views). False when it already was, or is unknown.
bool ChooseSeason(const QComboBox& list, int index, UTILISATEUR* owner);

}  // namespace scorvane
