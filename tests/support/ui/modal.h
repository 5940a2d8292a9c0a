// Answers modal dialogs in Qt Test programs: a test queues what to do with
// the next modal windows, then runs the code that opens them. Each queued
// answer runs once on the next modal window that becomes active (a dialog
// shown again counts again), from a short timer of the event loop that the
// modal window itself runs. A check that fails inside an answer closes that
// window and every modal window after it until the test function ends, so
// the test fails at once instead of waiting for CTest's timeout.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace scorvane::testing {

using ModalAnswer = std::function<void(QWidget* modal)>;

// Queues an answer for the next modal window.
void AnswerNextModal(ModalAnswer answer);
// Queues a click on the button with this object name in the next modal window.
void ClickInNextModal(const QString& button_name);
// Queues typing a name into the next name dialog (its field "nameEdit"),
// then OK.
void TypeNameInNextModal(const QString& name);
// Queues closing the next modal window with Escape.
void EscapeNextModal();
// Answers still queued (0 once every expected window was seen).
int PendingModalAnswers();
// Forgets the answers not used.
void ClearModalAnswers();

}  // namespace scorvane::testing
