// Guards the ranking history dialogs driven as a user would: the year field rule,
// yearly and dated entries shown whole, new / modify / delete with their
// enabling, and what a refused or cancelled entry leaves behind.
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include "base/catalogue/messages.h"
#include "pages/common/rankings/ranking_date_dialog.h"
#include "pages/common/rankings/ranking_history_dialog.h"
#include "ranking/ranking_registry.h"
#include "shell/app/language.h"
#include "tests/support/document_builder.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_input.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/date_field.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/listview/list_control.h"
#include "widgets/ranking_entry.h"
#include "widgets/settings.h"

namespace scorvane {

using testing::AnswerNextModal;
using testing::ClickInNextModal;
using testing::ClickRow;
using testing::ColumnTexts;
using testing::DocumentBuilder;
using testing::DoubleClickRow;
using testing::EnabledButtons;
using testing::ReplaceText;
using testing::ScriptedPrompt;
using testing::ShowActive;

namespace {

void ChooseGrade(QWidget* dialog, const QString& grade) {
  auto* grades = dialog->findChild<QComboBox*>("rankingGrades");
  grades->setCurrentIndex(grades->findText(grade));
}

}  // namespace

class RankingHistoryDialogTest : public testing::WindowFixture {
  Q_OBJECT

 private slots:
  void init() {
    WindowFixture::init();
    prompt_ = std::make_unique<ScriptedPrompt>();
  }
  void cleanup() {
    prompt_.reset();
    WindowFixture::cleanup();
  }

  void YearFieldCompletesTwoDigitYears() {
    const struct {
      const char *typed, *shown;
    } cases[] = {{"7", "2007"}, {"85", "1985"}, {"10", "1910"}, {"1999", "1999"}, {"2100", "2100"},
                 {"2150", ""},  {"150", ""},    {"abc", ""},    {" 85 ", "1985"}, {"", ""}};
    for (const auto& c : cases)
      QCOMPARE(c.typed + (" -> " + CompleteYearText(c.typed)),
               c.typed + (" -> " + QString(c.shown)));
    // The field completes what was typed when it is left.
    CLASSEMENT_DATE entry(CLASSEMENT(3), DATE_SIMPLE(1, 1, 2001), "");
    DLG_EDIT_UN_CLASSEMENT dialog(entry);
    QVERIFY(ShowActive(dialog));
    dialog.YearField()->setFocus();
    dialog.YearField()->clear();
    QTest::keyClicks(dialog.YearField(), "85");
    QTest::keyClick(dialog.YearField(), Qt::Key_Tab);
    QVERIFY(!dialog.YearField()->hasFocus());
    QCOMPARE(dialog.YearField()->text(), QString("1985"));
  }

  void AYearlySystemRefusesABadYearThenStoresFirstJanuary() {
    CLASSEMENT_DATE entry(CLASSEMENT(3), DATE_SIMPLE(14, 7, 1999), "old note");
    DLG_EDIT_UN_CLASSEMENT dialog(entry);
    dialog.show();
    QVERIFY(dialog.YearField()->isVisible() && !dialog.DatePicker()->isVisible());
    QCOMPARE(dialog.YearField()->text(), QString("1999"));
    ChooseGrade(&dialog, "15/4");
    ReplaceText(dialog.Note(), "new note");
    ReplaceText(dialog.YearField(), "2150");
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    QCOMPARE(MessageBoxes::Said(), QStringList{"Invalid year entered"});
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.Note()->text(), QString("new note"));
    QCOMPARE(dialog.Ranking()->Grades()->currentText(), QString("15/4"));
    // Nothing reached the entry.
    QCOMPARE(entry.Note(), std::string("old note"));
    QCOMPARE(entry.Ranking().Value(), 3);
    ReplaceText(dialog.YearField(), "85");
    QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(entry.Date().IsEqual(DATE_SIMPLE(1, 1, 1985)));
    QCOMPARE(entry.Ranking().Text(), std::string("15/4"));
  }

  void ADatedSystemStoresThePickedDateAndANumber() {
    Registry().SetActive(Registry().FindBuiltIn("ATP"));
    CLASSEMENT_DATE entry(CLASSEMENT(300), DATE_SIMPLE(14, 7, 2001), "");
    DLG_EDIT_UN_CLASSEMENT dialog(entry);
    dialog.show();
    QVERIFY(!dialog.YearField()->isVisible());
    QCOMPARE(dialog.DatePicker()->date(), QDate(2001, 7, 14));
    dialog.DatePicker()->setDate(QDate(2002, 2, 28));
    ReplaceText(dialog.Ranking()->Number(), "2000");
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    QCOMPARE(MessageBoxes::Said(),
             QStringList{"You must enter a valid ranking ! (between 1 and 1400)"});
    QVERIFY(entry.Date().IsEqual(DATE_SIMPLE(14, 7, 2001)));
    ReplaceText(dialog.Ranking()->Number(), "57");
    QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(entry.Date().IsEqual(DATE_SIMPLE(28, 2, 2002)));
    QCOMPARE(entry.Ranking().Value(), 57);
  }

  // The new-document steps ask for a first ranking this way.
  void ANewRankingStartsTodayAtTheWorstRanking() {
    Registry().SetActive(Registry().FindBuiltIn("NTRP"));
    CLASSEMENT_DATE entry(CLASSEMENT(5), DATE_SIMPLE(1, 1, 1990), "kept");
    AnswerNextModal([](QWidget* modal) {
      auto* dialog = qobject_cast<DLG_EDIT_UN_CLASSEMENT*>(modal);
      QCOMPARE(dialog->DatePicker()->date(), QDate(2001, 6, 15));
      QCOMPARE(dialog->Ranking()->Grades()->currentText(), QString("1.0"));
      QVERIFY(dialog->Note()->text().isEmpty());
      QTest::mouseClick(dialog->findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
    });
    QVERIFY(!DLG_EDIT_UN_CLASSEMENT::EditNew(nullptr, entry));
    QCOMPARE(entry.Note(), std::string("kept"));

    AnswerNextModal([](QWidget* modal) {
      ChooseGrade(modal, "3.5");
      QTest::mouseClick(modal->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    QVERIFY(DLG_EDIT_UN_CLASSEMENT::EditNew(nullptr, entry));
    QCOMPARE(entry.Ranking().Text(), std::string("3.5"));
    QVERIFY(entry.Date().IsEqual(DATE_SIMPLE(15, 6, 2001)));
    QVERIFY(entry.Note().empty());
  }

  void TheHistoryListsYearsOrDates() {
    DocumentBuilder builder(Owner());
    JOUEUR* paul = builder.Player("Paul", "Martin", {{1999, "30/1"}, {2000, "15/5"}});
    paul->History().Entries().At(1)->SetNote("promoted");
    DLG_EDIT_CLASSEMENTS yearly(Doc(), *paul);
    QCOMPARE(ColumnTexts(*yearly.List(), 0), QStringList({"1999", "2000"}));
    QCOMPARE(ColumnTexts(*yearly.List(), 1), QStringList({"30/1", "15/5"}));
    QCOMPARE(ColumnTexts(*yearly.List(), 2), QStringList({"", "promoted"}));

    Registry().SetActive(Registry().FindBuiltIn("ATP"));
    HISTORIQUE_CLASSEMENTS& history = Owner().History();
    history.Add(CLASSEMENT(300), DATE_SIMPLE(14, 7, 2001), "");
    history.Add(CLASSEMENT(200), DATE_SIMPLE(3, 2, 2001), "");
    DLG_EDIT_CLASSEMENTS dated(Doc(), Owner(), history.Entries().At(1));
    QCOMPARE(ColumnTexts(*dated.List(), 0), QStringList({"03/02/2001", "14/07/2001"}));
    QCOMPARE(ColumnTexts(*dated.List(), 1), QStringList({"200", "300"}));
    // The entry given is selected.
    QCOMPARE(dated.SelectedEntry(), history.Entries().At(1));
    // Shown, the dates and the French heading "Classement" show whole.
    QSettings store = settings::User();
    LanguageSwitch::Instance().Apply(kLanguageFrench, store);
    DLG_EDIT_CLASSEMENTS french(Doc(), Owner());
    french.show();
    QVERIFY(QTest::qWaitForWindowExposed(&french));
    const int widths[] = {french.List()->columnWidth(0), french.List()->columnWidth(1)};
    const int fitting[] = {french.List()->FittingWidth(0), french.List()->FittingWidth(1)};
    LanguageSwitch::Instance().Apply(kLanguageEnglish, store);
    QVERIFY(widths[0] >= fitting[0] && widths[1] >= fitting[1]);
  }

  // The buttons follow the selection; the only entry cannot go.
  void NewModifyAndDeleteChangeTheHistoryAndTheDocument() {
    HISTORIQUE_CLASSEMENTS& history = Owner().History();
    history.Add(CLASSEMENT(3), DATE_SIMPLE(1, 1, 2000), "");
    DLG_EDIT_CLASSEMENTS dialog(Doc(), Owner());
    QVERIFY(ShowActive(dialog));
    QCOMPARE(EnabledButtons(dialog), QStringList({"newButton", "okButton"}));
    ClickRow(*dialog.List(), 0);
    QCOMPARE(dialog.SelectedEntry(), history.Entries().Front());
    QCOMPARE(EnabledButtons(dialog), QStringList({"modifyButton", "newButton", "okButton"}));
    dialog.DeleteSelected();
    QCOMPARE(history.Count(), 1);
    QVERIFY(prompt_->asked.empty() && !Doc().IsModified());
    int refreshed = 0;
    Doc().on_refresh_views = [&refreshed] { ++refreshed; };
    const auto rows = [&dialog] {
      return ColumnTexts(*dialog.List(), 0) + ColumnTexts(*dialog.List(), 1);
    };

    // New: today's year, placed after 2000 and selected.
    AnswerNextModal([](QWidget* modal) {
      QCOMPARE(modal->findChild<QLineEdit*>("year")->text(), QString("2001"));
      ChooseGrade(modal, "15/4");
      QTest::mouseClick(modal->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.NewButton(), Qt::LeftButton);
    QCOMPARE(rows(), QStringList({"2000", "2001", "30/3", "15/4"}));
    QCOMPARE(dialog.SelectedEntry(), history.Entries().At(1));
    QVERIFY(Doc().IsModified() && refreshed == 1 && dialog.DeleteButton()->isEnabled());

    // Modify (double-click): moved before 2000, the list follows the dates.
    Doc().SetModifiedFlag(false);
    AnswerNextModal([](QWidget* modal) {
      ReplaceText(modal->findChild<QLineEdit*>("year"), "98");
      QTest::mouseClick(modal->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    DoubleClickRow(*dialog.List(), 1);
    QCOMPARE(rows(), QStringList({"1998", "2000", "15/4", "30/3"}));
    QCOMPARE(history.RankingForYear(1999).Text(), std::string("15/4"));
    QCOMPARE(dialog.SelectedEntry(), history.Entries().Front());
    QVERIFY(Doc().IsModified());

    // Enter on a line changes it too; a cancelled change changes nothing.
    Doc().SetModifiedFlag(false);
    ClickInNextModal("cancelButton");
    dialog.List()->setFocus();
    QTest::keyClick(dialog.List(), Qt::Key_Return);
    QCOMPARE(testing::PendingModalAnswers(), 0);
    QVERIFY(dialog.isVisible() && !Doc().IsModified());

    // Delete asks first; No keeps the entry, Yes removes it.
    prompt_->Script({ScriptedPrompt::Answer::kNo, ScriptedPrompt::Answer::kYes});
    QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
    QCOMPARE(history.Count(), 2);
    QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
    QCOMPARE(prompt_->asked,
             std::vector<std::string>(2, "Destroy the selected item permanently ?"));
    QCOMPARE(rows(), QStringList({"2000", "30/3"}));
    QCOMPARE(EnabledButtons(dialog), QStringList({"newButton", "okButton"}));
    QVERIFY(Doc().IsModified());
    Doc().on_refresh_views = nullptr;
  }

 private:
  std::unique_ptr<ScriptedPrompt> prompt_;
};

}  // namespace scorvane

QTEST_MAIN(scorvane::RankingHistoryDialogTest)
#include "ranking_history_dialog_test.moc"
