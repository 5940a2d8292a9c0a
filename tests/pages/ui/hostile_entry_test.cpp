// Hostile texts in every field of match and event entry: each gets the
// field's message or is stored as cleaned, never a crash.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "pages/common/matches/event_dialog.h"
#include "pages/common/matches/match_dialog.h"
#include "pages/common/players/player_page.h"
#include "pages/common/players/player_questions.h"
#include "records/document.h"
#include "records/palmares.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/widget_input.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/dialogs/message_boxes.h"

using namespace scorvane;
using namespace scorvane::testing;
using Dialog = DLG_SAISIE_RENCONTRE;

namespace {

// Pastes a text into a field, the way a user's paste reaches it whole.
void Paste(QWidget* field, const QString& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->setText(text);
  if (auto* box = qobject_cast<QComboBox*>(field)) box->setEditText(text);
  if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) plain->setPlainText(text);
}

}  // namespace

class HostileEntryTest : public WindowFixture {
  Q_OBJECT

 private:
  SAISON_JOUEUR* season_ = nullptr;
  EPREUVE_JOUEE* lyon_ = nullptr;

 private slots:
  void init() {
    WindowFixture::init();
    DocumentBuilder b(Owner());
    season_ = b.Season(2001, "15/4");
    lyon_ = b.Tournament("Open de Lyon", DATE_SIMPLE(3, 5, 2001));
  }

  void EveryFieldTakesHostileTexts_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("refused");  // the message of each OK, in turn
    QTest::addColumn<QString>("kept");     // a one-line field as stored
    QTest::addColumn<QString>("comment");  // a multi-line field as stored
    const QString long_text(500, QLatin1Char('x'));
    const QString too_short =
        QStringLiteral("License must be written with 8 caracters|Year of birth must be written");
    const QString badly_written =
        QStringLiteral("License is badly written|Year of birth must be written");
    const QString foreign = QString::fromUtf8("Łódź 東京");
    QTest::newRow("empty") << QString() << QString() << QString() << QString();
    QTest::newRow("500 characters") << long_text << badly_written << long_text << long_text;
    QTest::newRow("control characters")
        << QString("a\tb\nc\x01") << too_short << QString("a b c") << QString("a b\nc");
    const QString directives("%s%n");
    QTest::newRow("printf directives") << directives << too_short << directives << directives;
    QTest::newRow("letters the file cannot hold") << foreign << badly_written << foreign << foreign;
  }
  void EveryFieldTakesHostileTexts() {
    QFETCH(QString, typed);
    QFETCH(QString, refused);
    QFETCH(QString, kept);
    QFETCH(QString, comment);

    Dialog dialog(Owner(), *season_, MatchEventChoice::Played(lyon_));
    PAGE_PROPRIETE_JOUEUR& page = *dialog.Page(Dialog::kOpponent1);
    for (QWidget* field : std::initializer_list<QWidget*>{
             page.FirstName(), page.Licence(), page.BirthYear(), page.Strengths(), dialog.Place(),
             dialog.Surface(), dialog.Score(), dialog.Comment()}) {
      Paste(field, typed);
    }
    Paste(page.LastName(), QStringLiteral("Hostile"));
    // OK until accepted: each refusal names its field, which then holds
    // what is accepted (a refused score is typed again).
    QStringList said;
    // A score without a set is asked about: the answers say Yes.
    const auto yes = MessageBoxes::Answer::kYes;
    MessageBoxes::ScriptAnswers({yes, yes, yes, yes, yes, yes, yes, yes});
    for (int attempt = 0; attempt < 4 && dialog.result() != QDialog::Accepted; ++attempt) {
      MessageBoxes::Said().clear();
      dialog.accept();
      said << MessageBoxes::Said().join(QString());
      if (said.back().startsWith("Score")) Paste(dialog.Score(), QString());
    }
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QStringList expected = refused.split('|');
    for (int i = 0; i < expected.size(); ++i)
      QVERIFY2(
          expected[i].isEmpty() ? said.value(i).isEmpty() : said.value(i).startsWith(expected[i]),
          qPrintable(said.value(i)));

    DialogPlayerQuestions questions(nullptr);
    RENCONTRE* match = dialog.Store(questions);
    const JOUEUR& opponent = *static_cast<RENCONTRE_SIMPLE*>(match)->Opponent();
    QCOMPARE(QString::fromStdString(opponent.GetRawFirstName()), kept);
    QCOMPARE(QString::fromStdString(match->Place()), kept);
    QCOMPARE(QString::fromStdString(opponent.StrongPoints()), comment);
    QCOMPARE(match->GetSurface() ? QString::fromStdString(match->GetSurface()->Name()) : QString(),
             kept);
    QCOMPARE(QString::fromStdString(match->Comment()), comment);
    QVERIFY(opponent.Licence().empty());
    QCOMPARE(opponent.GetBirthYear(), 0);
  }

  void EventFieldsTakeHostileTexts() {
    // An empty name is refused first: the event dialog's own test shows it.
    const QString texts[] = {QString(500, QLatin1Char('9')), "1\t2\n3", "%s%n",
                             QString::fromUtf8("東京")};
    for (const QString& typed : texts) {
      DLG_SAISIE_EPREUVE dialog(Owner(), 2001, {nullptr, nullptr, NewEventValues(2001, Today())});
      for (QWidget* field :
           std::initializer_list<QWidget*>{dialog.NameBox(), dialog.PrizeMoney(), dialog.EntryFee(),
                                           dialog.Travel(), dialog.Prizes(), dialog.Comments()}) {
        Paste(field, typed);
      }
      MessageBoxes::Said().clear();
      dialog.accept();
      // No hostile text is taken for an amount, nor turned into 0: the
      // dialog stays open on the first amount, named with its range.
      QCOMPARE(dialog.result(), int(QDialog::Rejected));
      QVERIFY(MessageBoxes::Said().back().startsWith("Prize money: enter an amount from 0 to "));
      QCOMPARE(dialog.Prizes()->text(), typed);
    }
  }
};

QTEST_MAIN(HostileEntryTest)
#include "hostile_entry_test.moc"
