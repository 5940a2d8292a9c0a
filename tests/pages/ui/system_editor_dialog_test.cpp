// Guards the ranking-system editor driven as a user would: the values it opens
// with, the grade list editing (keys, buttons, labels edited in place), the
// checks on OK in their order, and the ".cla" file it writes, read back.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "pages/rankings/grade_list_editor.h"
#include "pages/rankings/system_editor_dialog.h"
#include "ranking/ranking_registry.h"
#include "ranking/system_definition.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/ui/widget_input.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/dialogs/message_boxes.h"

namespace scorvane {

using testing::ReplaceText;
using testing::ScriptedPrompt;
using testing::ShowActive;

namespace {

QStringList Lines(const GradeListEditor& grades) {
  QStringList lines;
  for (const std::string& grade : grades.Grades())
    lines << QString::fromStdString(grade);
  return lines;
}

// The files of the ranking-systems folder.
QStringList SystemFiles() {
  QStringList names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(Registry().Folder(), error))
    names << QString::fromStdString(entry.path().filename().string());
  names.sort();
  return names;
}

}  // namespace

class SystemEditorDialogTest : public testing::WindowFixture {
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

  void OpensOnTheSystemGiven() {
    DLG_EDITION_SYSCLASS grades(Registry().Belgian(), {});
    QCOMPARE(grades.NameField()->text(), QString("Belge"));
    QVERIFY(grades.DescriptionField()->toPlainText().startsWith("Belgian ranking system."));
    QVERIFY(grades.YearlyBox()->isChecked() && grades.GradesChoice()->isChecked());
    QCOMPARE(Lines(*grades.GradeList()).front() + " " + Lines(*grades.GradeList()).back(),
             QString("A NC"));
    QVERIFY(!grades.StrongestField()->isEnabled());

    DLG_EDITION_SYSCLASS fresh(NewUserSystem(), {});
    QVERIFY(fresh.NameField()->text().isEmpty() && !fresh.YearlyBox()->isChecked());
    QVERIFY(fresh.NumbersChoice()->isChecked());
    QCOMPARE(fresh.StrongestField()->text() + " " + fresh.WeakestField()->text(),
             QString("1 1000"));
    QVERIFY(!fresh.GradeList()->isEnabled());
    // Choosing grades opens the list and closes the number fields.
    fresh.GradesChoice()->click();
    QVERIFY(fresh.GradeList()->isEnabled() && !fresh.WeakestField()->isEnabled());
  }

  void ChecksComeInOrderAndKeepTheDialogOpen() {
    const struct {
      QString name;
      bool grades;
      QString strongest, weakest;
      int grade_count;
      QString message;
    } cases[] = {
        {"", false, "-1", "-1", 0, "A name must be given to the ranking system"},
        {"Ladder", false, "", "10", 0, "Please enter a whole number."},
        {"Grades", true, "1000", "1", 1, "You must define a minimum of 2 rankings"},
    };
    for (const auto& [name, grades, strongest, weakest, grade_count, message] : cases) {
      DLG_EDITION_SYSCLASS dialog(NewUserSystem(), {});
      dialog.show();
      ReplaceText(dialog.NameField(), name);
      ReplaceText(dialog.StrongestField(), strongest);
      ReplaceText(dialog.WeakestField(), weakest);
      (grades ? dialog.GradesChoice() : dialog.NumbersChoice())->click();
      for (int i = 0; i < grade_count; ++i)
        dialog.GradeList()->AppendGrade();
      QApplication::setActiveWindow(&dialog);  // ends any label editing
      MessageBoxes::Said().clear();
      MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
      QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
      QCOMPARE(MessageBoxes::Said(), QStringList{message});
      QVERIFY(dialog.isVisible());
      QCOMPARE(dialog.NameField()->text(), name);
      QCOMPARE(dialog.WeakestField()->text(), weakest);
      QCOMPARE(dialog.GradeList()->Count(), grade_count);
      QVERIFY(SystemFiles().isEmpty());
    }
  }

  void ASevenLetterLabelIsCutToFive() {
    DLG_EDITION_SYSCLASS dialog(NewUserSystem(), {});
    QVERIFY(ShowActive(dialog));
    dialog.GradesChoice()->click();
    QTreeWidget* list = dialog.GradeList()->List();
    list->setFocus();
    // Insert appends "None" and opens its label.
    QTest::keyClick(list, Qt::Key_Insert);
    QCOMPARE(Lines(*dialog.GradeList()), QStringList{"None"});
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    ReplaceText(editor, "Seniors");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(Lines(*dialog.GradeList()), QStringList{"Senio"});
    QVERIFY(dialog.isVisible());
    QTRY_COMPARE(MessageBoxes::Said(), QStringList{"Sorry, only 5 characters are allowed!"});
  }

  void GradesAreAddedDeletedAndMovedWithinTheList() {
    DLG_EDITION_SYSCLASS dialog(NewUserSystem(), {});
    QVERIFY(ShowActive(dialog));
    dialog.GradesChoice()->click();
    GradeListEditor& grades = *dialog.GradeList();
    auto* rename = grades.findChild<QPushButton*>("renameGradeButton");
    auto* remove = grades.findChild<QPushButton*>("deleteGradeButton");
    auto* up = grades.findChild<QToolButton*>("gradeUpButton");
    auto* down = grades.findChild<QToolButton*>("gradeDownButton");
    grades.SetGrades({"A", "B", "C", "D"});
    QVERIFY(!rename->isEnabled() && !remove->isEnabled());

    grades.SelectLine(0);
    QVERIFY(rename->isEnabled() && remove->isEnabled());
    QTest::mouseClick(up, Qt::LeftButton);  // already at the top
    QCOMPARE(Lines(grades), QStringList({"A", "B", "C", "D"}));
    QTest::mouseClick(down, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(Lines(grades), QStringList({"B", "C", "A", "D"}));
    QCOMPARE(grades.SelectedLine(), 2);
    grades.MoveSelected(5);  // kept within the list
    QCOMPARE(Lines(grades), QStringList({"B", "C", "D", "A"}));

    // Delete takes the next grade into the selection, the previous one
    // after the last.
    grades.SelectLine(1);
    grades.List()->setFocus();
    QTest::keyClick(grades.List(), Qt::Key_Delete);
    QCOMPARE(Lines(grades), QStringList({"B", "D", "A"}));
    QCOMPARE(grades.SelectedLine(), 1);
    grades.SelectLine(2);
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(Lines(grades), QStringList({"B", "D"}));
    QCOMPARE(grades.SelectedLine(), 1);
  }

  void NoMoreThanThreeHundredGrades() {
    GradeListEditor grades;
    grades.SetGrades(std::vector<std::string>(GradeListEditor::kMaxGrades, "G"));
    QVERIFY(!grades.findChild<QPushButton*>("newGradeButton")->isEnabled());
    grades.AppendGrade();
    QCOMPARE(grades.Count(), GradeListEditor::kMaxGrades);
  }

  void TheSavedFileReadsBackAsDefined() {
    DLG_EDITION_SYSCLASS dialog(NewUserSystem(), {});
    dialog.show();
    ReplaceText(dialog.NameField(), "Club ladder");
    dialog.DescriptionField()->setPlainText("Our ladder\nfrom A to Z");
    dialog.YearlyBox()->setChecked(true);
    dialog.GradesChoice()->click();
    dialog.GradeList()->SetGrades({"Élite", "A", "B"});
    QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.SavedTitle(), std::string("Club ladder"));

    SYSTEME_CLASSEMENT read;
    QVERIFY(read.ReadFile("Club ladder"));
    QCOMPARE(read.EnglishDescription(), std::string("Our ladder\nfrom A to Z"));
    QVERIFY(read.IsYearly() && read.CodeName().empty());
    // Opened again, the dialog shows what was saved, strongest first.
    DLG_EDITION_SYSCLASS again(read, SYSTEME_CLASSEMENT::FileFor("Club ladder"));
    QCOMPARE(Lines(*again.GradeList()), QStringList({"Élite", "A", "B"}));
    QCOMPARE(again.NameField()->text(), QString("Club ladder"));
  }

  void AnotherSystemsFileIsReplacedOnlyOnYes() {
    SYSTEME_CLASSEMENT other = NewUserSystem();
    other.SetTitle("Ladder");
    other.SetScale(1, 50, false);
    QVERIFY(other.WriteFile());

    DLG_EDITION_SYSCLASS dialog(NewUserSystem(), {});
    dialog.show();
    ReplaceText(dialog.NameField(), "Ladder");
    prompt_->Script({ScriptedPrompt::Answer::kNo, ScriptedPrompt::Answer::kYes});
    QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    QCOMPARE(prompt_->asked, std::vector<std::string>{"This ranking system will replace the old "
                                                      "one (with the same name), continue?"});
    QVERIFY(dialog.isVisible());
    SYSTEME_CLASSEMENT read;
    QVERIFY(read.ReadFile("Ladder"));
    QCOMPARE(read.Highest(), 50);

    QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(read.ReadFile("Ladder"));
    QCOMPARE(read.Highest(), 1000);
  }

  void ItsOwnFileIsRewrittenAndARenameKeepsTheOldFile() {
    SYSTEME_CLASSEMENT system = NewUserSystem();
    system.SetTitle("Ladder");
    QVERIFY(system.WriteFile());
    for (const auto& [name, weakest] : {std::pair{"Ladder", "500"}, {"Ladder 2", "1000"}}) {
      DLG_EDITION_SYSCLASS dialog(system, SYSTEME_CLASSEMENT::FileFor("Ladder"));
      dialog.show();
      ReplaceText(dialog.NameField(), name);
      ReplaceText(dialog.WeakestField(), weakest);
      QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QVERIFY(prompt_->asked.empty());
    QCOMPARE(SystemFiles(), QStringList({"Ladder 2.cla", "Ladder.cla"}));
    SYSTEME_CLASSEMENT read;
    QVERIFY(read.ReadFile("Ladder"));
    QCOMPARE(read.Highest(), 500);
  }

  void AFileThatCannotBeWrittenOrStoredIsSaid() {
    DLG_EDITION_SYSCLASS dialog(NewUserSystem(), {});
    dialog.show();
    ReplaceText(dialog.NameField(), "A/B");
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk, MessageBoxes::Answer::kOk});
    QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    dialog.NameField()->setText("Łódź");
    QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(MessageBoxes::Said(),
             QStringList({"The name of a ranking system is also the name of its file: it cannot "
                          "hold \"/\", nor be \".\" or \"..\".",
                          "\"Łódź\" holds characters that a ranking-system file cannot store. "
                          "Please write it with other characters."}));
    QVERIFY(SystemFiles().isEmpty());
  }

 private:
  std::unique_ptr<ScriptedPrompt> prompt_;
};

}  // namespace scorvane

QTEST_MAIN(scorvane::SystemEditorDialogTest)
#include "system_editor_dialog_test.moc"
