// Guards the season dialog driven like a user would: the year stepping with the
// spin arrows and the Up and Down keys in both modes, the ranking entry
// shown only under a yearly system, what OK stores and Cancel leaves alone.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStyleOptionSpinBox>
#include <QTest>

#include "pages/common/seasons/season_commands.h"
#include "pages/common/seasons/season_dialog.h"
#include "ranking/ranking_registry.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/ranking_entry.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// Clicks one arrow of a spin box, where the style draws it.
void ClickArrow(QSpinBox* box, bool up) {
  QStyleOptionSpinBox option;
  option.initFrom(box);
  option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
  option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
  option.frame = box->hasFrame();
  const QRect arrow = box->style()->subControlRect(
      QStyle::CC_SpinBox, &option, up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, box);
  QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, arrow.center());
}

QString GradeShown(DLG_NOUVELLE_SAISON& dialog) {
  return dialog.Entry()->Grades()->currentText();
}

}  // namespace

class SeasonDialogTest : public WindowFixture {
  Q_OBJECT

 private:
  // Seasons 1999 (30/2, "first") and 2001 (30/1, "second"), 2001 active.
  void TwoSeasons() {
    DocumentBuilder builder(Owner());
    builder.Season(1999, "30/2")->SetComment("first");
    builder.Season(2001, "30/1")->SetComment("second");
    Doc().SetModifiedFlag(false);
  }

 private slots:
  // The stepping rules have their own tests; here the key and the arrow reach them.
  void NewModeStepsToFreeYears() {
    TwoSeasons();
    DLG_NOUVELLE_SAISON dialog(Owner(), SeasonDialogMode::kNew, 2002, CLASSEMENT(5));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(dialog.YearBox(), Qt::Key_Down);
    QCOMPARE(dialog.YearBox()->text(), QStringLiteral("2000"));  // 2001 skipped
    ClickArrow(dialog.YearBox(), true);
    QCOMPARE(dialog.Year(), 2002);
    // The new mode keeps the ranking it opened with.
    QCOMPARE(GradeShown(dialog), QStringLiteral("30/1"));
  }

  void ChangeModeStepsBetweenSeasonsAndReloadsThem() {
    TwoSeasons();
    DLG_NOUVELLE_SAISON dialog(Owner(), SeasonDialogMode::kChange, 1999,
                               DocumentBuilder::Rank("30/2"));
    dialog.show();
    QCOMPARE(dialog.Heading()->text(), QStringLiteral("Season to change"));
    QCOMPARE(dialog.CommentEdit()->toPlainText(), QStringLiteral("first"));
    QCOMPARE(GradeShown(dialog), QStringLiteral("30/2"));

    QTest::keyClicks(dialog.CommentEdit(), " typed");
    QTest::keyClick(dialog.YearBox(), Qt::Key_Up);
    QCOMPARE(dialog.Year(), 2001);
    QCOMPARE(GradeShown(dialog), QStringLiteral("30/1"));
    QCOMPARE(dialog.CommentEdit()->toPlainText(), QStringLiteral("second"));

    // A step that finds no season still reloads what the year holds.
    dialog.Entry()->Grades()->setCurrentIndex(0);
    dialog.CommentEdit()->setPlainText(QStringLiteral("dropped"));
    ClickArrow(dialog.YearBox(), true);
    QCOMPARE(dialog.Year(), 2001);
    QCOMPARE(GradeShown(dialog), QStringLiteral("30/1"));
    QCOMPARE(dialog.CommentEdit()->toPlainText(), QStringLiteral("second"));
  }

  void TheYearIsTypedAndAYearOutOfRangeRefused() {
    TwoSeasons();
    DLG_NOUVELLE_SAISON dialog(Owner(), SeasonDialogMode::kNew, 2002, CLASSEMENT(5));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const struct {
      const char* typed;
      const char* said;
    } refusals[] = {{"1850", "The season's year must be from 1900 to 2100."},
                    {"2001", "Season 2001 already exists."}};
    for (const auto& refusal : refusals) {
      dialog.YearBox()->setFocus();
      dialog.YearBox()->selectAll();
      QTest::keyClick(dialog.YearBox(), Qt::Key_Backspace);
      QTest::keyClicks(dialog.YearBox(), refusal.typed);
      MessageBoxes::Said().clear();
      QTest::mouseClick(dialog.findChild<QWidget*>("okButton"), Qt::LeftButton);
      QCOMPARE(MessageBoxes::Said(), QStringList({refusal.said}));
      QVERIFY(dialog.isVisible());
    }
    dialog.YearBox()->selectAll();
    QTest::keyClick(dialog.YearBox(), Qt::Key_Backspace);
    QTest::keyClicks(dialog.YearBox(), "1976");
    QTest::mouseClick(dialog.findChild<QWidget*>("okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Year(), 1976);
  }

  void NewSeasonProposalAndOk() {
    TwoSeasons();
    AnswerNextModal([](QWidget* modal) {
      auto* dialog = static_cast<DLG_NOUVELLE_SAISON*>(modal);
      QCOMPARE(dialog->Heading()->text(), QStringLiteral("New season :"));
      QCOMPARE(dialog->Year(), 2002);
      QCOMPARE(GradeShown(*dialog), QStringLiteral("30/1"));
      QVERIFY(dialog->Entry()->isVisible());
      dialog->Entry()->Grades()->setCurrentText(QStringLiteral("15/5"));
      QTest::keyClicks(dialog->CommentEdit(), "won the club");
      QTest::mouseClick(dialog->findChild<QWidget*>("okButton"), Qt::LeftButton);
    });
    QVERIFY(OpenNewSeasonDialog(nullptr, Doc()));
    const SAISON_JOUEUR* created = Owner().GetActiveSeason();
    QCOMPARE(created->Year(), 2002);
    QCOMPARE(created->Comment(), std::string("won the club"));
    QCOMPARE(Owner().History().Count(), 3);
    QVERIFY(Owner().History().Entries().At(2)->Date() == DATE_SIMPLE(1, 1, 2002));
    QVERIFY(Owner().History().RankingForYear(2002) == DocumentBuilder::Rank("15/5"));
    QVERIFY(Doc().IsModified());
  }

  void ANonYearlySystemAsksNoRanking() {
    Registry().SetActive(Registry().FindBuiltIn("SWI"));
    AnswerNextModal([](QWidget* modal) {
      auto* dialog = static_cast<DLG_NOUVELLE_SAISON*>(modal);
      QVERIFY(!dialog->Entry()->isVisible());
      // No season yet: this year is proposed.
      QCOMPARE(dialog->Year(), 2001);
      QTest::mouseClick(dialog->findChild<QWidget*>("okButton"), Qt::LeftButton);
    });
    QVERIFY(OpenNewSeasonDialog(nullptr, Doc()));
    QVERIFY(Owner().HasSeason(2001));
    QVERIFY(Owner().History().IsEmpty());
  }

  void CancelChangesNothing() {
    TwoSeasons();
    EscapeNextModal();
    QVERIFY(!OpenNewSeasonDialog(nullptr, Doc()));
    ClickInNextModal(QStringLiteral("cancelButton"));
    QVERIFY(!OpenChangeSeasonDialog(nullptr, Doc(), 1999));
    QCOMPARE(Owner().Seasons().Count(), 2);
    QCOMPARE(Owner().History().Count(), 2);
    QVERIFY(!Doc().IsModified());
  }

  void AMissingRankingKeepsTheDialogOpen() {
    TwoSeasons();
    DLG_NOUVELLE_SAISON dialog(Owner(), SeasonDialogMode::kNew, 2002, CLASSEMENT());
    dialog.show();
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    QTest::mouseClick(dialog.findChild<QWidget*>("okButton"), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(MessageBoxes::Said(), QStringList{"Please select a ranking in the drop list"});
  }
};

QTEST_MAIN(SeasonDialogTest)
#include "season_dialog_test.moc"
