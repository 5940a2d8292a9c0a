// The ranking-system commands of the main window and the two questions of
// the new-document steps: changing the open document's system (with the
// translation of every ranking), managing the user's systems, choosing a
// system, and entering a first ranking.
#pragma once

class QWidget;

namespace scorvane {

class CLASSEMENT_DATE;
class PROJECT_DOC;
class SYSTEME_CLASSEMENT;

// "Change the ranking system": warns that the change cannot be undone (Yes /
// No), lets the user choose a system and moves the document to it,
// translating every ranking. True when the document now uses the chosen
// system (it is then modified); false when the user stopped at any step, in
// which case nothing changed.
bool ChangeDocumentSystem(PROJECT_DOC& document, QWidget* parent);

// "Ranking systems": the reminder that files follow their system's changes
// when next opened, then the systems in management form.
void ManageRankingSystems(QWidget* parent);

// The selection of a system: the system chosen (a built-in, or a user's
// system held in a working system of the registry), or null on Cancel. The
// list opens on `current` when it is given.
SYSTEME_CLASSEMENT* ChooseRankingSystem(QWidget* parent,
                                        const SYSTEME_CLASSEMENT* current = nullptr);

// One ranking at a date, starting from a new entry (today, the worst
// ranking of the active system, no note); `entry` receives it on OK.
bool EnterNewRanking(QWidget* parent, CLASSEMENT_DATE& entry);

}  // namespace scorvane
