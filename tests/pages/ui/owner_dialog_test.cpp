// Guards the owner's description dialog: what it shows, what it refuses
// without losing what was typed, and what OK gives the owner.
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "pages/own/owner_dialog.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/date_field.h"
#include "widgets/dialogs/message_boxes.h"

using namespace scorvane;
using namespace scorvane::testing;

class OwnerDialogTest : public WindowFixture {
  Q_OBJECT

 private:
  void ClickOk(QWidget* dialog) {
    QTest::mouseClick(dialog->findChild<QPushButton*>("okButton"), Qt::LeftButton);
  }

 private slots:
  void init() {
    WindowFixture::init();
    Owner().SetFirstName("Anne");
    Owner().SetLastName("Durand");
    Owner().SetSex(JOUEUR::kWoman);
    Owner().SetBirthDate(DATE_SIMPLE(12, 4, 1975));
    Owner().AddClub(std::make_unique<CLUB>("TC Zèbre"));
    Owner().SetClub(Owner().AddClub(std::make_unique<CLUB>("TC Lyon")));
    Doc().SetModifiedFlag(false);
  }

  void OpensOnTheOwnersValues() {
    DLG_SAISIE_UTILISATEUR dialog(Doc());
    QCOMPARE(dialog.FirstName()->text(), QStringLiteral("Anne"));
    QCOMPARE(dialog.LastName()->text(), QStringLiteral("Durand"));
    QVERIFY(dialog.Woman()->isChecked());
    QCOMPARE(dialog.BirthDate()->date(), QDate(1975, 4, 12));
    QCOMPARE(dialog.Club()->currentText(), QStringLiteral("TC Lyon"));
    // The clubs in name order, after an empty line for "no club".
    QCOMPARE(dialog.Club()->count(), 3);
    QCOMPARE(dialog.Club()->itemText(1), QStringLiteral("TC Lyon"));
  }

  void MissingNamesAreRefused() {
    const std::pair<QString, QString> cases[] = {
        {"", ""}, {"", "Durand"}, {"Anne", ""}, {"  ", "Durand"}};
    for (const auto& [first, last] : cases) {
      MessageBoxes::Said().clear();
      DLG_SAISIE_UTILISATEUR dialog(Doc());
      dialog.show();
      dialog.FirstName()->setText(first);
      dialog.LastName()->setText(last);
      dialog.Man()->click();
      MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
      ClickOk(&dialog);
      QCOMPARE(MessageBoxes::Said(),
               QStringList{"Sorry, you have to enter you first name and your last name"});
      QVERIFY(dialog.isVisible());
      QCOMPARE(dialog.FirstName()->text(), first);
      QCOMPARE(dialog.LastName()->text(), last);
      QCOMPARE(Owner().GetRawFirstName(), std::string("Anne"));
      QVERIFY(Owner().IsWoman());
      QVERIFY(!Doc().IsModified());
    }
  }

  void OkGivesTheOwnerTheValues() {
    AnswerNextModal([](QWidget* modal) {
      auto* dialog = static_cast<DLG_SAISIE_UTILISATEUR*>(modal);
      dialog->FirstName()->setText(QStringLiteral(" Paul "));
      dialog->LastName()->setText(QStringLiteral("Martin"));
      dialog->Man()->click();
      dialog->BirthDate()->setDate(QDate(1970, 1, 1));
      dialog->Club()->setCurrentText(QStringLiteral("tc zèbre"));
      QTest::mouseClick(dialog->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    QVERIFY(EditOwner(nullptr, Doc()));
    QCOMPARE(Owner().GetRawFirstName(), std::string("Paul"));
    QCOMPARE(Owner().GetRawLastName(), std::string("Martin"));
    QCOMPARE(Owner().Sex(), JOUEUR::kMan);
    QVERIFY(Owner().BirthDate() == DATE_SIMPLE(1, 1, 1970));
    // An existing club whatever the case of the letters typed.
    QCOMPARE(Owner().Club()->Name(), std::string("TC Zèbre"));
    QCOMPARE(Owner().Clubs().Count(), 2);
    QVERIFY(Doc().IsModified());
  }

  // A birth date the picker cannot show, left untouched, is not replaced by
  // the one it shows.
  void ATypedClubIsCreatedAndAnEmptyOneMeansNone() {
    Owner().SetBirthDate(DATE_SIMPLE(1, 1, 0));
    DLG_SAISIE_UTILISATEUR dialog(Doc());
    dialog.show();
    dialog.Club()->setCurrentText(QStringLiteral("New Club"));
    ClickOk(&dialog);
    QCOMPARE(Owner().Clubs().Count(), 3);
    QCOMPARE(Owner().Club()->Name(), std::string("New Club"));
    QCOMPARE(Owner().Club()->Code(), 0);
    QVERIFY(Owner().BirthDate() == DATE_SIMPLE(1, 1, 0));
    QVERIFY(Owner().IsWoman());

    DLG_SAISIE_UTILISATEUR again(Doc());
    again.show();
    again.Club()->setCurrentIndex(0);
    ClickOk(&again);
    QVERIFY(Owner().Club() == nullptr);
    QCOMPARE(Owner().Clubs().Count(), 3);
  }

  void CancelChangesNothing() {
    AnswerNextModal([](QWidget* modal) {
      auto* dialog = static_cast<DLG_SAISIE_UTILISATEUR*>(modal);
      dialog->FirstName()->setText(QStringLiteral("Other"));
      QTest::mouseClick(dialog->findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
    });
    QVERIFY(!EditOwner(nullptr, Doc()));
    QCOMPARE(Owner().GetRawFirstName(), std::string("Anne"));
    QVERIFY(!Doc().IsModified());
  }
};

QTEST_MAIN(OwnerDialogTest)
#include "owner_dialog_test.moc"
