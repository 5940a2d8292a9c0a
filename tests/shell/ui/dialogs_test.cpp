// Guards the question dialogs, the document-information dialog, the core's
// questions answered through them, clicked as a user would, and the help
// window, usable while a dialog runs.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

#include "base/catalogue/messages.h"
#include "base/user_prompt.h"
#include "ranking/ranking_registry.h"
#include "shell/dialogs/dialog_prompt.h"
#include "shell/dialogs/doc_info_dialog.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/dialogs/question_dialogs.h"
#include "widgets/help_window.h"

using namespace scorvane;
using namespace scorvane::testing;

class DialogsTest : public WindowFixture {
  Q_OBJECT

 private:
  DialogPrompt prompt_;

 private slots:
  void init() {
    WindowFixture::init();
    SetUserPrompt(&prompt_);
  }
  void cleanup() {
    SetUserPrompt(nullptr);
    WindowFixture::cleanup();
  }

  // Escape counts as no; the same dialog serves again after each answer.
  void YesNoQuestion() {
    for (const auto& [action, answer] :
         {std::pair{"yesButton", true}, {"noButton", false}, {"escape", false}}) {
      QString shown;
      AnswerNextModal([&shown, action = action](QWidget* modal) {
        shown = modal->findChild<QLabel*>("questionText")->text();
        if (QString(action) == "escape")
          QTest::keyClick(modal, Qt::Key_Escape);
        else
          QTest::mouseClick(modal->findChild<QPushButton*>(action), Qt::LeftButton);
      });
      QCOMPARE(AskYesNo("Destroy the selected item permanently ?"), answer);
      QCOMPARE(shown, QStringLiteral("Destroy the selected item permanently ?"));
    }
  }

  // The dialogs with more than two answers: the button clicked is the answer.
  void ButtonGivesTheAnswer() {
    for (const auto& [button, answer, all] : {std::tuple{"yesButton", true, false},
                                              {"noButton", false, false},
                                              {"allButton", true, true}}) {
      ClickInNextModal(button);
      bool all_flag = !all;
      QCOMPARE(AskYesNoAll("Destroy player Paul ?", all_flag), answer);
      QCOMPARE(all_flag, all);
    }
    ClickInNextModal("samePlayerButton");
    QVERIFY(!DLG_QUEST_NOUVEAU_JOUEUR::AskNewPlayer(nullptr));
    ClickInNextModal("newPlayerButton");
    QVERIFY(DLG_QUEST_NOUVEAU_JOUEUR::AskNewPlayer(nullptr));
  }

  void MessageBoxStyleAndMessages() {
    MessageBoxes::ScriptAnswers(
        {MessageBoxes::Answer::kNo, MessageBoxes::Answer::kYes, MessageBoxes::Answer::kOk});
    QVERIFY(!AskYesNo("First ?", UserPrompt::Style::kMessageBox));
    QVERIFY(AskYesNo("Second ?", UserPrompt::Style::kMessageBox));
    ShowMessage("Text", "detail");
    QCOMPARE(MessageBoxes::Said(),
             QStringList({QStringLiteral("First ?"), QStringLiteral("Second ?"),
                          QStringLiteral("Text\ndetail")}));
  }

  // The translation asks through the prompt: the dialog lists the rankings
  // of the active system and Cancel gives no ranking.
  void ReplacementRankingIsAskedInTheTranslationDialog() {
    Registry().SetActive(&Registry().Belgian());
    QString question;
    AnswerNextModal([&](QWidget* modal) {
      question = modal->findChild<QLabel*>("question")->text();
      auto* grades = modal->findChild<QComboBox*>("rankingGrades");
      grades->setCurrentIndex(grades->findText("15.2"));
      QTest::mouseClick(modal->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    QCOMPARE(CLASSEMENT(Prompt().AskReplacementRanking("15/2")).Text(), std::string("15.2"));
    QCOMPARE(question, QStringLiteral("The ranking 15/2 does not exist anymore, which ranking do "
                                      "you want to use instead?"));
    ClickInNextModal("cancelButton");
    QCOMPARE(Prompt().AskReplacementRanking("15/2"), CLASSEMENT::kNone);

    // A grade name is written as it is, never filled in turn.
    AnswerNextModal([&](QWidget* modal) {
      question = modal->findChild<QLabel*>("question")->text();
      QTest::mouseClick(modal->findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
    });
    Prompt().AskReplacementRanking("%s%d");
    QCOMPARE(question, QStringLiteral("The ranking %s%d does not exist anymore, which ranking do "
                                      "you want to use instead?"));
  }

  void DocumentInformationShowsTheCounts() {
    DocumentBuilder b(Owner());
    b.Season(2000, "30/1");
    b.Season(2001, "30");
    JOUEUR* paul = b.Player("Paul", "Martin");
    JOUEUR* anonymous = b.Player("", "");
    anonymous->SetAnonymous(true);
    JOUEUR* marc = b.Player("Marc", "Roux");
    EPREUVE_JOUEE* open = b.Tournament("Open", DATE_SIMPLE(3, 5, 2001));
    b.Singles(open, paul, true, "6/4 6/3");
    b.Doubles(open, marc, paul, anonymous, false, "3/6 4/6");
    DLG_DOC_INFO dialog(Doc().Info());
    // Seasons, events, matches, singles, doubles, players, anonymous,
    // contacts, ranking system.
    const QStringList expected = {"2", "1", "2", "1", "1", "2", "1", "0", "France [built-in]"};
    for (int i = 0; i < DLG_DOC_INFO::kFieldCount; ++i) {
      QCOMPARE(dialog.FieldText(i), expected[i]);
      QVERIFY(dialog.findChild<QLineEdit*>(QStringLiteral("infoField%1").arg(i))->isReadOnly());
    }
  }

  void EveryHelpTopicIsASectionOfBothHelpPages() {
    for (int language : {kLanguageEnglish, kLanguageFrench}) {
      QFile page(HelpPage(language).mid(3));
      QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(page.fileName()));
      const QByteArray html = page.readAll();
      for (HelpTopic topic :
           {HelpTopic::kContents, HelpTopic::kBeforeStarting, HelpTopic::kNavigation,
            HelpTopic::kDocuments, HelpTopic::kPages, HelpTopic::kPrinting, HelpTopic::kSettings,
            HelpTopic::kRankingSystems}) {
        const QByteArray anchor = "name=\"" + HelpAnchor(topic).toUtf8() + "\"";
        QVERIFY2(html.contains(anchor), anchor.constData());
      }
    }
    HelpWindow* window = HelpWindow::Open(HelpTopic::kBeforeStarting);
    QCOMPARE(window->Source(), QStringLiteral("qrc:/help/help_en.html#before-starting"));
    window->close();
    // Escape and Ctrl+W close it too.
    for (const QKeyCombination keys : {QKeyCombination(Qt::Key_Escape), Qt::CTRL | Qt::Key_W}) {
      // The window closed before is deleted first, as the event loop would.
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      HelpWindow* opened = HelpWindow::Open(HelpTopic::kContents);
      QVERIFY(opened != nullptr);
      const QPointer<HelpWindow> open = opened;
      QVERIFY(QTest::qWaitForWindowActive(opened));
      QTest::keyClick(opened, keys.key(), keys.keyboardModifiers());
      const auto closed = [&open] {
        const HelpWindow* shown = open.data();
        return shown == nullptr || shown->isHidden();
      };
      QTRY_VERIFY(closed());
    }
  }

  // Opened from a dialog, then left open when the next dialog comes, the
  // help takes the keys.
  void HelpIsUsableWhileAModalDialogRuns() {
    int scrolled_to[2] = {-1, -1};
    for (int& scrolled : scrolled_to) {
      const bool open_it = &scrolled == &scrolled_to[0];
      AnswerNextModal([&scrolled, open_it](QWidget* modal) {
        if (open_it) HelpWindow::Open(HelpTopic::kContents);
        QTest::qWait(20);
        QTextBrowser* browser = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
          if (qobject_cast<HelpWindow*>(window)) browser = window->findChild<QTextBrowser*>();
        }
        browser->setFocus();
        browser->verticalScrollBar()->setValue(0);
        // Keys reach the help through its window, as the user's do.
        QTest::keyClick(browser->window()->windowHandle(), Qt::Key_End);
        scrolled = browser->verticalScrollBar()->value();
        modal->close();
      });
      QDialog().exec();
    }
    HelpWindow::CloseIfOpen();
    QVERIFY2(scrolled_to[0] > 0, "opened from the dialog, the help did not take the keys");
    QVERIFY2(scrolled_to[1] > 0, "left open under a dialog, the help did not take the keys");
  }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
