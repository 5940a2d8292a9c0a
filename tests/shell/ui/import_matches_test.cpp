// Guards File > Import matches...: the preview shows what the file brings
// and refuses before the document changes; importing the good lines marks
// the document modified without saving it, and Cancel changes nothing.
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "records/document.h"
#include "records/owner.h"
#include "records/palmares.h"
#include "records/player.h"
#include "records/season.h"
#include "shell/window/main_window.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/dialogs/message_boxes.h"

using namespace scorvane;
using namespace scorvane::testing;

class ImportMatchesTest : public WindowFixture {
  Q_OBJECT

 private:
  // The preview's lines, "Section (n)" then each line indented.
  static QStringList Shown(QWidget* modal) {
    QStringList lines;
    const auto* tree = modal->findChild<QTreeWidget*>(QStringLiteral("importContents"));
    for (int i = 0; tree && i < tree->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* section = tree->topLevelItem(i);
      lines << section->text(0);
      for (int k = 0; k < section->childCount(); ++k)
        lines << "  " + section->child(k)->text(0);
    }
    return lines;
  }

  int MatchCount() {
    const PALMARES* palmares = Owner().FindSeason(2001)->Palmares();
    return palmares ? palmares->Matches().Count() : 0;
  }

 private slots:
  void ThePreviewListsTheRefusedLineAndOnlyTheGoodLinesAreImported() {
    DocumentBuilder(Owner()).Season(2001, "15/2");
    const QString csv = Path(QStringLiteral("matches.csv"));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "Date;Nom;Prénom;Classement;Résultat;Score\n"
        "12/05/2001;Bernard;Hugo;15;V;6-4 6-2\n"
        "13/05/2001;Girard;Léa;15/7;D;4-6 3-6\n");
    file.close();
    MainWindow& window = OpenWindow();
    Doc().SetModifiedFlag(false);

    for (const bool import : {false, true}) {
      FileChoosers::ScriptPaths({csv});
      QStringList shown;
      bool import_enabled = true;
      AnswerNextModal([&](QWidget* modal) {
        shown = Shown(modal);
        import_enabled =
            modal->findChild<QPushButton*>(QStringLiteral("importButton"))->isEnabled();
        const char* button = import ? "importGoodLinesButton" : nullptr;
        if (button) {
          QTest::mouseClick(modal->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
        } else {
          QTest::keyClick(modal, Qt::Key_Escape);
        }
      });
      window.Command(QStringLiteral("actionImportMatches"))->trigger();
      QCOMPARE(PendingModalAnswers(), 0);
      QCOMPARE(shown, QStringList({"Matches (1)",
                                   "  line 2: 12/05/2001, won against Hugo Bernard, 6/4 6/2",
                                   "New players (1)", "  Hugo Bernard", "Events entered (1)",
                                   "  Friendly Matches, season 2001", "Refused lines (1)",
                                   "  line 3: the ranking \"15/7\" is not a ranking of the France "
                                   "system."}));
      QVERIFY(!import_enabled);
      QCOMPARE(MatchCount(), import ? 1 : 0);
      QCOMPARE(Doc().IsModified(), import);
    }
  }

  // As in match entry: a new player like a recorded one is asked about, and
  // "It is the same player!" puts the match on the recorded player.
  void ASimilarPlayerIsAskedAboutAndCanBeTheRecordedOne() {
    DocumentBuilder b(Owner());
    b.Season(2001, "15/2");
    JOUEUR* hugo = b.Player("Hugo", "Bernard", {{2001, "15"}});
    hugo->SetLicence("0999999Z");
    const QString csv = Path(QStringLiteral("licence.csv"));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "Date,Surname,First name,Licence,Result,Score\n"
        "12/05/2001,Bernard,Hugo,0123456A,W,6/4 6/2\n");
    file.close();
    MainWindow& window = OpenWindow();

    FileChoosers::ScriptPaths({csv});
    QString asked;
    AnswerNextModal([&asked](QWidget* question) {
      asked = question->windowTitle();
      QTest::mouseClick(question->findChild<QPushButton*>(QStringLiteral("sameButton")),
                        Qt::LeftButton);
    });
    QStringList shown;
    AnswerNextModal([&shown](QWidget* preview) {
      shown = Shown(preview);
      QTest::mouseClick(preview->findChild<QPushButton*>(QStringLiteral("importButton")),
                        Qt::LeftButton);
    });
    window.Command(QStringLiteral("actionImportMatches"))->trigger();
    QCOMPARE(PendingModalAnswers(), 0);
    QCOMPARE(asked, QStringLiteral("Line 2: Hugo Bernard"));
    QCOMPARE(shown, QStringList({"Matches (1)",
                                 "  line 2: 12/05/2001, won against Hugo Bernard "
                                 "(licence 0123456A), 6/4 6/2",
                                 "Events entered (1)", "  Friendly Matches, season 2001"}));
    QCOMPARE(MatchCount(), 1);
    QCOMPARE(Owner().Players().Count(), 1);
  }
};

QTEST_MAIN(ImportMatchesTest)
#include "import_matches_test.moc"
