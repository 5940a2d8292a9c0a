// Guards the ranking-system commands of the main window, from the menu to
// the document, and what a stop at any step leaves.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "pages/common/rankings/ranking_history_dialog.h"
#include "pages/rankings/system_selection_dialog.h"
#include "ranking/ranking_registry.h"
#include "shell/dialogs/dialog_prompt.h"
#include "shell/window/main_window.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/counting_page.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/listview/list_control.h"
#include "widgets/page_view.h"

namespace scorvane {

using testing::AnswerNextModal;
using testing::ClickInNextModal;
using testing::CountingPage;
using testing::DocumentBuilder;

namespace {

// Answers the selection dialog with the line of a system.
void ChooseInNextSelection(const QString& title, bool built_in) {
  AnswerNextModal([title, built_in](QWidget* modal) {
    auto* dialog = qobject_cast<DLG_SELECTION_SYSCLASS*>(modal);
    QVERIFY(dialog);
    for (size_t i = 0; i < dialog->Lines().size(); ++i) {
      const AvailableSystem& line = dialog->Lines()[i];
      if (QString::fromStdString(line.title) == title && line.built_in == built_in)
        dialog->SelectLine(static_cast<int>(i));
    }
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
  });
}

// Answers the next translation question with a grade (empty: Cancel), and
// keeps the question asked.
void AnswerTranslation(QStringList& asked, const QString& grade) {
  AnswerNextModal([&asked, grade](QWidget* modal) {
    asked << modal->findChild<QLabel*>("question")->text();
    if (grade.isEmpty()) {
      QTest::mouseClick(modal->findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
      return;
    }
    auto* grades = modal->findChild<QComboBox*>("rankingGrades");
    grades->setCurrentIndex(grades->findText(grade));
    QTest::mouseClick(modal->findChild<QPushButton*>("okButton"), Qt::LeftButton);
  });
}

}  // namespace

class SystemChangeTest : public testing::WindowFixture {
  Q_OBJECT

 private slots:
  void init() {
    WindowFixture::init();
    Doc().MakeDefaultDocument();
    Owner().History().Clear();
    DocumentBuilder builder(Owner());
    builder.Season(2000, "30/1");
    builder.Player("Paul", "Martin", {{1999, "30/5"}});
    builder.Player("Marc", "Roux", {{2000, "30"}});
    builder.Player("Luc", "Blanc", {{2000, "30/5"}});
    Doc().SetTitle("Moi");
    Doc().SetModifiedFlag(false);
    SetUserPrompt(&prompt_);
    pages_.clear();
    OpenWindow([this](int number, QWidget* parent) {
      auto* page = new CountingPage(number, parent);
      pages_.push_back(page);
      return page;
    });
  }
  void cleanup() {
    SetUserPrompt(nullptr);
    WindowFixture::cleanup();
  }

  void NoToTheWarningChangesNothing() {
    QString warning;
    AnswerNextModal([&warning](QWidget* modal) {
      warning = modal->findChild<QLabel*>("questionText")->text();
      QTest::mouseClick(modal->findChild<QPushButton*>("noButton"), Qt::LeftButton);
    });
    Window().Command("actionChangeRankingSystem")->trigger();
    QCOMPARE(warning,
             QString("Be carefull! This action cannot be cancelled. So you should make a "
                     "copy of your document before changing its Ranking System.\nCurrent "
                     "ranking system used is <France>. Do you really want to change now ?"));
    ExpectUnchanged();
  }

  void CancellingTheChoiceChangesNothing() {
    ClickInNextModal("yesButton");
    ClickInNextModal("cancelButton");
    Window().Command("actionChangeRankingSystem")->trigger();
    ExpectUnchanged();
  }

  void ACancelledTranslationLeavesEveryRankingAsItWas() {
    QStringList asked;
    ClickInNextModal("yesButton");
    ChooseInNextSelection("Belge", true);
    AnswerTranslation(asked, "30.2");
    AnswerTranslation(asked, "");
    Window().Command("actionChangeRankingSystem")->trigger();
    QCOMPARE(asked, QStringList({"The ranking 30/1 does not exist anymore, which ranking do you "
                                 "want to use instead?",
                                 "The ranking 30/5 does not exist anymore, which ranking do you "
                                 "want to use instead?"}));
    ExpectUnchanged();
  }

  void ATranslatedDocumentUsesTheNewSystemEverywhere() {
    QStringList asked;
    ClickInNextModal("yesButton");
    ChooseInNextSelection("Belge", true);
    AnswerTranslation(asked, "30.2");
    AnswerTranslation(asked, "NC");
    const std::vector<int> starts = InitialUpdates();
    Window().Command("actionChangeRankingSystem")->trigger();
    // 30/5 was asked once although two players hold it; 30 kept its name.
    QCOMPARE(asked.size(), 2);
    QCOMPARE(&ActiveSystem(), &Registry().Belgian());
    QCOMPARE(Registry().Pending(), nullptr);
    QCOMPARE(Rankings(), QStringList({"30.2", "NC", "30", "NC"}));
    QVERIFY(Doc().IsModified());
    QVERIFY(Window().windowTitle().contains("Moi*"));
    // Every page started again, the page shown stays.
    for (size_t i = 0; i < pages_.size(); ++i)
      QCOMPARE(pages_[i]->InitialUpdateCount(), starts[i] + 1);
    QCOMPARE(Window().CurrentPage(), int(PageView::kOwnPage));
  }

  void TheOwnersHistoryFromTheMenu() {
    AnswerNextModal([](QWidget* modal) {
      auto* dialog = qobject_cast<DLG_EDIT_CLASSEMENTS*>(modal);
      QVERIFY(dialog);
      QCOMPARE(dialog->List()->RowCount(), 1);
      QCOMPARE(dialog->List()->ItemText(0, 1), QString("30/1"));
      QTest::mouseClick(dialog->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    Window().Command("actionRankingHistory")->trigger();
    QVERIFY(!Doc().IsModified());
  }

 private:
  // The owner's ranking, then each player's, as text.
  QStringList Rankings() {
    QStringList texts;
    texts << QString::fromStdString(Owner().History().Entries().Front()->Ranking().Text());
    for (const JOUEUR* player : Owner().Players())
      texts << QString::fromStdString(player->History().Entries().Front()->Ranking().Text());
    return texts;
  }

  std::vector<int> InitialUpdates() const {
    std::vector<int> counts;
    for (const CountingPage* page : pages_)
      counts.push_back(page->InitialUpdateCount());
    return counts;
  }

  void ExpectUnchanged() {
    QCOMPARE(&ActiveSystem(), &Registry().French());
    QCOMPARE(Registry().Pending(), nullptr);
    QCOMPARE(Rankings(), QStringList({"30/1", "30/5", "30", "30/5"}));
    QVERIFY(!Doc().IsModified());
  }

  std::vector<CountingPage*> pages_;
  DialogPrompt prompt_;
};

}  // namespace scorvane

QTEST_MAIN(scorvane::SystemChangeTest)
#include "system_change_test.moc"
