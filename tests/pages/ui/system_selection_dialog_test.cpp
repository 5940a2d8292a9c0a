// Guards the ranking-system selection dialog driven as a user would, from
// choosing a system to creating, editing and deleting the user's own.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "pages/rankings/grade_list_editor.h"
#include "pages/rankings/system_commands.h"
#include "pages/rankings/system_editor_dialog.h"
#include "pages/rankings/system_selection_dialog.h"
#include "ranking/ranking_registry.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/test_environment.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_input.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/help_window.h"
#include "widgets/listview/list_control.h"

namespace scorvane {

using testing::AnswerNextModal;
using testing::ClickInNextModal;
using testing::ClickRow;
using testing::ColumnTexts;
using testing::DoubleClickRow;
using testing::EnabledButtons;
using testing::ScriptedPrompt;

namespace {

void WriteGradeSystem(const std::string& title, const std::vector<std::string>& weakest_first) {
  SYSTEME_CLASSEMENT system;
  system.SetTitle(title);
  system.SetEnglishDescription(title + " grades");
  for (const std::string& grade : weakest_first)
    system.AddGrade(grade);
  QVERIFY(system.WriteFile());
}

int LineOf(const DLG_SELECTION_SYSCLASS& dialog, const QString& title, bool built_in) {
  const auto& lines = dialog.Lines();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (QString::fromStdString(lines[i].title) == title && lines[i].built_in == built_in)
      return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

class SystemSelectionDialogTest : public testing::WindowFixture {
  Q_OBJECT

 private slots:
  void init() {
    WindowFixture::init();
    prompt_ = std::make_unique<ScriptedPrompt>();
    WriteGradeSystem("Ladder", {"C", "B", "A"});
    WriteGradeSystem("Club", {"Low", "High"});
    // A file that does not read is not offered.
    testing::WriteBytes(Registry().Folder() / "Broken.cla", {1, 2, 3});
  }
  void cleanup() {
    prompt_.reset();
    WindowFixture::cleanup();
  }

  void ListsTheSystemsAndTheSelectionFollowsTheLine() {
    DLG_SELECTION_SYSCLASS dialog(DLG_SELECTION_SYSCLASS::Mode::kSelection);
    // The user's systems, then the built-in ones.
    QCOMPARE(ColumnTexts(*dialog.List(), 0),
             QStringList({"Club", "Ladder", "France", "Suisse", "NTRP", "Netherlands", "Luxembourg",
                          "Belge", "ATP Tour", "WTA Tour"}));
    QCOMPARE(ColumnTexts(*dialog.List(), 1).mid(0, 3),
             QStringList({"[user-defined]", "[user-defined]", "[built-in]"}));
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Select your ranking system then click OK"));
    QCOMPARE(dialog.TitleText()->text(), QString(" - no selection - "));
    QCOMPARE(EnabledButtons(dialog), QStringList({"cancelButton", "helpButton", "newButton"}));

    ClickRow(*dialog.List(), LineOf(dialog, "France", true));
    QCOMPARE(dialog.Chosen(), &Registry().French());
    QCOMPARE(dialog.TitleText()->text(), QString("France"));
    QVERIFY(dialog.DescriptionText()->text().startsWith("French ranking system\nGrades:"));
    // A built-in cannot be edited or deleted.
    QCOMPARE(EnabledButtons(dialog),
             QStringList({"cancelButton", "helpButton", "newButton", "okButton"}));

    ClickRow(*dialog.List(), LineOf(dialog, "Ladder", false));
    SYSTEME_CLASSEMENT* ladder = dialog.Chosen();
    QVERIFY(ladder);
    QCOMPARE(ladder->GradeName(2), std::string("A"));
    // Read into a working system, never into the active one.
    QVERIFY(ladder != &ActiveSystem());
    QCOMPARE(dialog.DescriptionText()->text(), QString("Ladder grades"));
    QCOMPARE(EnabledButtons(dialog), QStringList({"cancelButton", "deleteButton", "editButton",
                                                  "helpButton", "newButton", "okButton"}));

    dialog.SelectLine(-1);
    QVERIFY(!dialog.OkButton()->isEnabled());
    QCOMPARE(dialog.TitleText()->text(), QString(" - no selection - "));
    QVERIFY(dialog.DescriptionText()->text().isEmpty());
  }

  void AFileThatStopsReadingDisablesOk() {
    DLG_SELECTION_SYSCLASS dialog(DLG_SELECTION_SYSCLASS::Mode::kSelection);
    dialog.show();
    // Spoiled after the list was made: silently no system.
    testing::WriteBytes(Registry().Folder() / "Ladder.cla", {0xFF, 0xFF});
    ClickRow(*dialog.List(), LineOf(dialog, "Ladder", false));
    QCOMPARE(dialog.Chosen(), nullptr);
    QCOMPARE(EnabledButtons(dialog),
             QStringList({"cancelButton", "deleteButton", "helpButton", "newButton"}));
    QVERIFY(MessageBoxes::Said().isEmpty());
    // OK (or Enter) does not close the dialog without a system.
    dialog.accept();
    QVERIFY(dialog.isVisible());

    // Gone: the file error is said.
    std::filesystem::remove(Registry().Folder() / "Club.cla");
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    ClickRow(*dialog.List(), LineOf(dialog, "Club", false));
    QVERIFY(!dialog.Chosen() && !dialog.OkButton()->isEnabled());
    QCOMPARE(MessageBoxes::Said().size(), 1);
    QVERIFY(MessageBoxes::Said().front().startsWith("Cannot open the file "));
  }

  void ChoosingGivesTheSystemOrNothing() {
    AnswerNextModal([](QWidget* modal) {
      auto* dialog = qobject_cast<DLG_SELECTION_SYSCLASS*>(modal);
      const int line = LineOf(*dialog, "Club", false);
      // A double-click on a line is OK.
      DoubleClickRow(*dialog->List(), line);
    });
    SYSTEME_CLASSEMENT* chosen = ChooseRankingSystem(nullptr);
    QVERIFY(chosen);
    QCOMPARE(chosen->Title(), std::string("Club"));
    QCOMPARE(chosen->GradeName(1), std::string("High"));

    ClickInNextModal("cancelButton");
    QCOMPARE(ChooseRankingSystem(nullptr), nullptr);
  }

  void DeleteAsksThenRemovesTheFileOfTheLine() {
    // The file's system carries another title: the file of the line goes,
    // not the file its title names.
    SYSTEME_CLASSEMENT renamed;
    QVERIFY(renamed.ReadFile("Club"));
    renamed.SetTitle("Ladder");
    {
      Archive out;
      renamed.Serialize(out);
      testing::WriteBytes(Registry().Folder() / "Club.cla", out.Bytes());
    }
    DLG_SELECTION_SYSCLASS dialog(DLG_SELECTION_SYSCLASS::Mode::kManagement);
    dialog.show();
    ClickRow(*dialog.List(), LineOf(dialog, "Club", false));
    prompt_->Script({ScriptedPrompt::Answer::kNo, ScriptedPrompt::Answer::kYes});
    QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
    QCOMPARE(prompt_->asked.back(), std::string("Destroy the selected item permanently ?"));
    QVERIFY(std::filesystem::exists(Registry().Folder() / "Club.cla"));
    QCOMPARE(dialog.List()->RowCount(), 10);

    QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
    QVERIFY(!std::filesystem::exists(Registry().Folder() / "Club.cla"));
    QVERIFY(std::filesystem::exists(Registry().Folder() / "Ladder.cla"));
    QCOMPARE(ColumnTexts(*dialog.List(), 0).mid(0, 2), QStringList({"Ladder", "France"}));
    QVERIFY(!dialog.DeleteButton()->isEnabled());
  }

  void NewAndEditOpenTheEditorAndTheListFollows() {
    DLG_SELECTION_SYSCLASS dialog(DLG_SELECTION_SYSCLASS::Mode::kManagement);
    dialog.show();
    AnswerNextModal([](QWidget* modal) {
      auto* editor = qobject_cast<DLG_EDITION_SYSCLASS*>(modal);
      QVERIFY(editor->NameField()->text().isEmpty());
      QCOMPARE(editor->StrongestField()->text(), QString("1"));
      editor->NameField()->setText("Abc ladder");
      QTest::mouseClick(editor->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.NewButton(), Qt::LeftButton);
    QCOMPARE(ColumnTexts(*dialog.List(), 0).mid(0, 3),
             QStringList({"Abc ladder", "Club", "Ladder"}));
    QCOMPARE(dialog.List()->FirstSelectedRow(), 0);
    QCOMPARE(dialog.TitleText()->text(), QString("Abc ladder"));

    ClickRow(*dialog.List(), LineOf(dialog, "Ladder", false));
    AnswerNextModal([](QWidget* modal) {
      auto* editor = qobject_cast<DLG_EDITION_SYSCLASS*>(modal);
      QCOMPARE(editor->NameField()->text(), QString("Ladder"));
      GradeListEditor* grades = editor->GradeList();
      QCOMPARE(grades->Grades(), (std::vector<std::string>{"A", "B", "C"}));
      grades->SelectLine(2);
      grades->DeleteSelected();
      QTest::mouseClick(editor->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.EditButton(), Qt::LeftButton);
    QCOMPARE(dialog.Chosen()->Title(), std::string("Ladder"));
    QCOMPARE(dialog.Chosen()->Highest(), 1);
    SYSTEME_CLASSEMENT read;
    QVERIFY(read.ReadFile("Ladder"));
    QCOMPARE(read.GradeName(0), std::string("B"));

    // A cancelled editor leaves the list as it was.
    ClickInNextModal("cancelButton");
    QTest::mouseClick(dialog.NewButton(), Qt::LeftButton);
    QCOMPARE(dialog.List()->RowCount(), 11);
  }

  void ManagementClosesWithOkAndSaysItsWarningFirst() {
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    AnswerNextModal([](QWidget* modal) {
      auto* dialog = qobject_cast<DLG_SELECTION_SYSCLASS*>(modal);
      QCOMPARE(dialog->windowTitle(), QString("Ranking Systems"));
      QVERIFY(dialog->TitleText()->text().isEmpty());
      QVERIFY(dialog->OkButton()->isEnabled());
      QVERIFY(!dialog->findChild<QPushButton*>("cancelButton")->isVisible());
      QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    });
    ManageRankingSystems(nullptr);
    QCOMPARE(MessageBoxes::Said(),
             QStringList{"Be carefull!! Remember that changing a ranking system will affect files "
                         "using it... (changes will happen the next time you load the files)"});
  }

  void HelpOpensTheRankingSystemsTopic() {
    DLG_SELECTION_SYSCLASS dialog(DLG_SELECTION_SYSCLASS::Mode::kSelection);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("helpButton"), Qt::LeftButton);
    HelpWindow* help = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* found = qobject_cast<HelpWindow*>(window); found && found->isVisible())
        help = found;
    }
    QVERIFY(help);
    QCOMPARE(help->Source(), QString("qrc:/help/help_en.html#ranking-systems"));
    HelpWindow::CloseIfOpen();
  }

 private:
  std::unique_ptr<ScriptedPrompt> prompt_;
};

}  // namespace scorvane

QTEST_MAIN(scorvane::SystemSelectionDialogTest)
#include "system_selection_dialog_test.moc"
