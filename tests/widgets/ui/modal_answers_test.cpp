// Guards the modal-dialog helper of the Qt Test programs: a failed check in
// an answer fails the test at once, and answers go to the right window.
#include <QApplication>
#include <QDialog>
#include <QProcess>
#include <QTest>

#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_environment.h"

using namespace scorvane::testing;

// Run in a child process: the answer's check fails, and neither this dialog
// nor the next one may wait for an answer.
class FailingAnswer : public QObject {
  Q_OBJECT

 private slots:
  void CheckFailsInsideTheDialog() {
    WidgetEnvironment environment;
    AnswerNextModal([](QWidget* modal) { QCOMPARE(modal->windowTitle(), QString("Expected")); });
    QDialog shown;
    shown.setWindowTitle("Shown");
    shown.exec();
    QDialog next;
    next.exec();
  }
};

class ModalAnswersTest : public QObject {
  Q_OBJECT

 private slots:
  void AFailedCheckInAnAnswerFailsTheTestAtOnce() {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--failing-answer"});
    const bool finished = child.waitForFinished(30000);
    if (!finished) {
      child.kill();
      child.waitForFinished();
    }
    QVERIFY2(finished, "the failing test waited on its dialog");
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    QCOMPARE(child.exitCode(), 1);
    QVERIFY2(output.contains("FAIL!  : FailingAnswer::CheckFailsInsideTheDialog() Compared values "
                             "are not the same"),
             qPrintable(output));
  }

  // A chooser's button runs one dialog, works a while, then runs another:
  // in between, the chooser is the active modal window again, and must not
  // take the answer meant for the second dialog.
  void AWindowWaitsWhileItsAnswerRuns() {
    WidgetEnvironment environment;
    QDialog chooser;
    QStringList answered;
    const auto accept = [&answered](QWidget* modal) {
      answered << modal->windowTitle();
      static_cast<QDialog*>(modal)->accept();
    };
    AnswerNextModal([&answered](QWidget* modal) {
      answered << modal->windowTitle();
      QDialog first(modal);
      first.setWindowTitle("First");
      first.exec();
      QTest::qWait(50);
      QDialog second(modal);
      second.setWindowTitle("Second");
      second.exec();
      static_cast<QDialog*>(modal)->accept();
    });
    AnswerNextModal(accept);
    AnswerNextModal(accept);
    chooser.setWindowTitle("Chooser");
    chooser.exec();
    QCOMPARE(answered, QStringList({"Chooser", "First", "Second"}));
    QCOMPARE(PendingModalAnswers(), 0);
  }
};

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc > 1 && qstrcmp(argv[1], "--failing-answer") == 0) {
    FailingAnswer child;
    return QTest::qExec(&child, 1, argv);
  }
  ModalAnswersTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "modal_answers_test.moc"
