// The finances page driven as a user drives it inside the main window, from
// typing an expense to the currency switch, the charts and the printout.
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <cmath>

#include "base/currency.h"
#include "base/locale.h"
#include "finances/finance_charts.h"
#include "pages/common/matches/event_dialog.h"
#include "pages/finances/currency_dialog.h"
#include "pages/finances/finance_charts_dialog.h"
#include "pages/finances/finance_list_view.h"
#include "pages/finances/finances_page.h"
#include "pages/finances/finances_printout.h"
#include "pages/finances/operation_dialog.h"
#include "pages/finances/operations_viewer.h"
#include "records/palmares.h"
#include "shell/app/qt_locale_format.h"
#include "shell/window/document_session.h"
#include "shell/window/main_window.h"
#include "tests/support/finance_document.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_input.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/chart/chart_widget.h"
#include "widgets/date_field.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/listview/list_control.h"
#include "widgets/print/page_printer.h"
#include "widgets/settings.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

int RowShowing(const MY_LIST_CONTROL& list, int column, const QString& text) {
  return static_cast<int>(ColumnTexts(list, column).indexOf(text));
}

DLG_SAISIE_OPERATION* EntryDialog(QWidget* modal) {
  return qobject_cast<DLG_SAISIE_OPERATION*>(modal);
}

}  // namespace

class FinancesPageTest : public WindowFixture {
  Q_OBJECT

 private:
  std::unique_ptr<ScriptedPrompt> prompt_;
  FinanceDocument d_;

  PAGE_FINANCES& Page() { return *static_cast<PAGE_FINANCES*>(Window().Frame().Page(6)); }
  MY_LIST_CONTROL& Expenses() { return Page().List(FinanceListKind::kExpenses); }

 private slots:
  void init() {
    WindowFixture::init();
    Doc().SetTitle("Moi");
    d_ = BuildFinanceDocument(Owner());
    Owner().SetFirstName("Claire");
    Owner().SetLastName("Morel");
    Doc().SetModifiedFlag(false);
    prompt_ = std::make_unique<ScriptedPrompt>();
    OpenWindow().ShowPage(PageView::kFinances);
  }
  void cleanup() {
    WindowFixture::cleanup();
    prompt_.reset();
  }

  void ShowsTheSeasonWithTheToolsTotals() {
    QCOMPARE(Page().findChild<QLabel*>("gainsHeading")->text(), QStringLiteral("2001 gains"));
    QCOMPARE(Page().findChild<QLabel*>("expensesHeading")->text(), QStringLiteral("2001 expenses"));
    QCOMPARE(ColumnTexts(Page().List(FinanceListKind::kGains), 1),
             QStringList({"Strings", "Open de Lyon"}));
    QCOMPARE(ColumnTexts(Page().List(FinanceListKind::kPrizes), 1), QStringList({"Une coupe"}));
    QCOMPARE(ColumnTexts(Expenses(), 2), QStringList({"EVENTS COSTS", "EVENTS COSTS",
                                                      "TRAVELLING EXPENSES", "Balls", "Strings"}));
    QCOMPARE(Page().GainsTotal()->text(), QStringLiteral("Gains total: 800.00 F"));
    QCOMPARE(Page().ExpensesTotal()->text(), QStringLiteral("Expenses total: 325.00 F"));
  }

  void InsertMakesANewExpenseWithANewCategory() {
    const int categories = Doc().Owner().Categories().Count();
    AnswerNextModal([](QWidget* modal) {
      DLG_SAISIE_OPERATION* dialog = EntryDialog(modal);
      QCOMPARE(dialog->Heading()->text(), QStringLiteral("New expense for season 2001"));
      QCOMPARE(dialog->DateEdit()->date(), QDate(2001, 6, 15));
      QCOMPARE(dialog->CurrencyLabel()->text(), QStringLiteral("F"));
      ReplaceText(dialog->PayeeEdit(), "Decathlon");
      ReplaceText(dialog->PurposeEdit(), "Bag");
      ReplaceText(dialog->AmountEdit(), "12,5");
      QTest::keyClicks(dialog->CategoryBox()->lineEdit(), "Towels");
      ClickButton(dialog, "okButton");
    });
    QTest::keyClick(&Expenses(), Qt::Key_Insert);
    QCOMPARE(Doc().Owner().Categories().Count(), categories + 1);
    const int bag = RowShowing(Expenses(), 3, "Bag");
    QStringList bag_row;
    for (int column = 0; column < Expenses().ColumnCount(); ++column)
      bag_row << Expenses().ItemText(bag, column);
    QCOMPARE(bag_row, QStringList({"12.50 F", "15/06/2001", "Towels", "Bag", "Decathlon"}));
    QCOMPARE(Page().ExpensesTotal()->text(), QStringLiteral("Expenses total: 337.50 F"));
    QVERIFY(Doc().IsModified());
  }

  void TheEntryDialogRefusesWhatItCannotStore() {
    // Each refusal keeps the dialog open with the values typed; the last
    // entry is good: "bal" completes to the existing category Balls.
    const struct {
      const char* amount;
      const char* category;
      const char* said;
    } refusals[] = {
        {"12", "", "You must enter a financial category !"},
        {"-3", "Balls", "Amount: enter an amount from 0 to 99999.99 F, for example 1 500,50."},
        {"123456", "Balls", "Amount: enter an amount from 0 to 99999.99 F, for example 1 500,50."},
        {"12,345", "Balls", "Amount: enter an amount from 0 to 99999.99 F, for example 1 500,50."},
    };
    const int expenses = d_.season->Finances().Expenses().Count();
    AnswerNextModal([&refusals](QWidget* modal) {
      DLG_SAISIE_OPERATION* dialog = EntryDialog(modal);
      for (const auto& refusal : refusals) {
        MessageBoxes::Said().clear();
        ReplaceText(dialog->AmountEdit(), refusal.amount);
        dialog->CategoryBox()->setEditText(refusal.category);
        ClickButton(dialog, "okButton");
        QCOMPARE(MessageBoxes::Said(), QStringList({refusal.said}));
        QVERIFY(dialog->isVisible());
      }
      ReplaceText(dialog->AmountEdit(), QString(500, u'7'));
      ClickButton(dialog, "okButton");
      QVERIFY(dialog->isVisible());
      ReplaceText(dialog->AmountEdit(), "-0");
      dialog->CategoryBox()->setEditText(QString());
      QTest::keyClicks(dialog->CategoryBox()->lineEdit(), "bal");
      QCOMPARE(dialog->CategoryBox()->currentText(), QStringLiteral("balls"));
      ClickButton(dialog, "okButton");
    });
    Page().NewExpense();
    QCOMPARE(d_.season->Finances().Expenses().Count(), expenses + 1);
    const OPERATION_FINANCIERE* added = *std::prev(d_.season->Finances().Expenses().end());
    QCOMPARE(added->Category(), d_.balls);
    QCOMPARE(added->Amount().Get(), 0.0f);
    QVERIFY(!std::signbit(added->Amount().Get()));
  }

  // Chooses the display currency in the currency dialog.
  void ChooseCurrency(bool euros) {
    AnswerNextModal([euros](QWidget* modal) {
      auto* dialog = qobject_cast<DLG_DEVISE*>(modal);
      (euros ? dialog->EuroButton() : dialog->BaseButton())->click();
      ClickButton(modal, "okButton");
    });
    Window().Command("actionCurrency")->trigger();
  }
  void TypeExpense(const QString& amount) {
    AnswerNextModal([amount](QWidget* modal) {
      DLG_SAISIE_OPERATION* dialog = EntryDialog(modal);
      ReplaceText(dialog->AmountEdit(), amount);
      QTest::keyClicks(dialog->CategoryBox()->lineEdit(), "Balls");
      ClickButton(dialog, "okButton");
    });
    QTest::keyClick(&Expenses(), Qt::Key_Insert);
  }

  void AmountsTypedToTheCentReadBackAndTotalsAddUpTheRows() {
    for (const bool euros : {false, true}) {
      ChooseCurrency(euros);
      const QString unit = euros ? QStringLiteral(" E") : QStringLiteral(" F");
      const struct {
        const char* typed;
        const char* shown;
      } amounts[] = {{"0,01", "0.01"}, {"12.34", "12.34"}, {"99,999.99", "99999.99"}};
      for (const auto& amount : amounts) {
        TypeExpense(QString::fromLatin1(amount.typed));
        const QString shown = QString::fromLatin1(amount.shown) + unit;
        QVERIFY2(RowShowing(Expenses(), 0, shown) >= 0, qPrintable(shown));
      }
    }
    // The total is the sum of the rows as shown (worked out with the lists'
    // rules): 49.55 + 0.00 + 1.88 + 15,244.90 + 0.01 + 12.34 + 99,999.99.
    QCOMPARE(Page().ExpensesTotal()->text(), QStringLiteral("Expenses total: 115308.67 Euros"));
  }

  void RenamingAnEventKeepsTheSeasonTotals() {
    const QString gains = QStringLiteral("Gains total: 800.00 F");
    const QString expenses = QStringLiteral("Expenses total: 325.00 F");
    QCOMPARE(Page().GainsTotal()->text(), gains);
    AnswerNextModal([](QWidget* modal) {
      auto* dialog = qobject_cast<DLG_SAISIE_EPREUVE*>(modal);
      ReplaceText(dialog->NameBox()->lineEdit(), "Open du Rhone");
      QTest::keyClick(dialog->NameBox()->lineEdit(), Qt::Key_Tab);
      ClickButton(modal, "okButton");
    });
    Page().List(FinanceListKind::kPrizes).SelectItem(0);
    Page().EditSelected(FinanceListKind::kPrizes);
    QCOMPARE(d_.lyon->Event()->Name(), std::string("Open du Rhone"));
    QCOMPARE(Page().GainsTotal()->text(), gains);
    QCOMPARE(Page().ExpensesTotal()->text(), expenses);
  }

  void AFullListOfExpensesIsToldAndChangesNothing() {
    while (d_.season->Finances().Expenses().Count() < List<OPERATION_FINANCIERE*>::kMaxCount)
      d_.season->Finances().AddExpense(std::make_unique<OPERATION_FINANCIERE>());
    const int categories = Owner().Categories().Count();
    MessageBoxes::Said().clear();
    AnswerNextModal([](QWidget* modal) {
      DLG_SAISIE_OPERATION* dialog = EntryDialog(modal);
      ReplaceText(dialog->AmountEdit(), "12");
      QTest::keyClicks(dialog->CategoryBox()->lineEdit(), "Raquettes");
      ClickButton(dialog, "okButton");
    });
    Page().NewExpense();
    QCOMPARE(MessageBoxes::Said(), QStringList({"A list cannot hold more than 32767 elements."}));
    QCOMPARE(Owner().Categories().Count(), categories);
  }

  void DoubleClickEditsTheOperation() {
    const int row = RowShowing(Expenses(), 3, "Tubes");
    AnswerNextModal([](QWidget* modal) {
      DLG_SAISIE_OPERATION* dialog = EntryDialog(modal);
      QCOMPARE(dialog->Heading()->text(),
               QStringLiteral("Change financial operation (season 2001)"));
      QCOMPARE(dialog->AmountEdit()->text(), QStringLiteral("120.00"));
      QCOMPARE(dialog->CategoryBox()->currentText(), QStringLiteral("Balls"));
      ReplaceText(dialog->AmountEdit(), "130");
      ClickButton(dialog, "okButton");
    });
    DoubleClickRow(Expenses(), row);
    QCOMPARE(d_.balls_expense->Amount().Get(), 130.0f);
    QCOMPARE(Expenses().ItemText(RowShowing(Expenses(), 3, "Tubes"), 0),
             QStringLiteral("130.00 F"));
  }

  void EventRowsOpenTheEventDialog() {
    AnswerNextModal([](QWidget* modal) {
      auto* dialog = qobject_cast<DLG_SAISIE_EPREUVE*>(modal);
      QCOMPARE(dialog->EntryFee()->text(), QStringLiteral("80"));
      ReplaceText(dialog->EntryFee(), "95");
      ClickButton(modal, "okButton");
    });
    Expenses().SelectItem(RowShowing(Expenses(), 0, "80.00 F"));
    QTest::keyClick(&Expenses(), Qt::Key_Return);
    QCOMPARE(d_.lyon->EntryFee().Get(), 95.0f);
    QCOMPARE(Page().ExpensesTotal()->text(), QStringLiteral("Expenses total: 340.00 F"));
    // A prize row opens its event too (here cancelled: nothing changes).
    ClickInNextModal(QStringLiteral("cancelButton"));
    Page().List(FinanceListKind::kPrizes).SelectItem(0);
    Page().EditSelected(FinanceListKind::kPrizes);
    QCOMPARE(d_.lyon->Prizes(), std::string("Une coupe"));
  }

  void DeleteClearsOnlyTheAmountOfTheRow() {
    Expenses().SelectItem(RowShowing(Expenses(), 2, "TRAVELLING EXPENSES"));
    QCOMPARE(MenuTexts(*Page().ContextMenu(FinanceListKind::kExpenses)),
             QStringList({"&Edit the expense", "&Delete the expense"}));
    prompt_->Script({ScriptedPrompt::Answer::kNo, ScriptedPrompt::Answer::kYes});
    QTest::keyClick(&Expenses(), Qt::Key_Delete);
    QCOMPARE(d_.lyon->TravelExpenses().Get(), 20.0f);
    QTest::keyClick(&Expenses(), Qt::Key_Delete);
    QCOMPARE(prompt_->asked, (std::vector<std::string>(2, "Destroy event expense permanently ?")));
    QCOMPARE(d_.lyon->TravelExpenses().Get(), 0.0f);
    QCOMPARE(d_.lyon->EntryFee().Get(), 80.0f);
    QVERIFY(d_.season->Palmares()->PlayedEvents().Contains(d_.lyon));
    QCOMPARE(RowShowing(Expenses(), 2, "TRAVELLING EXPENSES"), -1);
    QCOMPARE(Page().ExpensesTotal()->text(), QStringLiteral("Expenses total: 305.00 F"));

    Expenses().ClearSelection();
    QCOMPARE(Page().ContextMenu(FinanceListKind::kExpenses)->actions().size(), 1);
    QVERIFY(Page().ContextMenu(FinanceListKind::kGains)->isEmpty());
  }

  void HeaderClicksSortTheExpensesBothWays() {
    QHeaderView* header = Expenses().horizontalHeader();
    const int debtor = 4;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(debtor) + 5, 5));
    QCOMPARE(ColumnTexts(Expenses(), debtor), QStringList({"-", "-", "-", "MARTINEZ", "MARTIN"}));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(debtor) + 5, 5));
    QCOMPARE(ColumnTexts(Expenses(), debtor), QStringList({"MARTIN", "MARTINEZ", "-", "-", "-"}));
    // The order holds when the lists are built again.
    Page().Refresh();
    QCOMPARE(ColumnTexts(Expenses(), debtor).first(), QStringLiteral("MARTIN"));
  }

  void SwitchingTheCurrencyRedrawsAndStoresNothing() {
    d_.balls_expense->SetAmount(SOMME(655.957f));
    const EncodedDocument before = Doc().Encode();
    QVERIFY(before.result.ok());
    // A euro value of 0 is refused, the dialog stays; then euros at the default value.
    AnswerNextModal([](QWidget* modal) {
      auto* dialog = qobject_cast<DLG_DEVISE*>(modal);
      QCOMPARE(dialog->BaseButton()->text(), QStringLiteral("F"));
      QVERIFY(dialog->BaseButton()->isChecked());
      QCOMPARE(dialog->EuroValueEdit()->text(), QStringLiteral("6.55957"));
      ReplaceText(dialog->EuroValueEdit(), "0");
      MessageBoxes::Said().clear();
      ClickButton(dialog, "okButton");
      QCOMPARE(MessageBoxes::Said().size(), 1);
      QVERIFY(MessageBoxes::Said().first().startsWith("The value of the euro must be a number"));
      QVERIFY(dialog->isVisible());
      ReplaceText(dialog->EuroValueEdit(), "6,55957");
      dialog->EuroButton()->click();
      ClickButton(dialog, "okButton");
    });
    Window().Command("actionCurrency")->trigger();
    QCOMPARE(Currency::Current(), Currency::kEuros);
    QCOMPARE(Expenses().model()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("Amount E"));
    QCOMPARE(Expenses().ItemText(RowShowing(Expenses(), 3, "Tubes"), 0),
             QStringLiteral("100.00 E"));
    // The rows as shown: 9.15 + 12.20 + 3.05 + 100.00 + 6.86.
    QCOMPARE(Page().ExpensesTotal()->text(), QStringLiteral("Expenses total: 131.26 Euros"));
    ChooseCurrency(false);
    QCOMPARE(Expenses().ItemText(RowShowing(Expenses(), 3, "Tubes"), 0),
             QStringLiteral("655.96 F"));
    QCOMPARE(Doc().Encode().bytes, before.bytes);
  }

  void AmountsFollowTheLocaleWithEWhereItsSymbolStands() {
    const QtLocaleFormat french(QLocale(QLocale::French, QLocale::France));
    const QtLocaleFormat british(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const struct {
      const LocaleFormat* locale;
      int currency;
      Currency::Style style;
      const char* shown;
    } cases[] = {
        {&french, Currency::kEuros, Currency::Style::kCurrency, "100,00\u00a0E"},
        {&french, Currency::kEuros, Currency::Style::kNumber, "100,00"},
        {&french, Currency::kFrancs, Currency::Style::kCurrency, "655,96\u00a0€"},
        {&british, Currency::kEuros, Currency::Style::kCurrency, "E100.00"},
        {&british, Currency::kFrancs, Currency::Style::kCurrency, "£655.96"},
    };
    for (const auto& c : cases) {
      SetCurrentLocale(c.locale);
      Currency::SetCurrent(c.currency);
      QCOMPARE(QString::fromStdString(Currency::Format(SOMME(655.957f), c.style)),
               QString::fromUtf8(c.shown));
    }
    QCOMPARE(french.Currency("not a number"), std::string("not a number"));
    Page().Refresh();
    QCOMPARE(Expenses().model()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("Amount £"));
    SetCurrentLocale(nullptr);
  }

  void CurrencySettingsAreReadAtStartAndWrittenAtExit() {
    const struct {
      QVariant currency;
      QVariant euro;
      int current;
      double euro_value;
      const char* written;
    } cases[] = {
        {1, "10.000000", Currency::kEuros, 10.0, "10.000000"},
        {1, "0", Currency::kEuros, 6.55957, "6.559570"},
        {7, "abc", Currency::kFrancs, 6.55957, "6.559570"},
        {QVariant(), "-2", Currency::kFrancs, 6.55957, "6.559570"},
    };
    // A second window reads the settings when made and writes them when gone.
    for (const auto& c : cases) {
      Currency::Reset();
      QSettings store = settings::User();
      store.setValue(settings::kCurrencyInUse, c.currency);
      store.setValue(settings::kEuroValue, c.euro);
      store.sync();
      auto window = std::make_unique<MainWindow>(Session(), Path("program"));
      QCOMPARE(Currency::Current(), c.current);
      QVERIFY(std::abs(Currency::EuroValue() - c.euro_value) < 1e-5);
      window.reset();
      QSettings written = settings::User();
      QCOMPARE(written.value(settings::kEuroValue).toString(), QString(c.written));
      QCOMPARE(written.value(settings::kCurrencyInUse).toInt(), c.current);
    }
  }

  void ChartsOpenTheOperationsBehindAValue() {
    AnswerNextModal([](QWidget* modal) {
      auto* dialog = qobject_cast<DLG_GRAPHIQUE_FINANCES*>(modal);
      const GROUPE_DONNEES* slices = dialog->Chart().Model().Series(0);
      QCOMPARE(slices->Count(), 4);
      QCOMPARE(slices->IdAt(0), kEntryFeesId);
      QCOMPARE(slices->ValueAt(0), 140);
      // A click on the entry fees opens their operations.
      AnswerNextModal([](QWidget* viewer) {
        auto* operations = qobject_cast<DLG_VISUALISATION_OPERATIONS*>(viewer);
        QCOMPARE(operations->Heading()->text(), QStringLiteral("Events costs : 140.00 F"));
        QCOMPARE(operations->ListView().Rows().size(), size_t{2});
        ClickButton(viewer, "okButton");
      });
      dialog->OpenValue(2, kEntryFeesId);
      // A category's operations: a double click edits one and the total follows.
      AnswerNextModal([](QWidget* viewer) {
        auto* operations = qobject_cast<DLG_VISUALISATION_OPERATIONS*>(viewer);
        MY_LIST_CONTROL& list = operations->ListView().List();
        AnswerNextModal([](QWidget* entry) {
          ReplaceText(EntryDialog(entry)->AmountEdit(), "130");
          ClickButton(entry, "okButton");
        });
        DoubleClickRow(list, 0);
        QCOMPARE(operations->Heading()->text(),
                 QStringLiteral("Financial category Balls operations : 130.00 F"));
        ClickButton(viewer, "okButton");
      });
      dialog->OpenValue(2, dialog->Chart().Model().Series(0)->IdAt(2));
      QCOMPARE(dialog->Chart().Model().Series(0)->ValueAt(2), 130);
      dialog->Choose(FinanceChart::kExpensesPerCategory);
      QCOMPARE(dialog->ChartList().currentRow(), 1);
      QCOMPARE(dialog->Chart().Model().CategoryAxis().title, std::string("Categories"));
      ClickButton(dialog, "okButton");
    });
    ClickButton(&Page(), "chartsButton");
  }

  void EditCategoriesOpensTheItemEditorOnCategories() {
    AnswerNextModal([](QWidget* modal) {
      QCOMPARE(modal->windowTitle(), QStringLiteral("Edit financial categories"));
      ClickButton(modal, "cancelButton");
    });
    ClickButton(&Page(), "editCategoriesButton");
  }

  // Where the lists break over pages has its own tests; here the page prints.
  void PrintsTheThreeLists() {
    auto* printout = static_cast<FinancesPrintout*>(Page().PrintContent());
    QCOMPARE(printout->PrintTitle(), QStringLiteral("Claire Morel - Financial season 2001"));
    QVERIFY(ExportPdf(*printout, Path("finances.pdf")));
    QVERIFY(!printout->Pages().empty());
  }
};

QTEST_MAIN(FinancesPageTest)
#include "finances_page_test.moc"
