// The questions that give a new document its first contents: who the owner
// is, which ranking system the document uses, its first season and, when
// the season did not already give one, the owner's first ranking. Each
// question's Cancel goes back to the one before; cancelling the first ends
// the questions.
#pragma once

class QWidget;

namespace scorvane {

class PROJECT_DOC;

// Asks the questions on a document just started (an empty owner). True when
// the user answered the last one; false when the owner question was
// cancelled. Either way the document keeps what was answered: the caller
// completes it (owner defaults, default contents, title).
bool AskNewDocumentQuestions(QWidget* parent, PROJECT_DOC& document);

}  // namespace scorvane
